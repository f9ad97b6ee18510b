#pragma once

#include <string>

#include "batch/results/BatchResult.h"
#include "batch/core/Problem.h"

// A summary that vantrel-batch wrote with --json, read back for merging,
// believing nothing: every count is a whole number in its range, the
// counts agree with each other and with the settings, a part lies where
// its index puts it in the batch, every sweep cell holds the values of its
// place in the grid, and the summary's figures are the ones its counts
// give. A file larger than FileAccess::kReadLimit, nesting deeper than a
// summary or with a key twice in one object is refused before it is read.
//
// The problem names the file and the field.
MaybeProblem ReadSummaryFile(const std::string& file, BatchResult& part);

// The same for bytes already read; `file` only names them.
MaybeProblem ReadSummary(const std::string& file, const std::string& bytes, BatchResult& part);

// The deepest a summary nests: cells (or a comparison's systems), a cell
// (or a system), its counts, a tally, its final balances and one pair of
// them.
constexpr std::size_t kDeepestSummary = 7;
