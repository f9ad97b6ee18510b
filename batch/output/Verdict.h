#pragma once

#include <string>

#include "batch/results/BatchResult.h"
#include "batch/results/Figures.h"

// What a cell's figures mean, in plain words, a few lines: how often a
// session reaches the max balance and how often it is ruined (and what is
// lost then at least), how often it stops otherwise, how long it lasts,
// what it wagers and
// loses on average, and that this loss is the wheel's edge times what is
// wagered, whatever the system. Exact where computed, else with the
// sampled figures' intervals.
std::string VerdictText(const BatchResult& result, const CellResult& cell);

// How long a session lasts: the games at the median and the 90th
// percentile and on average; in hours as well at a pace.
std::string LastsText(const FigureValues& values, double spins_per_hour);
