#pragma once

#include <string>

#include "batch/results/SolvedQuestion.h"

// What a solved question prints and writes: the question, every value
// tried with its figure and whether it meets the bound, a warning where the
// figures tried are not monotone, and the answer; as text, as JSON, and as
// a page.
std::string SolveText(const SolvedQuestion& q);
std::string SolveJsonText(const SolvedQuestion& q);
std::string SolvePage(const SolvedQuestion& q);
