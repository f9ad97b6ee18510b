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

// The exporters of a batch's files, in the order they are written: each
// makes its bytes from what the batch computed (a run or a comparison,
// made or merged), or nothing where the batch holds nothing it can show,
// which `missing` then says in words (a null `missing`: nothing is written).
struct Exporter {
  const char* option;
  std::string OutputChoice::*path;
  std::string (*make)(const BatchResult& result, const OutputChoice& choice);
  const char* missing;
};
extern const Exporter kExporters[5];

// Standard output of a run or a comparison: its JSON, or its text.
std::string StandardText(const BatchResult& result, const OutputChoice& choice);

// Every file the choice asks for, each written whole; the first problem.
MaybeProblem WriteExports(const BatchResult& result, const OutputChoice& choice);
