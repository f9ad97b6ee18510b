#pragma once

#include <cstdint>

#include "batch/cli/BatchOptions.h"
#include "batch/core/Problem.h"
#include "batch/results/BatchResult.h"

// A comparison: the settings of each system (applied to the settings of
// the command line) or settings file of its part, all built first so that
// a wrong name costs nothing; then each one's exact odds and its runs on
// the comparison's seeds; then what it prints and writes.
MaybeProblem PlayComparison(const BatchOptions& options, BatchResult& result, int64_t jobs);

// The outputs of a comparison made or merged: the table or the JSON on
// standard output, the --table CSV and the --plot picture, each whole.
MaybeProblem WriteComparison(const BatchOptions& options, const BatchResult& result);
