#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "batch/results/Figures.h"
#include "batch/settings/RunSettings.h"

// What --solve computed: the question (the smallest whole value of a
// numeric setting from `from` to `to`, or the largest, whose exact figure
// meets a bound), the figure at every value tried, and the answer, if any
// value meets the bound.
struct SolvedQuestion {
  std::string setting;
  int64_t from = 0;
  int64_t to = 0;
  const FigureSpec* figure = nullptr;
  bool at_most = true;  // FIGURE<=VALUE, else FIGURE>=VALUE
  double bound = 0;
  bool largest = false;
  RunSettings settings;  // what the other settings were
  std::map<int64_t, double> tried;
  std::optional<int64_t> answer;

  bool Meets(double value) const { return at_most ? value <= bound : value >= bound; }
  // Whether the figures tried rise, or fall, with the value throughout.
  bool Monotone() const;
};
