#include "batch/cli/PlayCell.h"

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <cstdio>
#include <string>
#include <algorithm>

#include "batch/cli/Progress.h"
#include "batch/core/Limits.h"
#include "batch/exact/MemoryBudget.h"
#include "batch/output/SessionsCsv.h"
#include "batch/sampling/PlayRuns.h"

MaybeProblem ComputeExact(const RunSettings& settings, int64_t jobs, int64_t budget_bytes, FanCourse fan,
                          std::optional<ExactRun>& exact) {
  MemoryBudget budget(budget_bytes);
  Progress progress(0, "steps computed");
  std::atomic<int64_t> steps{0};
  // When each session's pass began: a pass that starts again starts its
  // clock again.
  std::mutex lock;
  std::map<int64_t, std::pair<int64_t, std::chrono::steady_clock::time_point>> began;
  exact = ComputeExactRun(
      settings, budget,
      [&](int64_t session, int64_t done, int64_t of, const char* what) {
        const auto now = std::chrono::steady_clock::now();
        double elapsed = 0;
        {
          const std::lock_guard<std::mutex> hold(lock);
          auto [at, fresh] = began.try_emplace(session, done, now);
          if (!fresh && done < at->second.first) at->second = {done, now};
          if (!fresh) at->second.first = done;
          elapsed = std::chrono::duration<double>(now - at->second.second).count();
        }
        const std::string left = TimeLeft(elapsed, done, of);
        progress.Show(++steps, "start state " + std::to_string(session) + ": " + what + " " + std::to_string(done) +
                                   " of " + std::to_string(of) + (left.empty() ? "" : ", " + left));
      },
      jobs, fan);
  if (exact->refused.empty()) return std::nullopt;
  return Problem{ProblemKind::Refused, exact->refused + "; --runs K or --runs auto samples these settings instead"};
}

RunTally PlayTally(const RunSettings& settings, int64_t first_seed, int64_t runs, int64_t jobs, int64_t first_run,
                   FileAccess::Replacement* csv, Progress* progress, bool messages, RunOutcome* last) {
  RunTally tally;
  PlayRuns(
      settings, first_seed, runs, jobs,
      [&](RunOutcome& run) {
        for (const std::string& message : run.messages) {
          if (messages) std::fprintf(stderr, "Fehler: %s\n", message.c_str());
        }
        if (csv) csv->Write(SessionsCsvRows(run));
        tally.Add(run);
        if (last) *last = std::move(run);
      },
      [&](int64_t done) {
        if (progress) progress->Show(done);
      },
      first_run);
  return tally;
}

PreciseRuns PlayUntilPrecise(const std::vector<const RunSettings*>& settings, int64_t first_seed, int64_t most_runs,
                             int64_t jobs, const Precision& precision, double confidence,
                             FileAccess::Replacement* csv) {
  // The first round gives the intervals their first width; each next one
  // aims a little beyond what the widest asks for, and grows the runs at
  // most fourfold, so that a rough first estimate cannot overshoot far.
  constexpr int64_t kFirstRound = 100;
  PreciseRuns out;
  out.tallies.resize(settings.size());
  Progress progress(0, "runs");
  int64_t round = std::min(kFirstRound, most_runs);
  for (;;) {
    for (std::size_t k = 0; k < settings.size(); ++k) {
      const RunTally part =
          PlayTally(*settings[k], first_seed + out.runs, round, jobs, out.runs + 1, csv, nullptr, settings.size() == 1);
      out.tallies[k].Add(part);
    }
    out.runs += round;
    progress.Show(out.runs);
    int64_t needed = out.runs;
    for (const RunTally& tally : out.tallies) needed = std::max(needed, RunsForPrecision(tally, precision, confidence));
    out.reached = needed <= out.runs;
    if (out.reached || out.runs >= most_runs) return out;
    const int64_t aim = needed > INT64_MAX / 2 ? most_runs : needed + needed / 20;
    round = std::min({aim, 4 * out.runs, most_runs}) - out.runs;
  }
}

int64_t MostRuns(const BatchResult& result) { return std::min(kMaxRuns, kMaxSeed - result.first_seed + 1); }

void Played(BatchResult& result, const PreciseRuns& precise, const Precision& precision) {
  result.runs = precise.runs;
  // A comparison's parts are its systems and a sweep's its cells, not their runs.
  if (result.compared.empty() && result.axes.empty()) {
    result.part_begin = 0;
    result.part_end = precise.runs;
    result.blocks = {{0, precise.runs}};
  }
  result.precision = precision;
  result.precise = precise.reached;
}
