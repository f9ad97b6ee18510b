#pragma once

#include <string>

#include "batch/output/Drawing.h"
#include "batch/results/BatchResult.h"

// What a comparison of systems prints and writes: a table with a row per
// system (of the exact odds, of the sampled runs, or one of each), the
// same rows as CSV, and a picture of the systems side by side: the spread
// of their final balances and how their sessions ended.
std::string ComparisonText(const BatchResult& result);
std::string ComparisonTable(const BatchResult& result);
Drawing ComparisonDrawing(const BatchResult& result);
std::string ComparisonPlot(const BatchResult& result);
