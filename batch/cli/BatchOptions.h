#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "batch/core/Limits.h"
#include "batch/exact/ExactOdds.h"
#include "batch/exact/MemoryBudget.h"
#include "batch/output/Exporters.h"
#include "batch/results/Precision.h"

// The command line of vantrel-batch.
struct BatchOptions {
  std::string settings;  // empty: the reset defaults
  std::vector<std::string> sets;
  std::string system;
  bool print_settings = false;
  bool has_seed = false;
  int64_t seed = 0;
  std::string report;
  std::string csv;
  std::string plot;
  bool runs_given = false;
  double confidence = 0.95;
  // The pace of a table, to say how long a session lasts in hours; 0: none.
  double spins_per_hour = 0;
  int64_t runs = 1;
  // --runs auto: sampled in rounds until this precise.
  bool runs_auto = false;
  Precision precision;
  bool precision_given = false;
  int64_t jobs = 0;  // 0: one per core
  bool exact = false;
  // The exact odds' memory budget, in MiB.
  int64_t exact_memory = kExactMemoryBudget >> 20;
  bool json = false;
  std::vector<std::string> sweeps;
  std::string table;
  std::string heatmap;
  std::string show = "p_max";
  // The course of the run's sessions, exactly; the first sampled sessions;
  // one page of everything the command made.
  std::string fan;
  std::string paths;
  std::string html;
  // The I-th of N parts of the runs or the sweep's cells, from 1.
  int64_t shard_index = 1;
  int64_t shard_count = 1;
  // vantrel-batch merge FILE...
  bool merge = false;
  std::vector<std::string> merge_files;
  bool allow_gaps = false;
  // vantrel-batch compare: the systems of --system A,B,... and these
  // settings files, side by side.
  bool compare = false;
  std::vector<std::string> compare_files;
  std::vector<std::string> compared;  // the systems' names, then the files
  // --solve NAME[=FROM:TO] --for FIGURE<=VALUE: the smallest value (the
  // largest with --largest) that meets the bound.
  std::string solve;
  std::string solve_for;
  bool largest = false;
};

// What the command line asks for: the options, or text to print and the
// exit code to end with (help: 0 on standard output; a wrong call: 2, with
// one line for standard error).
struct ParsedCommandLine {
  BatchOptions options;
  bool done = false;
  int exit_code = 0;
  std::string text;
};

ParsedCommandLine ParseBatchCommandLine(const std::vector<std::string>& arguments);

// The outputs the options ask for, chosen once.
OutputChoice ChoiceOf(const BatchOptions& options);

// How much of the sessions' course a command's exact odds keep: all
// of it where it draws the fan or the page, or writes a summary a merge may
// draw them from; else none (it costs a tenth of the time of a session
// computed game by game).
FanCourse FanOf(const BatchOptions& options);
