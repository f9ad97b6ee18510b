#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "batch/exact/ExactOdds.h"
#include "batch/results/Precision.h"
#include "batch/sampling/RunTally.h"
#include "batch/settings/Sweep.h"

// What a batch found, or a part of it (a shard): the counts of its sampled
// runs and its exact odds, for one batch or for each cell of a sweep. It is
// what the outputs are made from, and what the JSON of a shard carries, so
// that shards merge into exactly the batch one machine would have played.
struct CellResult {
  std::vector<double> values;  // the swept values; none outside a sweep
  std::optional<RunTally> tally;
  std::optional<ExactRun> exact;
  // A comparison's cell: the settings of its system or file.
  std::optional<RunSettings> settings;
};

struct BatchResult {
  RunSettings settings;
  std::vector<SweepAxis> axes;
  // A comparison: the names of its systems or settings files, a cell each,
  // every cell played on the same seeds; `settings` are those the systems
  // were applied to.
  std::vector<std::string> compared;
  // How many of the last compared names are settings files, not systems.
  int64_t compared_files = 0;
  // The batch asked for: K runs from the first seed per cell, or none.
  int64_t first_seed = 0;
  int64_t runs = 0;
  bool sampled = false;
  bool exact = false;
  // The confidence of the sampled figures' intervals.
  double confidence = 0.95;
  // The pace at which the games of a session are told in hours; 0: none.
  double spins_per_hour = 0;
  // With --runs auto: how precise the runs were to be, and whether they
  // came to be before the seeds ran out.
  std::optional<Precision> precision;
  bool precise = false;
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

// The batch of one compared cell (part of the comparison or not): its
// settings, its runs or exact odds, whole.
BatchResult ComparedBatch(const BatchResult& comparison, const CellResult& cell);

// Whether a compared system was sampled in place of the exact odds, out of
// reach for it.
bool SampledInstead(const BatchResult& comparison, const CellResult& cell);

// The runs of a batch, or the cells of its sweep or comparison.
int64_t DomainSize(const BatchResult& result);

// The I-th of N contiguous blocks of `count` runs or cells, from 1: [begin,
// end). The parts of a batch are these blocks.
std::pair<int64_t, int64_t> PartBlock(int64_t count, int64_t index, int64_t parts);

// The first and last seed of a block of runs played one after the other.
using SeedBlock = std::pair<int64_t, int64_t>;
// The seeds of a cell's runs: the blocks of a batch's runs, or every run
// of a sweep's cell.
std::vector<SeedBlock> CellSeeds(const BatchResult& result);

// The wheel the settings play and its zero rule, as the texts name them.
std::string WheelName(const RunSettings& settings);
// The system the settings play: "labouchere, line 1,2,3,4", "martingale
// (the progression rows)" while the rows are a preset's, or "the
// progression rows".
std::string SystemName(const RunSettings& settings);
// What was played, for a picture's title: the system and the wheel.
std::string PlayedName(const RunSettings& settings);
// The capital a session starts with, as the engine truncates it.
int32_t CapitalOf(const RunSettings& settings);
