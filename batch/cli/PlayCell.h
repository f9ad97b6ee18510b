#pragma once

#include <cstdint>
#include <optional>

#include "batch/core/Problem.h"
#include "batch/exact/ExactOdds.h"
#include "batch/sampling/RunTally.h"
#include "batch/settings/RunSettings.h"
#include "files/FileAccess.h"

class Progress;

// The exact odds of one set of settings (with the course of its first
// session, as `fan` says), with their progress; the problem where they were
// refused.
MaybeProblem ComputeExact(const RunSettings& settings, int64_t jobs, FanCourse fan, std::optional<ExactRun>& exact);

// Sampled runs of one set of settings: their tally, their sessions as CSV
// rows as they finish (where `csv` is given), and their "Fehler" messages
// on standard error where `messages` (a sweep's cells only count theirs:
// the messages would fill the terminal); the last run whole where `last`.
RunTally PlayTally(const RunSettings& settings, int64_t first_seed, int64_t runs, int64_t jobs, int64_t first_run,
                   FileAccess::Replacement* csv, Progress* progress, bool messages, RunOutcome* last = nullptr);
