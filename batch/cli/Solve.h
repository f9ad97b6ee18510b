#pragma once

#include <cstdint>

#include "batch/cli/BatchOptions.h"
#include "batch/core/Problem.h"
#include "batch/settings/RunSettings.h"

// --solve NAME[=FROM:TO] --for FIGURE<=VALUE (or >=): the smallest whole
// value of a numeric setting (the largest with --largest) whose exact odds
// meet the bound. Nine values spread over the range are computed first;
// the answer is then bisected between the two of them where the bound
// starts (or stops) being met. That finds it where the figure is monotone
// in the setting; where the values tried say it is not, the output says so.
// Prints what was tried and the answer, as text or JSON.
MaybeProblem Solve(const BatchOptions& options, const RunSettings& settings, int64_t jobs);
