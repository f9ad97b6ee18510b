#pragma once

#include <string>
#include <vector>

#include "batch/RunSettings.h"

// One swept setting and its values, from NAME=FROM:TO[:STEP].
struct SweepAxis {
  std::string name;
  std::vector<double> values;
};

// Empty on success, else one line saying what is wrong with the sweep.
std::string ParseSweep(const std::string& text, SweepAxis& axis);

// The settings of every cell: the first axis outermost.
struct SweepCell {
  std::vector<double> values;
  RunSettings settings;
};
std::vector<SweepCell> SweepCells(const RunSettings& base, const std::vector<SweepAxis>& axes);

// A swept value as the table and the heat map write it.
std::string SweptValue(double value);
