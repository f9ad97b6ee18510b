#pragma once

#include <string>

#include "batch/results/BatchResult.h"

// A sweep's table as CSV, its header and a row a cell as the cells come:
// the swept values, then every figure of the cell (and, where the runs
// were sampled and computed exactly both, every exact figure after them);
// every row ends with CR LF.
std::string SweepTableHead(const BatchResult& result);
std::string SweepTableRow(const BatchResult& result, const CellResult& cell);
