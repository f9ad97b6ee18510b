#include "batch/cli/PlayCell.h"

#include <atomic>
#include <cstdio>
#include <string>

#include "batch/cli/Progress.h"
#include "batch/exact/MemoryBudget.h"
#include "batch/output/SessionsCsv.h"
#include "batch/sampling/PlayRuns.h"

MaybeProblem ComputeExact(const RunSettings& settings, int64_t jobs, FanCourse fan, std::optional<ExactRun>& exact) {
  MemoryBudget budget(kExactMemoryBudget);
  Progress progress(0, "steps computed");
  std::atomic<int64_t> steps{0};
  exact = ComputeExactRun(
      settings, budget,
      [&](int64_t session, int64_t) {
        progress.Show(++steps, "a session from start state " + std::to_string(session));
      },
      jobs, fan);
  if (exact->refused.empty()) return std::nullopt;
  return Problem{ProblemKind::Refused, exact->refused + "; --runs K samples these settings instead"};
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
