#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "batch/exact/ExactOdds.h"
#include "batch/sampling/RunTally.h"
#include "batch/results/SummaryJson.h"
#include "batch/settings/Sweep.h"

// What a batch found, or a part of it (a shard): the counts of its sampled
// runs and its exact odds, for one batch or for each cell of a sweep. It is
// what the outputs are made from, and what the JSON of a shard carries, so
// that shards merge into exactly the batch one machine would have played.
struct CellResult {
  std::vector<double> values;  // the swept values; none outside a sweep
  std::optional<RunTally> tally;
  std::optional<ExactRun> exact;
};

struct BatchResult {
  RunSettings settings;
  std::vector<SweepAxis> axes;
  // The batch asked for: K runs from the first seed per cell, or none.
  int64_t first_seed = 0;
  int64_t runs = 0;
  bool sampled = false;
  bool exact = false;
  // This part of the batch: seeds from first_seed + part_begin, or cells
  // from part_begin, up to part_end (exclusive); the whole batch when
  // part_count is 1.
  int64_t part_index = 1;
  int64_t part_count = 1;
  int64_t part_begin = 0;
  int64_t part_end = 0;
  // The runs (from 0) or cells this result holds, each block [begin, end):
  // one, or more where merged shards left gaps.
  std::vector<std::pair<int64_t, int64_t>> blocks;
  std::vector<CellResult> cells;
};

extern const char* const kProgramVersion;

// The JSON of the batch, with its counts, so that parts of it merge, and
// of one cell of its sweep as its list of cells holds it.
Json ResultJson(const BatchResult& result);
Json SweepCellJson(const BatchResult& result, const CellResult& cell);

// Merges parts of one batch, each read and checked on its own, into the
// whole. Empty on success, else one line naming the file and the reason;
// `gaps` lists what is missing when gaps are allowed.
struct NamedPart {
  std::string file;
  BatchResult part;
};
std::string MergeParts(const std::vector<NamedPart>& parts, bool allow_gaps, BatchResult& whole, std::string& gaps);

// The text a batch prints: the summary of its runs, its exact odds, both
// side by side, or a sweep's table.
std::string ResultText(const BatchResult& result);

// A figure of a cell, for tables and heat maps: from the exact odds where
// they were computed, else from the sampled runs.
double CellFigure(const CellResult& cell, const std::string& figure);

// A sweep's outputs piece by piece, so that they can be written as the
// cells come: the text's head (for `cells` cells) and a row of it; the
// table's header and a row (CSV, every row ending with CR LF); the heat map
// of a two-sweep batch from its grid of one figure (NaN where a cell is
// missing), indexed [across][up].
std::string SweepTextHead(const BatchResult& result, int64_t cells);
std::string SweepTextRow(const CellResult& cell);
std::string SweepTableHead(const BatchResult& result);
std::string SweepTableRow(const BatchResult& result, const CellResult& cell);
std::string SweepHeatmapOf(const BatchResult& result, const std::vector<std::vector<double>>& grid,
                           const std::string& figure);
