#pragma once

#include <cstdint>
#include <vector>

#include "batch/core/Endings.h"
#include "sim/SimSettings.h"

// The course of one sampled session: its balance in units before its first
// game and after every game it played, and how it ended.
struct SessionCourse {
  std::vector<double> balances;
  Ending ending = Ending::None;
};

// The first `count` sessions of the runs from `first` to `last` seed, played
// again (a run is the same whenever it is played, so a batch keeps none of
// them while it plays).
std::vector<SessionCourse> FirstCourses(const SimSettings& settings, int64_t first, int64_t last, std::size_t count);
