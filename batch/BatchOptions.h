#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The command line of vantrel-batch.
struct BatchOptions {
  std::string settings;  // empty: the reset defaults
  bool has_seed = false;
  int64_t seed = 0;
  std::string report;
  std::string csv;
  std::string plot;
  int64_t runs = 1;
  int64_t jobs = 0;  // 0: one per core
  bool help = false;
};

constexpr int64_t kMaxRuns = 1000000;
constexpr int64_t kMaxJobs = 256;
constexpr int64_t kMaxSeed = 4294967295;

extern const char* const kBatchUsage;

// False with `error` set when the arguments are not a valid command line.
bool ParseBatchOptions(const std::vector<std::string>& arguments, BatchOptions& options, std::string& error);
