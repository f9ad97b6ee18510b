#pragma once

#include <string>

#include "batch/results/BatchResult.h"

// What a cell's figures mean, in plain words, a few lines: how often a
// session reaches the max balance and how often it is ruined (and what is
// lost then at least), how often it stops otherwise, what it wagers and
// loses on average, and that this loss is the wheel's edge times what is
// wagered, whatever the system. Exact where computed, else with the
// sampled figures' intervals.
std::string VerdictText(const BatchResult& result, const CellResult& cell);
