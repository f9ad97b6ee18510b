#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "batch/output/Drawing.h"

// A picture of the final balances: a histogram with labelled axes, and
// the capital, the max balance and the min balance marked, so that a reader
// sees at once how many sessions reached the target and how many fell.
struct HistogramMarks {
  double capital = 0;
  double max_balance = 0;
  double min_balance = 0;
  // What was played (PlayedName), for the title; none where empty.
  std::string played;
};

// `balances` counts the sessions by final balance, in quanta of money
// (`quanta` to a unit).
Drawing HistogramDrawing(const std::map<int32_t, int64_t>& balances, int32_t quanta, const HistogramMarks& marks);
std::string BalanceHistogram(const std::map<int32_t, int64_t>& balances, int32_t quanta, const HistogramMarks& marks);
