#pragma once

#include <memory>
#include <string>
#include <vector>

#include "batch/cli/BatchOptions.h"
#include "batch/results/BatchResult.h"
#include "batch/results/Problem.h"
#include "files/FileAccess.h"

// The outputs of a sweep, written as its cells come in order: the text or
// the JSON on standard output, the table's rows, and the heat map's values
// (one number a cell), so that a sweep of a million cells holds no more
// than the cells being computed.
class SweepOutputs {
 public:
  // `head`: the batch without its cells; `cells`: how many will come.
  SweepOutputs(const BatchOptions& options, const BatchResult& head, int64_t cells);

  // Opens the table; prints the head of the text or of the JSON.
  MaybeProblem Start();
  // The next cell, with its number in the whole sweep.
  void Add(int64_t index, const CellResult& cell);
  // The JSON's tail; the heat map and the table put in place.
  MaybeProblem Finish();

 private:
  const BatchOptions& options_;
  const BatchResult& head_;
  int64_t cells_;
  int64_t added_ = 0;
  std::string json_tail_;
  std::unique_ptr<FileAccess::Replacement> table_;
  std::vector<std::vector<double>> grid_;
};
