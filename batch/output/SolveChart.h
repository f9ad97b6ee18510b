#pragma once

#include "batch/output/Drawing.h"
#include "batch/results/SolvedQuestion.h"

// A solved question as a picture: the figure at every value tried, in the
// order of the values, each point marked by whether it meets the bound;
// the bound across, and the answer, where there is one, marked and named.
Drawing SolveDrawing(const SolvedQuestion& q);
