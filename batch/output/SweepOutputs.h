#pragma once

#include <memory>
#include <string>
#include <vector>

#include "batch/core/Problem.h"
#include "batch/output/Exporters.h"
#include "batch/results/BatchResult.h"
#include "batch/results/Figures.h"
#include "files/FileAccess.h"

// The most cells a page's table shows; the table file holds them all.
constexpr std::size_t kMostPageRows = 1000;

// The outputs of a sweep, written as its cells come in order: the text or
// the JSON on standard output, the table's rows, and the heat map's values
// (one number a cell), so that a sweep of a million cells holds no more
// than the cells being computed.
class SweepOutputs {
 public:
  // `head`: the batch without its cells; `cells`: how many will come.
  // What the choice asks for: JSON or text on standard output, the table,
  // the heat map of its figure, and what a page shows (the grid, the first
  // rows).
  SweepOutputs(const OutputChoice& choice, const BatchResult& head, int64_t cells);

  // Opens the table; prints the head of the text or of the JSON.
  MaybeProblem Start();
  // The next cell, with its number in the whole sweep.
  void Add(int64_t index, const CellResult& cell);
  // The JSON's tail; the heat map and the table put in place.
  MaybeProblem Finish();

  // For a page: the grid of the heat map's figure (of two sweeps), and the
  // first cells' rows of the table, each its swept values and figures.
  const std::vector<std::vector<double>>& Grid() const { return grid_; }
  const std::vector<std::vector<std::string>>& PageRows() const { return page_rows_; }
  int64_t Added() const { return added_; }

 private:
  const OutputChoice& options_;
  const BatchResult& head_;
  int64_t cells_;
  int64_t added_ = 0;
  std::string json_tail_;
  std::unique_ptr<FileAccess::Replacement> table_;
  std::vector<std::vector<double>> grid_;
  std::vector<std::vector<std::string>> page_rows_;
};
