#include "batch/cli/Compare.h"

#include "batch/cli/BatchSettings.h"
#include "batch/cli/PlayCell.h"
#include "batch/cli/Progress.h"
#include "batch/output/StandardOutput.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

// The options that build one compared cell's settings: its system on the
// command line's settings, or its file in place of them.
BatchOptions OptionsOf(const BatchOptions& options, const std::string& name, bool is_file) {
  BatchOptions one = options;
  one.system = is_file ? std::string() : name;
  if (is_file) one.settings = name;
  return one;
}

// The systems whose exact odds were out of reach, sampled instead: with the
// comparison's own runs where it has them, else until precise; a line on
// standard error says which and why.
void SampleInstead(const BatchOptions& options, BatchResult& result,
                   const std::vector<std::pair<std::size_t, std::string>>& out_of_reach, int64_t jobs) {
  std::string names;
  for (const auto& [cell, why] : out_of_reach) names += (names.empty() ? "" : "; ") + why;
  if (result.sampled) {
    std::fprintf(stderr, "vantrel-batch: exact odds out of reach, shown sampled only: %s\n", names.c_str());
    return;
  }
  std::vector<const RunSettings*> settings;
  settings.reserve(out_of_reach.size());
  for (const auto& [cell, why] : out_of_reach) settings.push_back(&*result.cells[cell].settings);
  PreciseRuns precise = PlayUntilPrecise(settings, result.first_seed, MostRuns(result), jobs, options.precision,
                                         result.confidence, nullptr);
  for (std::size_t k = 0; k < out_of_reach.size(); ++k) {
    result.cells[out_of_reach[k].first].tally = std::move(precise.tallies[k]);
  }
  result.precision = options.precision;
  result.precise = precise.reached;
  std::fprintf(stderr, "vantrel-batch: exact odds out of reach, sampled instead (%lld runs, %s): %s\n",
               static_cast<long long>(precise.runs),
               precise.reached ? "until every share is precise" : "precision not reached", names.c_str());
}

}  // namespace

MaybeProblem PlayComparison(const BatchOptions& options, BatchResult& result, int64_t jobs) {
  const std::size_t systems = options.compared.size() - options.compare_files.size();
  for (int64_t k = result.part_begin; k < result.part_end; ++k) {
    const auto place = static_cast<std::size_t>(k);
    CellResult cell;
    cell.settings.emplace();
    if (MaybeProblem problem =
            BuildSettings(OptionsOf(options, options.compared[place], place >= systems), *cell.settings)) {
      return problem;
    }
    result.cells.push_back(std::move(cell));
  }
  if (result.sampled && options.runs_auto) {
    std::vector<const RunSettings*> settings;
    for (const CellResult& cell : result.cells) settings.push_back(&*cell.settings);
    PreciseRuns precise = PlayUntilPrecise(settings, result.first_seed, MostRuns(result), jobs, options.precision,
                                           result.confidence, nullptr);
    for (std::size_t k = 0; k < result.cells.size(); ++k) result.cells[k].tally = std::move(precise.tallies[k]);
    Played(result, precise, options.precision);
  }
  const bool sample = result.sampled && !options.runs_auto;
  Progress progress(static_cast<int64_t>(result.cells.size()) * (sample ? result.runs : 1), "runs");
  int64_t done = 0;
  std::vector<std::pair<std::size_t, std::string>> out_of_reach;  // the cell, and why
  for (std::size_t k = 0; k < result.cells.size(); ++k) {
    CellResult& cell = result.cells[k];
    const std::string& name = result.compared[static_cast<std::size_t>(result.part_begin) + k];
    if (result.exact) {
      if (MaybeProblem problem =
              ComputeExact(*cell.settings, jobs, options.exact_memory << 20, FanOf(options), cell.exact)) {
        // A whole comparison samples a system whose exact odds are out of
        // reach; a shard plays its fixed plan or nothing.
        if (problem->kind != ProblemKind::Refused || result.part_count > 1) {
          return Problem{problem->kind, name + ": " + problem->text};
        }
        out_of_reach.push_back({k, name + " (" + cell.exact->refused + ")"});
        cell.exact.reset();
      }
    }
    if (sample) {
      cell.tally = PlayTally(*cell.settings, result.first_seed, result.runs, jobs, 1, nullptr, nullptr, false);
      done += result.runs;
    } else {
      ++done;
    }
    progress.Show(done);
  }
  if (!out_of_reach.empty()) SampleInstead(options, result, out_of_reach, jobs);
  return WriteComparison(options, result);
}

MaybeProblem WriteComparison(const BatchOptions& options, const BatchResult& result) {
  const OutputChoice choice = ChoiceOf(options);
  StandardOutput::Write(StandardText(result, choice));
  return WriteExports(result, choice);
}
