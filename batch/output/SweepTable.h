#pragma once

#include <string>

#include "batch/results/BatchResult.h"

// The figures' columns of a table and one cell's fields under them: every
// figure (sampled where the cell has runs), the exact ones beside where
// `exact_beside`, the sampled figures' intervals last where `intervals`;
// a field the cell has nothing for is left empty.
struct FigureFieldsOf {
  bool exact_beside = false;
  bool intervals = false;
  double confidence = 0.95;
};
std::string FigureColumns(const FigureFieldsOf& fields);
std::string FigureFields(const FigureFieldsOf& fields, const CellResult& cell);

// A sweep's table as CSV, its header and a row a cell as the cells come:
// the swept values, then every figure of the cell (and, where the runs
// were sampled and computed exactly both, every exact figure after them);
// every row ends with CR LF.
std::string SweepTableHead(const BatchResult& result);
std::string SweepTableRow(const BatchResult& result, const CellResult& cell);
