#include "batch/BatchOptions.h"

#include <cerrno>
#include <cstdlib>

const char* const kBatchUsage =
    "usage: vantrel-batch [--settings FILE] [--seed N] [--report FILE]\n"
    "                     [--runs K [--jobs J]] [--csv FILE] [--plot FILE.svg]\n"
    "Plays runs of a settings file (or the reset defaults) as the window plays\n"
    "them with no pause, and prints the results list, the counts, the\n"
    "percentages and a summary of how the sessions ended.\n";

namespace {

bool WholeNumber(const std::string& text, int64_t low, int64_t high, int64_t& value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  errno = 0;
  const long long parsed = std::strtoll(text.c_str(), nullptr, 10);
  if (errno == ERANGE || parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

struct NumberOption {
  const char* name;
  int64_t low;
  int64_t high;
  int64_t BatchOptions::*field;
};

constexpr NumberOption kNumbers[] = {
    {"--seed", 0, kMaxSeed, &BatchOptions::seed},
    {"--runs", 1, kMaxRuns, &BatchOptions::runs},
    {"--jobs", 1, kMaxJobs, &BatchOptions::jobs},
};

struct PathOption {
  const char* name;
  std::string BatchOptions::*field;
};

constexpr PathOption kPaths[] = {
    {"--settings", &BatchOptions::settings},
    {"--report", &BatchOptions::report},
    {"--csv", &BatchOptions::csv},
    {"--plot", &BatchOptions::plot},
};

}  // namespace

bool ParseBatchOptions(const std::vector<std::string>& arguments, BatchOptions& options, std::string& error) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--help" || name == "-h") {
      options.help = true;
      continue;
    }
    const bool has_value = i + 1 < arguments.size();
    bool known = false;
    for (const NumberOption& option : kNumbers) {
      if (name != option.name) continue;
      known = true;
      if (!has_value || !WholeNumber(arguments[++i], option.low, option.high, options.*option.field)) {
        error =
            name + " takes a whole number from " + std::to_string(option.low) + " to " + std::to_string(option.high);
        return false;
      }
      if (option.field == &BatchOptions::seed) options.has_seed = true;
    }
    for (const PathOption& option : kPaths) {
      if (name != option.name) continue;
      known = true;
      if (!has_value || arguments[i + 1].empty()) {
        error = name + " takes a file name";
        return false;
      }
      options.*option.field = arguments[++i];
    }
    if (!known) {
      error = "unknown option: " + name;
      return false;
    }
  }
  if (!options.report.empty() && options.runs > 1) {
    error = "--report writes the report of one run; leave out --runs or --report";
    return false;
  }
  return true;
}
