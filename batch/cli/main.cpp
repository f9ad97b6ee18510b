// vantrel-batch: plays runs of a settings file headless, as the window
// plays them with no pause, or computes their odds exactly, over one set of
// settings or a sweep of them, and says what they show about the system.
// A batch can be played in parts (shards) whose JSON summaries merge into
// exactly what one machine would have printed.
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <ctime>
#include <functional>
#include <memory>
#include <mutex>
#include <new>
#include <thread>

#include "batch/output/BalanceHistogram.h"
#include "batch/cli/BatchSettings.h"
#include "batch/cli/Compare.h"
#include "batch/output/Page.h"
#include "batch/cli/OneHeap.h"
#include "batch/cli/PlayCell.h"
#include "batch/output/CoursePictures.h"
#include "batch/cli/Solve.h"
#include "batch/output/Written.h"
#include "batch/cli/BatchOptions.h"
#include "batch/sampling/PlayRuns.h"
#include "batch/core/AloneWhenNeeded.h"
#include "batch/core/MakeInOrder.h"
#include "batch/results/BatchResult.h"
#include "batch/results/BatchSummary.h"
#include "batch/exact/MemoryBudget.h"
#include "batch/core/Problem.h"
#include "batch/core/ShownName.h"
#include "batch/cli/Progress.h"
#include "batch/output/SessionsCsv.h"
#include "batch/results/ShardReader.h"
#include "batch/output/StandardOutput.h"
#include "batch/output/SweepOutputs.h"
#include "batch/output/TextOutput.h"
#include "batch/output/WindowView.h"
#include "batch/results/Merge.h"
#include "batch/results/SummaryJson.h"
#include "files/FileAccess.h"
#include "files/FileErrors.h"
#include "files/TemporaryFiles.h"

namespace {

// What every batch starts from: its settings, its kind and its part.
BatchResult BatchHead(const BatchOptions& options, const RunSettings& settings, const std::vector<SweepAxis>& axes,
                      int64_t seed) {
  BatchResult head;
  head.settings = settings;
  head.axes = axes;
  head.first_seed = seed;
  head.sampled = !options.exact || options.runs_given;
  head.exact = options.exact;
  head.confidence = options.confidence;
  head.spins_per_hour = options.spins_per_hour;
  head.runs = head.sampled ? options.runs : 0;
  head.part_index = options.shard_index;
  head.part_count = options.shard_count;
  for (const std::string& name : options.compared) head.compared.push_back(ShownName(name));
  head.compared_files = static_cast<int64_t>(options.compare_files.size());
  const int64_t domain = DomainSize(head);
  std::tie(head.part_begin, head.part_end) = PartBlock(domain, options.shard_index, options.shard_count);
  head.blocks = {{head.part_begin, head.part_end}};
  return head;
}

// The summary of a batch of one cell, and its files, each whole or not at
// all; the first that cannot be written is reported. A batch of one run
// prints what the window shows after it, and writes the report of its save
// command.
MaybeProblem PrintAndWrite(const BatchOptions& options, const BatchResult& result, const WindowView* view,
                           FileAccess::Replacement* csv) {
  const OutputChoice choice = ChoiceOf(options);
  if (view && !options.json) StandardOutput::Write(WindowViewText(*view));
  StandardOutput::Write(StandardText(result, choice));
  if (!options.report.empty()) {
    if (MaybeProblem problem = WriteWhole(options.report, view->report)) return problem;
  }
  if (csv) {
    if (MaybeProblem problem = NotWritten(options.csv, csv->Commit())) return problem;
  }
  return WriteExports(result, choice);
}

// A batch of one set of settings: its exact odds, its runs, or both.
MaybeProblem PlayOne(const BatchOptions& options, BatchResult& result, int64_t jobs) {
  std::unique_ptr<FileAccess::Replacement> csv;
  if (!options.csv.empty()) {
    csv = std::make_unique<FileAccess::Replacement>(options.csv);
    if (MaybeProblem problem = NotWritten(options.csv, csv->Problem())) return problem;
    csv->Write(SessionsCsvHeader());
  }
  CellResult cell;
  RunOutcome last_run;
  if (result.exact) {
    if (MaybeProblem problem =
            ComputeExact(result.settings, jobs, options.exact_memory << 20, FanOf(options), cell.exact))
      return problem;
  }
  if (result.sampled && options.runs_auto) {
    PreciseRuns precise = PlayUntilPrecise({&result.settings}, result.first_seed, MostRuns(result), jobs,
                                           options.precision, result.confidence, csv.get());
    cell.tally = std::move(precise.tallies.front());
    Played(result, precise, options.precision);
  } else if (result.sampled) {
    const int64_t begin = result.part_begin;
    const int64_t runs = result.part_end - begin;
    Progress progress(runs, "runs");
    cell.tally = PlayTally(result.settings, result.first_seed + begin, runs, jobs, begin + 1, csv.get(), &progress,
                           true, &last_run);
  }
  result.cells.push_back(std::move(cell));
  if (result.sampled && result.runs == 1 && !result.precision && result.part_count == 1 &&
      WindowPlays(result.settings)) {
    const WindowView view = WindowViewOf(result.settings, last_run);
    return PrintAndWrite(options, result, &view, csv.get());
  }
  return PrintAndWrite(options, result, nullptr, csv.get());
}

// A cell of a sweep that could not be computed ends the sweep.
struct StopSweep {
  Problem problem;
};

std::string CellName(const BatchResult& head, const CellResult& cell) {
  std::string name = " in the cell";
  for (std::size_t a = 0; a < head.axes.size(); ++a) {
    name += (a ? ", " : " ") + head.axes[a].name + "=" + SweptValue(cell.values[a]);
  }
  return name;
}

// A sweep's cells, computed and written in order as they finish.
// With --runs auto, every cell of the sweep sampled on the same seeds in
// rounds until each is as precise as asked: all take the runs the least
// precise cell needed, as --runs K with that K would give.
std::vector<RunTally> PreciseCells(const BatchOptions& options, BatchResult& head, int64_t jobs) {
  if (!head.sampled || !options.runs_auto) return {};
  std::vector<RunSettings> cells;
  for (int64_t k = head.part_begin; k < head.part_end; ++k)
    cells.push_back(SweepSettingsAt(head.settings, head.axes, k));
  std::vector<const RunSettings*> settings;
  settings.reserve(cells.size());
  for (const RunSettings& cell : cells) settings.push_back(&cell);
  PreciseRuns precise =
      PlayUntilPrecise(settings, head.first_seed, MostRuns(head), jobs, options.precision, head.confidence, nullptr);
  Played(head, precise, options.precision);
  return std::move(precise.tallies);
}

MaybeProblem PlaySweep(const BatchOptions& options, const BatchResult& asked, int64_t jobs) {
  BatchResult head = asked;
  std::vector<RunTally> precise = PreciseCells(options, head, jobs);
  const int64_t begin = head.part_begin;
  const int64_t count = head.part_end - begin;
  const OutputChoice choice = ChoiceOf(options);
  SweepOutputs outputs(choice, head, count);
  if (MaybeProblem problem = outputs.Start()) return problem;
  Progress progress(count, "cells");
  MemoryBudget budget(options.exact_memory << 20);
  AloneWhenNeeded alone;
  const auto exact_cell = [&](CellResult& cell, const RunSettings& settings) {
    const AloneWhenNeeded::Running running(alone);
    cell.exact = ComputeExactRun(settings, budget);
    if (!cell.exact->refused.empty()) {
      cell.exact.reset();
      const AloneWhenNeeded::Alone only(alone);
      cell.exact = ComputeExactRun(settings, budget);
    }
  };
  const auto make = [&](int64_t k) {
    CellResult cell;
    cell.values = SweepValuesAt(head.axes, begin + k);
    const RunSettings settings = SweepSettingsAt(head.settings, head.axes, begin + k);
    if (head.exact) exact_cell(cell, settings);
    if (!precise.empty()) {
      cell.tally = std::move(precise[static_cast<std::size_t>(k)]);
    } else if (head.sampled && (!cell.exact || cell.exact->refused.empty())) {
      cell.tally = PlayTally(settings, head.first_seed, head.runs, jobs, 1, nullptr, nullptr, false);
    }
    return cell;
  };
  const auto take = [&](int64_t k, CellResult& cell) {
    if (cell.exact && !cell.exact->refused.empty()) {
      throw StopSweep{{ProblemKind::Refused, cell.exact->refused + CellName(head, cell) +
                                                 " of the sweep; --runs K samples the cells instead"}};
    }
    outputs.Add(begin + k, cell);
    progress.Show(k + 1);
  };
  try {
    // Sampled cells take all threads in turn; exact cells share them.
    MakeInOrder<CellResult>(count, head.sampled ? 1 : jobs, make, take);
  } catch (const StopSweep& stop) {
    return stop.problem;
  }
  if (MaybeProblem problem = outputs.Finish()) return problem;
  return options.html.empty() ? std::nullopt : WriteWhole(options.html, SweepPage(choice, head, outputs));
}

// The merged summary of shards: every file read and checked first, so that
// a file that does not hold leaves nothing written; a sweep's cells are
// then read again file by file and written as they come, so that a merge
// holds one file's cells at a time.
// An output that is one of the merged files would replace what is read.
MaybeProblem OutputAmongInputs(const BatchOptions& options) {
  for (const std::string* output :
       {&options.plot, &options.table, &options.heatmap, &options.fan, &options.paths, &options.html}) {
    for (const std::string& input : options.merge_files) {
      std::error_code error;
      if (!output->empty() && (*output == input || std::filesystem::equivalent(*output, input, error))) {
        return Problem{ProblemKind::BadInput, *output + " is one of the merged files; write the output elsewhere"};
      }
    }
  }
  return std::nullopt;
}

MaybeProblem Merge(const BatchOptions& options) {
  if (MaybeProblem problem = OutputAmongInputs(options)) return problem;
  std::vector<NamedPart> parts;
  for (const std::string& file : options.merge_files) {
    NamedPart named{file, {}};
    if (MaybeProblem problem = ReadSummaryFile(file, named.part)) return problem;
    if (!named.part.axes.empty()) named.part.cells.clear();  // read again as they are written
    parts.push_back(std::move(named));
  }
  BatchResult whole;
  std::string gaps;
  if (MaybeProblem problem = MergeParts(parts, options.allow_gaps, whole, gaps)) return problem;
  whole.confidence = options.confidence;
  // The shards' pace unless another is asked.
  if (options.spins_per_hour > 0) whole.spins_per_hour = options.spins_per_hour;
  if (!options.heatmap.empty() && !whole.compared.empty()) {
    return Problem{ProblemKind::BadInput, "--heatmap draws a sweep; these shards hold a comparison"};
  }
  if (!options.plot.empty() && whole.compared.empty() && (!whole.axes.empty() || !whole.sampled)) {
    return Problem{ProblemKind::BadInput, "--plot draws the sessions of sampled runs; these shards hold none"};
  }
  if ((!options.table.empty() || !options.heatmap.empty()) && whole.axes.empty() && whole.compared.empty()) {
    return Problem{ProblemKind::BadInput, "--table and --heatmap need shards of a sweep"};
  }
  if (!options.heatmap.empty() && whole.axes.size() != 2) {
    return Problem{ProblemKind::BadInput, "--heatmap draws two sweeps; these shards have one"};
  }
  if (!gaps.empty()) std::fprintf(stderr, "vantrel-batch: merged, %s\n", gaps.c_str());
  if (!whole.compared.empty()) return WriteComparison(options, whole);
  if (whole.axes.empty()) return PrintAndWrite(options, whole, nullptr, nullptr);

  int64_t cells = 0;
  for (const auto& [begin, end] : whole.blocks) cells += end - begin;
  const OutputChoice choice = ChoiceOf(options);
  SweepOutputs outputs(choice, whole, cells);
  if (MaybeProblem problem = outputs.Start()) return problem;
  std::stable_sort(parts.begin(), parts.end(),
                   [](const NamedPart& a, const NamedPart& b) { return a.part.part_begin < b.part.part_begin; });
  for (const NamedPart& named : parts) {
    BatchResult again;
    if (MaybeProblem problem = ReadSummaryFile(named.file, again)) return problem;
    if (again.part_begin != named.part.part_begin || again.part_end != named.part.part_end) {
      return Problem{ProblemKind::Unreadable, named.file + ": it changed while it was merged"};
    }
    for (std::size_t k = 0; k < again.cells.size(); ++k) {
      outputs.Add(again.part_begin + static_cast<int64_t>(k), again.cells[k]);
    }
  }
  if (MaybeProblem problem = outputs.Finish()) return problem;
  return options.html.empty() ? std::nullopt : WriteWhole(options.html, SweepPage(choice, whole, outputs));
}

MaybeProblem Run(const BatchOptions& options) {
  if (options.merge) return Merge(options);
  RunSettings settings;
  BatchOptions base = options;
  if (options.compare) base.system.clear();  // the systems compared apply to these settings
  if (MaybeProblem problem = BuildSettings(base, settings)) return problem;
  if (options.print_settings) {
    StandardOutput::Write(PrintSettings(settings));
    return std::nullopt;
  }
  for (const std::string& note : SettingsNotes(settings)) std::fprintf(stderr, "vantrel-batch: %s\n", note.c_str());
  std::vector<SweepAxis> axes(options.sweeps.size());
  for (std::size_t a = 0; a < axes.size(); ++a) {
    if (MaybeProblem problem = ParseSweep(options.sweeps[a], axes[a])) return problem;
    if (MaybeProblem problem = CheckSweep(settings, options.sweeps[a], axes[a])) return problem;
  }
  if (options.runs_auto && !axes.empty() && SweepCellCount(axes) > kMostPreciseCells) {
    return Problem{ProblemKind::BadInput,
                   "--runs auto holds every cell of a sweep until all are precise, so it takes "
                   "at most " +
                       std::to_string(kMostPreciseCells) +
                       " cells; find K with --runs auto on the cell that needs the most, then "
                       "give the sweep --runs K"};
  }
  if (!options.report.empty() && !WindowPlays(settings)) {
    return Problem{ProblemKind::BadInput,
                   "--report writes the window's report, and the window plays neither systems beyond its rows nor "
                   "zero rules"};
  }
  const int64_t jobs = options.jobs > 0 ? options.jobs : std::max(1u, std::thread::hardware_concurrency());
  if (!options.solve.empty()) return Solve(options, settings, jobs);
  if (options.exact && !options.runs_given && options.shard_count > 1 && axes.empty() && !options.compare) {
    return Problem{ProblemKind::BadInput,
                   "--shard parts runs or the cells of a sweep; an exact run alone is one piece"};
  }
  const int64_t seed = options.has_seed ? options.seed : static_cast<int64_t>(std::time(nullptr)) & kMaxSeed;
  if (seed + options.runs - 1 > kMaxSeed) {
    return Problem{ProblemKind::BadInput, "--runs " + std::to_string(options.runs) + " from the seed " +
                                              std::to_string(seed) + " would pass the last seed, " +
                                              std::to_string(kMaxSeed) + "; give --seed"};
  }
  BatchResult head = BatchHead(options, settings, axes, seed);
  if (options.compare) return PlayComparison(options, head, jobs);
  return axes.empty() ? PlayOne(options, head, jobs) : PlaySweep(options, head, jobs);
}

// Says what went wrong, if anything, and whether standard output took
// everything; the exit code.
int End(const MaybeProblem& problem) {
  if (problem) std::fprintf(stderr, "vantrel-batch: %s\n", ShownName(problem->text).c_str());
  const std::string output = StandardOutput::Finish();
  if (output == StandardOutput::kClosed) return 1;
  if (!output.empty()) {
    std::fprintf(stderr, "vantrel-batch: standard output could not be written: %s\n", output.c_str());
    return 1;
  }
  return problem ? ExitCodeOf(problem->kind) : 0;
}

}  // namespace

int main(int argc, char** argv) {
  UseOneHeap();
  TemporaryFiles::RemoveOnSignals();
  try {
    const ParsedCommandLine parsed = ParseBatchCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.done && parsed.exit_code == 0) {
      StandardOutput::Write(parsed.text);
      return End(std::nullopt);
    }
    if (parsed.done) return End(Problem{ProblemKind::BadInput, parsed.text});
    return End(Run(parsed.options));
  } catch (const std::bad_alloc&) {
    return End(Problem{ProblemKind::Internal, "there is not enough memory for this batch"});
  } catch (const std::exception& error) {
    return End(Problem{ProblemKind::Internal, error.what()});
  }
}
