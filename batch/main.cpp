// vantrel-batch: plays runs of a settings file headless, as the window
// plays them with no pause, and says what they show about the system.
#include <cstdio>
#include <ctime>
#include <iostream>
#include <thread>

#include "batch/BalanceHistogram.h"
#include "batch/BatchOptions.h"
#include "batch/BatchPool.h"
#include "batch/BatchSummary.h"
#include "batch/SessionsCsv.h"
#include "batch/Terminal.h"
#include "files/FileAccess.h"
#include "files/FileErrors.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

int Fail(const std::string& message) {
  std::cerr << "vantrel-batch: " << message << '\n';
  return kFailure;
}

// The window's message without its second line, which tells the window's
// user that the form kept its fields.
std::string FirstLine(const std::string& message) { return message.substr(0, message.find('\n')); }

// The settings as the window's load command reads them, or an error text.
std::string LoadSettings(const std::string& path, SettingsFile::Values& values) {
  std::string bytes;
  const std::string reason = FileAccess::Read(path, bytes);
  if (!reason.empty()) return FirstLine(FileErrors::NotRead(path, reason));
  const SettingsFile::Parsed parsed = SettingsFile::Parse(bytes);
  if (!parsed.complete) return FirstLine(FileErrors::TooShort(path, parsed.lines, SettingsFile::kLines));
  values = parsed.values;
  return std::string();
}

void ShowProgress(int64_t done, int64_t runs) {
  constexpr int kBar = 40;
  const auto filled = static_cast<int>(done * kBar / runs);
  std::fprintf(stderr, "\r[%s%s] %lld/%lld runs", std::string(static_cast<std::size_t>(filled), '#').c_str(),
               std::string(static_cast<std::size_t>(kBar - filled), ' ').c_str(), static_cast<long long>(done),
               static_cast<long long>(runs));
  if (done == runs) std::fputc('\n', stderr);
}

void PrintRun(const RunOutcome& run) {
  std::cout << run.results_list << '\n'
            << run.counters[0] << ' ' << run.counters[1] << ' ' << run.counters[2] << '\n'
            << run.percentages[0] << ' ' << run.percentages[1] << ' ' << run.percentages[2] << '\n';
}

std::vector<double> PlayedBalances(const std::vector<RunOutcome>& runs) {
  std::vector<double> balances;
  for (const RunOutcome& run : runs) {
    for (const SessionRecord& session : run.sessions) {
      if (session.games > 0) balances.push_back(session.final_balance);
    }
  }
  return balances;
}

// Each output whole or not at all; the first that cannot be written is
// reported.
std::string WriteOutputs(const BatchOptions& options, const std::vector<RunOutcome>& runs) {
  struct Output {
    const std::string& path;
    std::string (*bytes)(const std::vector<RunOutcome>&);
  };
  const Output outputs[] = {
      {options.report, [](const std::vector<RunOutcome>& r) { return r.front().report; }},
      {options.csv, [](const std::vector<RunOutcome>& r) { return SessionsCsv(r); }},
      {options.plot,
       [](const std::vector<RunOutcome>& r) {
         return BalanceHistogram(PlayedBalances(r), {r.front().capital, r.front().max_balance, r.front().min_balance});
       }},
  };
  for (const Output& output : outputs) {
    if (output.path.empty()) continue;
    const std::string reason = FileAccess::WriteReplacing(output.path, output.bytes(runs));
    if (!reason.empty()) return FileErrors::NotWritten(output.path, reason);
  }
  return std::string();
}

}  // namespace

int main(int argc, char** argv) {
  BatchOptions options;
  std::string error;
  if (!ParseBatchOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
    std::cerr << "vantrel-batch: " << error << '\n' << kBatchUsage;
    return kUsageError;
  }
  if (options.help) {
    std::cout << kBatchUsage;
    return 0;
  }
  SettingsFile::Values values;
  if (!options.settings.empty()) {
    const std::string problem = LoadSettings(options.settings, values);
    if (!problem.empty()) return Fail(problem);
  }
  const int64_t seed = options.has_seed ? options.seed : static_cast<int64_t>(std::time(nullptr)) & kMaxSeed;
  const int64_t jobs = options.jobs > 0 ? options.jobs : std::max(1u, std::thread::hardware_concurrency());
  const bool progress = options.runs > 1 && ErrorIsTerminal();

  const std::vector<RunOutcome> runs =
      PlayRuns(options.settings.empty() ? nullptr : &values, seed, options.runs, jobs, [&](int64_t done) {
        if (progress) ShowProgress(done, options.runs);
      });
  for (const RunOutcome& run : runs) {
    for (const std::string& message : run.messages) std::cerr << "Fehler: " << message << '\n';
  }
  if (options.runs == 1) PrintRun(runs.front());
  std::cout << FormatSummary(Summarise(runs), seed, options.runs);
  std::cout.flush();
  const std::string problem = WriteOutputs(options, runs);
  return problem.empty() ? 0 : Fail(problem);
}
