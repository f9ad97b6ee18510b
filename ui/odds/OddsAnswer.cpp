#include "ui/odds/OddsAnswer.h"

#include "batch/core/Endings.h"
#include "batch/exact/MemoryBudget.h"
#include "batch/output/CourseCharts.h"
#include "batch/output/Exporters.h"
#include "batch/output/Page.h"
#include "batch/results/Printed.h"

namespace {

// Thrown through the computation, whose memory is held by objects that
// give it back as they go.
struct Stopped {};

// The head of a batch of one exact run, as the batch program makes it for
// --exact alone.
BatchResult ExactBatch(const RunSettings& settings) {
  BatchResult head;
  head.settings = settings;
  head.exact = true;
  std::tie(head.part_begin, head.part_end) = PartBlock(DomainSize(head), 1, 1);
  head.blocks = {{head.part_begin, head.part_end}};
  return head;
}

// The window's text box scrolls sideways rather than wrap, so that the
// answer's tables keep their columns; a refusal is sentences, broken here
// between words to be read whole in the box.
constexpr std::size_t kRefusalWidth = 76;

std::string BrokenBetweenWords(const std::string& text) {
  std::string broken, line, word;
  const auto end_line = [&] {
    broken += line + '\n';
    line.clear();
  };
  for (const char c : text + '\n') {
    if (c != ' ' && c != '\n') {
      word += c;
      continue;
    }
    if (!word.empty()) {
      if (!line.empty() && line.size() + 1 + word.size() > kRefusalWidth) end_line();
      line += (line.empty() ? "" : " ") + word;
      word.clear();
    }
    if (c == '\n') end_line();
  }
  return broken;
}

std::string Refusal(const std::string& refused, int64_t budget_bytes) {
  return BrokenBetweenWords("No exact odds for these settings: " + refused + ".\nThe window keeps its odds within " +
                            std::to_string(budget_bytes >> 20) +
                            " MiB; `vantrel-batch --runs K` (or `--runs auto`) samples these settings instead.");
}

}  // namespace

std::optional<OddsAnswer> ComputeOdds(const RunSettings& settings, const std::atomic<bool>& stop,
                                      const OddsProgress& progress, int64_t budget_bytes) {
  MemoryBudget budget(budget_bytes);
  OddsAnswer answer;
  answer.result = ExactBatch(settings);
  try {
    CellResult cell;
    cell.exact = ComputeExactRun(
        settings, budget,
        [&](int64_t session, int64_t done, int64_t of, const char* what) {
          if (stop.load(std::memory_order_relaxed)) throw Stopped{};
          if (progress) {
            progress("start state " + std::to_string(session) + ": " + what + " " + std::to_string(done) + " of " +
                     std::to_string(of));
          }
        },
        1, FanCourse::Always);
    if (!cell.exact->refused.empty()) {
      answer.text = Refusal(cell.exact->refused, budget_bytes);
      return answer;
    }
    answer.result.cells.push_back(std::move(cell));
  } catch (const Stopped&) {
    return std::nullopt;
  }
  answer.computed = true;
  answer.text = StandardText(answer.result, OutputChoice{});
  return answer;
}

std::optional<Drawing> OddsChart(const OddsAnswer& answer, const std::vector<PlayedCourse>& run) {
  if (!answer.computed || answer.result.cells.empty() || answer.result.cells.front().exact->fan.empty()) {
    return std::nullopt;
  }
  const RunSettings& settings = answer.result.settings;
  std::vector<SessionCourse> sessions;
  sessions.reserve(run.size());
  for (const PlayedCourse& course : run) sessions.push_back({course.balances, course.ending});
  const FanSeries series{std::string(),
                         answer.result.cells.front().exact->fan,
                         {static_cast<double>(CapitalOf(settings)), settings.min_balance, settings.max_balance}};
  std::string title = "A session's course, exact (" + PlayedName(settings) + ")";
  if (!run.empty()) title += ", and this run's sessions";
  return FanDrawing({series}, title, sessions);
}

std::string RunBesideOdds(const OddsAnswer& answer, const SimRunState& run) {
  if (!answer.computed || run.sessions_ended == 0 || answer.result.cells.empty()) return std::string();
  const ExactRun& exact = *answer.result.cells.front().exact;
  const double counts[] = {run.max_count, run.min_count, run.limit_count};
  std::string line = "this run:";
  for (std::size_t k = 0; k < std::size(counts); ++k) {
    const double chance = exact.sessions > 0 ? exact.ended[k] / static_cast<double>(exact.sessions) : 0;
    line += Printed("%s %.0f of %d sessions at the %s (exact chance %.1f %%)", k == 0 ? "" : ";", counts[k],
                    run.sessions_ended, kEndingWords[k].name, 100 * chance);
  }
  return line;
}

std::string OddsPage(const OddsAnswer& answer) {
  if (!answer.computed) return std::string();
  OutputChoice choice;
  choice.html = "page";
  return BatchPage(choice, answer.result);
}
