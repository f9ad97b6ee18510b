#pragma once

#include <string>
#include <vector>

#include "batch/results/BatchResult.h"

// Merges parts of one batch, each read and checked on its own, into the
// whole. Empty on success, else one line naming the file and the reason;
// `gaps` lists what is missing when gaps are allowed.
struct NamedPart {
  std::string file;
  BatchResult part;
};
std::string MergeParts(const std::vector<NamedPart>& parts, bool allow_gaps, BatchResult& whole, std::string& gaps);
