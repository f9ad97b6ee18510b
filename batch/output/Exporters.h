#pragma once

#include <string>

#include "batch/core/Problem.h"
#include "batch/results/BatchResult.h"
#include "batch/results/Figures.h"

// What a command asked to have written, chosen once from its options: the
// form of standard output and a path for each file (empty: not asked for).
struct OutputChoice {
  bool json = false;
  std::string plot;
  std::string table;
  std::string heatmap;
  std::string fan;
  std::string paths;
  std::string html;
  const FigureSpec* show = nullptr;  // the heat map's figure
};

// Standard output of a run or a comparison: its JSON, or its text.
std::string StandardText(const BatchResult& result, const OutputChoice& choice);

// Every file the choice asks for, each written whole, in one table of
// exporters (table, plot, fan, paths, page) that each make their bytes from
// what the batch computed (a run or a comparison, made or merged); where a
// batch holds nothing an asked-for picture can show, the problem says so.
// The first problem.
MaybeProblem WriteExports(const BatchResult& result, const OutputChoice& choice);
