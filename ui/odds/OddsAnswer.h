#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "batch/output/Drawing.h"
#include "batch/results/BatchResult.h"
#include "sim/SimRunState.h"

// The memory the window's odds may take: a 32-bit process has 2 GiB of
// address space, and the window and its run need room beside them.
constexpr int64_t kOddsMemoryBudget = int64_t{512} << 20;

// The exact odds of one run of the settings, as the batch program computes
// them, with the course of its sessions.
struct OddsAnswer {
  bool computed = false;
  // What `vantrel-batch --exact` prints for these settings; where the odds
  // do not fit their budget, why, in words, and how to answer instead.
  std::string text;
  // The batch they are, for the chart and the page.
  BatchResult result;
};

// What the computation has reached, in words ("game 120 of 500"), from the
// thread that computes; it should return at once.
using OddsProgress = std::function<void(const std::string&)>;

// The odds within `budget_bytes`, or nothing where `stop` was set before
// they were done (they stop within a game of the computation).
std::optional<OddsAnswer> ComputeOdds(const RunSettings& settings, const std::atomic<bool>& stop,
                                      const OddsProgress& progress = nullptr, int64_t budget_bytes = kOddsMemoryBudget);

// The chart of the course of the run's sessions, with the sessions of a run
// played beside the odds drawn over it; empty where there is no course.
std::optional<Drawing> OddsChart(const OddsAnswer& answer, const std::vector<PlayedCourse>& run = {});

// How a run went beside its odds, a line: "this run: 5 of 10 sessions at
// the max balance or wager limit (exact chance 64.8 %); ..."; empty before
// a session of the run has ended or where the odds were not computed.
std::string RunBesideOdds(const OddsAnswer& answer, const SimRunState& run);

// The page `vantrel-batch --exact --html` writes for the same settings.
std::string OddsPage(const OddsAnswer& answer);
