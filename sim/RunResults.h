#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "framework/text/WString.h"

// The results of a run as data: each session's final balance in the order
// played (a session that failed its check keeps the balance it started
// with), and how many ended each counted way: at the max balance or the
// wager limit, at the min balance, at the table limit or the last game. A
// session at both balance limits counts in the first two; a failed check and
// a fractional game count in none. The window's results list, counters and
// percentages, and so the report, are rendered from it.
struct RunResults {
  int32_t session_count = 0;  // the list numbers a session by those still to play
  std::vector<int32_t> final_balances;
  std::array<double, 3> counts{};  // max, min, table limit or last game
};

// The formats of a counter and of its percentage.
constexpr const char* kCounterFormat = "%6.0lf";
constexpr const char* kPercentageFormat = "%4.2lf%%";

// The entry a session adds to the results list: its number counted down, its
// final balance, and a line break after every fifth.
WString ResultsListEntry(int32_t sessions_remaining, int32_t final_balance);
// Whether the percentages are shown yet (they read " %" until a session
// counts), and one of them.
bool ShowsPercentages(const std::array<double, 3>& counts);
double Percentage(const std::array<double, 3>& counts, std::size_t k);

// What the window's displays of the results hold at the end of the run.
struct ResultsDisplays {
  WString list;
  std::array<WString, 3> counters;
  std::array<WString, 3> percentages;
};
ResultsDisplays DisplaysOf(const RunResults& results);
