#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "batch/core/Problem.h"
#include "batch/settings/RunSettings.h"

// One swept setting and its values, from NAME=FROM:TO[:STEP].
struct SweepAxis {
  std::string name;
  std::vector<double> values;
};

// The sweep of NAME=FROM:TO[:STEP], or one line saying what is wrong.
MaybeProblem ParseSweep(const std::string& text, SweepAxis& axis);
// Whether every value of a sweep can be set on these settings: a capital
// swept takes along the balance limits given relative to it, which must
// stay within their range too.
MaybeProblem CheckSweep(const RunSettings& base, const std::string& text, const SweepAxis& axis);

// The cells of a sweep, numbered from 0 with the first axis outermost:
// how many there are, the swept values of one, and its settings. Cells are
// made one at a time, so a large sweep never holds them all.
int64_t SweepCellCount(const std::vector<SweepAxis>& axes);
std::vector<double> SweepValuesAt(const std::vector<SweepAxis>& axes, int64_t cell);
RunSettings SweepSettingsAt(const RunSettings& base, const std::vector<SweepAxis>& axes, int64_t cell);

// A swept value as the table and the heat map write it.
std::string SweptValue(double value);
