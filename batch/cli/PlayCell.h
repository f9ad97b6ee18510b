#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "batch/core/Problem.h"
#include "batch/exact/ExactOdds.h"
#include "batch/results/BatchResult.h"
#include "batch/results/Precision.h"
#include "batch/sampling/RunTally.h"
#include "batch/settings/RunSettings.h"
#include "files/FileAccess.h"

class Progress;

// The exact odds of one set of settings (with the course of its first
// session, as `fan` says), with their progress; the problem where they were
// refused.
MaybeProblem ComputeExact(const RunSettings& settings, int64_t jobs, int64_t budget_bytes, FanCourse fan,
                          std::optional<ExactRun>& exact);

// Sampled runs of one set of settings: their tally, their sessions as CSV
// rows as they finish (where `csv` is given), and their "Fehler" messages
// on standard error where `messages` (a sweep's cells only count theirs:
// the messages would fill the terminal); the last run whole where `last`.
// Runs of each of the settings on the same seeds, in rounds, until every
// tally is as precise as asked or `most_runs` were played: the tallies
// equal those of --runs K with the K they came to, whatever the rounds.
struct PreciseRuns {
  std::vector<RunTally> tallies;
  int64_t runs = 0;
  bool reached = false;
};
PreciseRuns PlayUntilPrecise(const std::vector<const RunSettings*>& settings, int64_t first_seed, int64_t most_runs,
                             int64_t jobs, const Precision& precision, double confidence, FileAccess::Replacement* csv);

// The most runs a batch can play from its first seed.
int64_t MostRuns(const BatchResult& result);
// The batch's runs are those that came to be precise.
void Played(BatchResult& result, const PreciseRuns& precise, const Precision& precision);

RunTally PlayTally(const RunSettings& settings, int64_t first_seed, int64_t runs, int64_t jobs, int64_t first_run,
                   FileAccess::Replacement* csv, Progress* progress, bool messages, RunOutcome* last = nullptr);
