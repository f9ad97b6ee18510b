// vantrel-batch: plays runs of a settings file headless, as the window
// plays them with no pause, or computes their odds exactly, over one set of
// settings or a sweep of them, and says what they show about the system.
// A batch can be played in parts (shards) whose JSON summaries merge into
// exactly what one machine would have printed.
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

#include "batch/BalanceHistogram.h"
#include "batch/BatchOptions.h"
#include "batch/BatchPool.h"
#include "batch/BatchResult.h"
#include "batch/BatchSummary.h"
#include "batch/SessionsCsv.h"
#include "batch/Terminal.h"
#include "files/FileAccess.h"
#include "files/FileErrors.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

int Fail(const std::string& message, int code = kFailure) {
  std::cerr << "vantrel-batch: " << message << '\n';
  return code;
}

// The window's message without its second line, which tells the window's
// user that the form kept its fields.
std::string FirstLine(const std::string& message) { return message.substr(0, message.find('\n')); }

// The settings as the window's load command reads them, or an error text.
std::string LoadSettings(const std::string& path, RunSettings& settings) {
  std::string bytes;
  const std::string reason = FileAccess::Read(path, bytes);
  if (!reason.empty()) return FirstLine(FileErrors::NotRead(path, reason));
  const SettingsFile::Parsed parsed = SettingsFile::Parse(bytes);
  if (!parsed.complete) return FirstLine(FileErrors::TooShort(path, parsed.lines, SettingsFile::kLines));
  settings.values = parsed.values;
  return std::string();
}

// The file, then every --set, the system, and every --set again, so that a
// set value wins over the system and the system is scaled by the first bet.
std::string BuildSettings(const BatchOptions& options, RunSettings& settings) {
  settings = ResetDefaults();
  if (!options.settings.empty()) {
    std::string problem = LoadSettings(options.settings, settings);
    if (!problem.empty()) return problem;
  }
  for (int pass = 0; pass < (options.system.empty() ? 1 : 2); ++pass) {
    for (const std::string& assignment : options.sets) {
      std::string problem = SetNamed(settings, assignment);
      if (!problem.empty()) return problem;
    }
    if (pass == 0 && !options.system.empty()) {
      std::string problem = ApplySystem(settings, options.system);
      if (!problem.empty()) return problem;
    }
  }
  return std::string();
}

class Progress {
 public:
  Progress(int64_t total, const char* unit) : total_(total), unit_(unit), shown_(total > 1 && ErrorIsTerminal()) {}
  void Show(int64_t done) const {
    if (!shown_) return;
    constexpr int kBar = 40;
    const auto filled = static_cast<int>(done * kBar / total_);
    std::fprintf(stderr, "\r[%s%s] %lld/%lld %s", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kBar - filled), ' ').c_str(), static_cast<long long>(done),
                 static_cast<long long>(total_), unit_);
    if (done == total_) std::fputc('\n', stderr);
  }

 private:
  int64_t total_;
  const char* unit_;
  bool shown_;
};

// The I-th of N contiguous blocks of `count` things: [begin, end).
std::pair<int64_t, int64_t> Block(int64_t count, int64_t index, int64_t parts) {
  return {count * (index - 1) / parts, count * index / parts};
}

struct Played {
  BatchResult result;
  RunOutcome single;  // the one run of a batch of one
  std::string problem;
};

// Sampled runs of one set of settings: their tally, their sessions as CSV
// rows as they finish, and their "Fehler" messages.
// A sweep's cells say how many sessions failed their checks; their
// messages would only fill the terminal.
RunTally PlayTally(const RunSettings& settings, int64_t first_seed, int64_t runs, int64_t jobs, int64_t first_run,
                   FileAccess::Replacement* csv, RunOutcome* single, const Progress* progress, bool messages = true) {
  RunTally tally;
  PlayRuns(
      settings, first_seed, runs, jobs,
      [&](RunOutcome& run) {
        for (const std::string& message : run.messages) {
          if (messages) std::cerr << "Fehler: " << message << '\n';
        }
        if (csv) csv->Write(SessionsCsvRows(run));
        tally.Add(run);
        if (single) *single = run;
      },
      [&](int64_t done) {
        if (progress) progress->Show(done);
      },
      first_run);
  return tally;
}

Played PlayBatch(const BatchOptions& options, const RunSettings& settings, const std::vector<SweepAxis>& axes,
                 int64_t seed, int64_t jobs, FileAccess::Replacement* csv) {
  Played played;
  BatchResult& result = played.result;
  result.settings = settings;
  result.axes = axes;
  result.first_seed = seed;
  result.sampled = !options.exact || options.runs_given;
  result.exact = options.exact;
  result.runs = result.sampled ? options.runs : 0;
  result.part_index = options.shard_index;
  result.part_count = options.shard_count;

  if (axes.empty()) {
    const auto [begin, end] = Block(result.sampled ? result.runs : 1, options.shard_index, options.shard_count);
    result.part_begin = begin;
    result.part_end = end;
    CellResult cell;
    if (result.exact) {
      ExactRun exact = ComputeExactRun(settings);
      if (!exact.refused.empty()) {
        played.problem = exact.refused + " (at least " + std::to_string(exact.needed_states) +
                         " alive at once); --runs K samples these settings instead";
        return played;
      }
      cell.exact = exact;
    }
    if (result.sampled) {
      const Progress progress(end - begin, "runs");
      cell.tally = PlayTally(settings, seed + begin, end - begin, jobs, begin + 1, csv,
                             end - begin == 1 && options.runs == 1 ? &played.single : nullptr, &progress);
    }
    result.cells.push_back(cell);
    return played;
  }

  const std::vector<SweepCell> all = SweepCells(settings, axes);
  const std::pair<int64_t, int64_t> block =
      Block(static_cast<int64_t>(all.size()), options.shard_index, options.shard_count);
  const int64_t begin = block.first;
  const int64_t end = block.second;
  result.part_begin = begin;
  result.part_end = end;
  result.cells.resize(static_cast<std::size_t>(end - begin));
  const Progress progress(end - begin, "cells");
  std::atomic<int64_t> next{begin};
  std::atomic<int64_t> done{0};
  std::string refused;
  std::mutex lock;
  // Exact cells share the threads; sampled cells take all threads in turn.
  const auto work = [&] {
    for (int64_t index = next++; index < end; index = next++) {
      CellResult& cell = result.cells[static_cast<std::size_t>(index - begin)];
      const SweepCell& sweep_cell = all[static_cast<std::size_t>(index)];
      cell.values = sweep_cell.values;
      cell.exact = ComputeExactRun(sweep_cell.settings);
      const std::lock_guard<std::mutex> hold(lock);
      if (!cell.exact->refused.empty() && refused.empty()) refused = cell.exact->refused;
      progress.Show(++done);
    }
  };
  if (result.exact) {
    std::vector<std::thread> pool;
    for (int64_t i = 1; i < std::min<int64_t>(jobs, end - begin); ++i) pool.emplace_back(work);
    work();
    for (std::thread& thread : pool) thread.join();
    if (!refused.empty()) {
      played.problem = refused + " in a cell of the sweep; --runs K samples the cells instead";
      return played;
    }
  }
  if (result.sampled) {
    for (int64_t index = begin; index < end; ++index) {
      CellResult& cell = result.cells[static_cast<std::size_t>(index - begin)];
      cell.values = all[static_cast<std::size_t>(index)].values;
      cell.tally = PlayTally(all[static_cast<std::size_t>(index)].settings, seed, result.runs, jobs, 1, nullptr,
                             nullptr, nullptr, false);
      if (!result.exact) progress.Show(index - begin + 1);
    }
  }
  return played;
}

void PrintRun(const RunOutcome& run) {
  std::cout << run.results_list << '\n'
            << run.counters[0] << ' ' << run.counters[1] << ' ' << run.counters[2] << '\n'
            << run.percentages[0] << ' ' << run.percentages[1] << ' ' << run.percentages[2] << '\n';
}

// The files of a batch, each whole or not at all; the first that cannot
// be written is reported.
std::string WriteOutputs(const BatchOptions& options, const BatchResult& result, const RunOutcome& single,
                         FileAccess::Replacement* csv) {
  if (!options.report.empty()) {
    const std::string reason = FileAccess::WriteReplacing(options.report, single.report);
    if (!reason.empty()) return FileErrors::NotWritten(options.report, reason);
  }
  if (csv) {
    const std::string reason = csv->Commit();
    if (!reason.empty()) return FileErrors::NotWritten(options.csv, reason);
  }
  struct Output {
    const std::string& path;
    std::function<std::string()> bytes;
  };
  const Output outputs[] = {
      {options.plot,
       [&] {
         const auto number = [&](const char* name) { return std::stod(NamedValue(result.settings, name)); };
         return BalanceHistogram(result.cells.front().tally->final_balances,
                                 {number("capital"), number("max_balance"), number("min_balance")});
       }},
      {options.table, [&] { return SweepTable(result); }},
      {options.heatmap, [&] { return SweepHeatmap(result, options.show); }},
  };
  for (const Output& output : outputs) {
    if (output.path.empty()) continue;
    const std::string reason = FileAccess::WriteReplacing(output.path, output.bytes());
    if (!reason.empty()) return FileErrors::NotWritten(output.path, reason);
  }
  return std::string();
}

int PrintAndWrite(const BatchOptions& options, const BatchResult& result, const RunOutcome& single,
                  FileAccess::Replacement* csv) {
  if (options.json) {
    std::cout << ResultJson(result).dump(2) << '\n';
  } else {
    if (result.axes.empty() && result.sampled && result.runs == 1) PrintRun(single);
    std::cout << ResultText(result);
  }
  std::cout.flush();
  const std::string problem = WriteOutputs(options, result, single, csv);
  return problem.empty() ? 0 : Fail(problem);
}

int Merge(const BatchOptions& options) {
  std::vector<NamedPart> parts;
  for (const std::string& file : options.merge_files) {
    std::string bytes;
    const std::string reason = FileAccess::Read(file, bytes);
    if (!reason.empty()) return Fail(file + ": it could not be read: " += reason);
    NamedPart named{file, {}};
    const Json json = Json::parse(bytes, nullptr, false);
    if (json.is_discarded()) return Fail(file + ": it is no JSON (cut short?)");
    const std::string problem = ResultFromJson(json, named.part);
    if (!problem.empty()) return Fail(file + ": " += problem);
    parts.push_back(std::move(named));
  }
  BatchResult whole;
  std::string gaps;
  const std::string problem = MergeParts(parts, options.allow_gaps, whole, gaps);
  if (!problem.empty()) return Fail(problem);
  if (!gaps.empty()) std::cerr << "vantrel-batch: merged, " << gaps << '\n';
  if (!options.plot.empty() && (!whole.axes.empty() || !whole.sampled)) {
    return Fail("--plot draws the sessions of sampled runs; these shards hold none", kUsageError);
  }
  if ((!options.table.empty() || !options.heatmap.empty()) && whole.axes.empty()) {
    return Fail("--table and --heatmap need shards of a sweep", kUsageError);
  }
  if (!options.heatmap.empty() && whole.axes.size() != 2) {
    return Fail("--heatmap draws two sweeps; these shards have one", kUsageError);
  }
  return PrintAndWrite(options, whole, RunOutcome(), nullptr);
}

}  // namespace

int Main(int argc, char** argv) {
  const ParsedCommandLine parsed = ParseBatchCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.done) {
    if (parsed.exit_code == 0) {
      std::cout << parsed.text;
      return 0;
    }
    return Fail(parsed.text, parsed.exit_code);
  }
  const BatchOptions& options = parsed.options;
  if (options.merge) return Merge(options);

  RunSettings settings;
  const std::string problem = BuildSettings(options, settings);
  if (!problem.empty())
    return Fail(problem, options.settings.empty() || problem.rfind("--", 0) == 0 ? kUsageError : kFailure);
  if (options.print_settings) {
    std::cout << PrintSettings(settings);
    return 0;
  }
  std::vector<SweepAxis> axes(options.sweeps.size());
  for (std::size_t a = 0; a < axes.size(); ++a) {
    const std::string wrong = ParseSweep(options.sweeps[a], axes[a]);
    if (!wrong.empty()) return Fail(wrong, kUsageError);
  }
  if (options.exact && !options.runs_given && options.shard_count > 1 && axes.empty()) {
    return Fail("--shard parts runs or the cells of a sweep; an exact run alone is one piece", kUsageError);
  }
  const int64_t seed = options.has_seed ? options.seed : static_cast<int64_t>(std::time(nullptr)) & kMaxSeed;
  const int64_t jobs = options.jobs > 0 ? options.jobs : std::max(1u, std::thread::hardware_concurrency());
  std::unique_ptr<FileAccess::Replacement> csv;
  if (!options.csv.empty()) {
    csv = std::make_unique<FileAccess::Replacement>(options.csv);
    if (!csv->Problem().empty()) return Fail(FileErrors::NotWritten(options.csv, csv->Problem()));
    csv->Write(SessionsCsvHeader());
  }
  const Played played = PlayBatch(options, settings, axes, seed, jobs, csv.get());
  if (!played.problem.empty()) return Fail(played.problem);
  return PrintAndWrite(options, played.result, played.single, csv.get());
}

int main(int argc, char** argv) {
  try {
    return Main(argc, argv);
  } catch (const std::exception& error) {
    return Fail(error.what());
  }
}
