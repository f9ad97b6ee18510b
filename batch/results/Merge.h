#pragma once

#include <string>
#include <vector>

#include "batch/core/Problem.h"
#include "batch/results/BatchResult.h"

// Merges parts of one batch, each read and checked on its own, into the
// whole, or one line naming the file and the reason;
// `gaps` lists what is missing when gaps are allowed.
struct NamedPart {
  std::string file;
  BatchResult part;
};
MaybeProblem MergeParts(const std::vector<NamedPart>& parts, bool allow_gaps, BatchResult& whole, std::string& gaps);
