#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "batch/results/BatchResult.h"
#include "batch/results/BatchSummary.h"

// The text a batch prints: the summary of its runs, its exact odds, both
// side by side, or a sweep's table, whose head and rows can be printed as
// the cells come.
std::string ResultText(const BatchResult& result);
std::string SweepTextHead(const BatchResult& result, int64_t cells);
std::string SweepTextRow(const CellResult& cell);

// With --runs auto, how precise the runs were to be and whether they came
// to be, with the runs that took: a line; else nothing.
std::string PrecisionText(const BatchResult& result);
// How a run's sessions follow each other, in words, a line.
std::string SessionsText(const SimSettings& settings);

// The seeds of the blocks as a summary says them: "seeds 7 to 16 and 27
// to 36".
std::string SeedsText(const std::vector<SeedBlock>& seeds);

// The summary of sampled runs as lines of text, each "name: value", of
// the runs with the seeds of the blocks; each share and mean with its
// interval of that confidence.
std::string FormatSummary(const RunTally& tally, const std::vector<SeedBlock>& seeds, double confidence);
