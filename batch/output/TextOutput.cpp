#include "batch/output/TextOutput.h"

#include <cstdarg>

#include "batch/core/Money.h"
#include "batch/output/Verdict.h"
#include "batch/results/Figures.h"
#include "batch/results/Intervals.h"
#include "batch/settings/Systems.h"
#include "batch/results/Printed.h"

namespace {

void Line(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

void Line(std::string& out, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  out += VPrinted(format, arguments);
  va_end(arguments);
  out += '\n';
}

std::string SampledBesideExact(const RunTally& tally, const ExactRun& exact) {
  const BatchSummary s = Summarise(tally);
  const ExactFigures e = FiguresOf(exact);
  const double n = s.sessions > 0 ? static_cast<double>(s.sessions) : 1;
  const double m = exact.sessions > 0 ? static_cast<double>(exact.sessions) : 1;
  std::string out = Printed("%-40s %12s %12s\n", "share of the sessions, or figure", "measured", "exact");
  const auto row = [&out](const char* name, double measured, double expected, const char* format) {
    out += Printed("%-40s ", name) + Printed(format, measured) + " " + Printed(format, expected) + "\n";
  };
  for (std::size_t k = 0; k < kEndings; ++k) {
    row(kEndingWords[k].label, static_cast<double>(s.ended[k]) / n, exact.ended[k] / m, "%12.6f");
  }
  row("final balance, mean", s.mean, e.mean, "%12.2f");
  row("final balance, median", s.median, e.median, "%12.1f");
  row("final balance, 5th percentile", s.percentile_5, e.percentile_5, "%12.1f");
  row("final balance, 95th percentile", s.percentile_95, e.percentile_95, "%12.1f");
  row("wagered a session", Units(s.wagered, s.quanta) / n, e.wagered_per_session, "%12.2f");
  row("games a session, mean", s.mean_games, e.mean_games, "%12.2f");
  row("games a session, median", s.median_games, e.median_games, "%12.1f");
  row("games a session, 90th percentile", s.p90_games, e.p90_games, "%12.1f");
  row("result per unit wagered", s.per_unit, e.result_per_unit, "%+12.6f");
  return out;
}

std::string ExactText(const ExactRun& run, const std::string& wheel) {
  const ExactFigures f = FiguresOf(run);
  const double n = run.sessions > 0 ? static_cast<double>(run.sessions) : 1;
  std::string out =
      Printed("exact odds of a run of %lld sessions (independent draws with the generator's number weights, %s)\n",
              static_cast<long long>(run.sessions), wheel.c_str());
  out += Printed("%-40s %12s %14s\n", "expected sessions", "a session", "the run");
  for (std::size_t k = 0; k < kEndings; ++k) {
    out += Printed("%-40s %12.6f %14.6f\n", kEndingWords[k].label, run.ended[k] / n, run.ended[k]);
  }
  out += Printed(
      "final balance: mean %.2f, median %s, 5th percentile %s, 95th percentile %s, "
      "at or above the capital %.6f\n",
      f.mean, MoneyText(f.median).c_str(), MoneyText(f.percentile_5).c_str(), MoneyText(f.percentile_95).c_str(),
      f.at_least_capital);
  out += Printed("wagered: %.2f a session, %.2f the run\n", f.wagered_per_session, run.wagered / run.quanta);
  out += Printed("games a session, mean: %.2f, median: %g, 90th percentile: %g\n", f.mean_games, f.median_games,
                 f.p90_games);
  out += Printed("result per unit wagered: %+.6f\n", f.result_per_unit);
  return out;
}

// A cell's figures: from the exact odds where they were computed, else
// from the sampled runs.
FigureValues FiguresOfCell(const CellResult& cell) {
  return cell.exact ? ExactFigureValues(*cell.exact) : SampledFigures(*cell.tally);
}

}  // namespace

std::string SeedsText(const std::vector<SeedBlock>& seeds) {
  std::string text = "seeds ";
  for (std::size_t k = 0; k < seeds.size(); ++k) {
    if (k > 0) text += k + 1 == seeds.size() ? " and " : ", ";
    text += Printed("%lld to %lld", static_cast<long long>(seeds[k].first), static_cast<long long>(seeds[k].second));
  }
  return text;
}

std::string FormatSummary(const RunTally& tally, const std::vector<SeedBlock>& seeds, double confidence) {
  const BatchSummary s = Summarise(tally);
  const FigureIntervals within = SampledIntervals(tally, confidence);
  const auto interval = [&within](Figure figure) { return within[static_cast<std::size_t>(figure)]; };
  const double percent = 100 * confidence;
  const double n = s.sessions > 0 ? static_cast<double>(s.sessions) : 1;
  std::string out;
  int64_t runs = 0;
  for (const SeedBlock& block : seeds) runs += block.second - block.first + 1;
  if (runs == 1) {
    Line(out, "seed: %lld", static_cast<long long>(seeds.front().first));
  } else {
    Line(out, "runs: %lld, %s", static_cast<long long>(runs), SeedsText(seeds).c_str());
  }
  Line(out, "sessions played: %lld", static_cast<long long>(s.sessions));
  for (std::size_t k = 0; k < kEndings; ++k) {
    Line(out, "%s: %lld (%.2f %%, %g%% interval %.2f to %.2f %%)", kEndingWords[k].label,
         static_cast<long long>(s.ended[k]), 100 * static_cast<double>(s.ended[k]) / n, percent, 100 * within[k].low,
         100 * within[k].high);
  }
  Line(out,
       "final balance, of %lld sessions that played: mean %.2f, median %.1f, 5th percentile %.1f, "
       "95th percentile %.1f, minimum %s, maximum %s",
       static_cast<long long>(s.balances), s.mean, s.median, s.percentile_5, s.percentile_95,
       MoneyText(s.minimum).c_str(), MoneyText(s.maximum).c_str());
  Line(out,
       "final balance, %g%% intervals: mean %.2f to %.2f, median %s to %s, 5th percentile %s to %s, 95th percentile "
       "%s to %s; at or above the capital %.2f to %.2f %%",
       percent, interval(Figure::MeanFinal).low, interval(Figure::MeanFinal).high,
       MoneyText(interval(Figure::MedianFinal).low).c_str(), MoneyText(interval(Figure::MedianFinal).high).c_str(),
       MoneyText(interval(Figure::P5Final).low).c_str(), MoneyText(interval(Figure::P5Final).high).c_str(),
       MoneyText(interval(Figure::P95Final).low).c_str(), MoneyText(interval(Figure::P95Final).high).c_str(),
       100 * interval(Figure::PAtLeastCapital).low, 100 * interval(Figure::PAtLeastCapital).high);
  Line(out, "games a session, mean: %.2f (%g%% interval %.2f to %.2f)", s.mean_games, percent,
       interval(Figure::MeanGames).low, interval(Figure::MeanGames).high);
  Line(out, "games a session, median: %.1f (%g%% interval %.1f to %.1f), 90th percentile: %.1f (%.1f to %.1f)",
       s.median_games, percent, interval(Figure::MedianGames).low, interval(Figure::MedianGames).high, s.p90_games,
       interval(Figure::P90Games).low, interval(Figure::P90Games).high);
  Line(out, "total wagered: %s", MoneyText(s.wagered, s.quanta).c_str());
  Line(out, "total result: %s", MoneyText(s.result, s.quanta).c_str());
  Line(out, "result per unit wagered: %+.5f (%g%% interval %+.5f to %+.5f)", s.per_unit, percent,
       interval(Figure::ResultPerUnit).low, interval(Figure::ResultPerUnit).high);
  const std::string rule =
      s.zero_rule == ZeroRule::Lose ? std::string() : std::string(", zero rule ") + SpecOf(s.zero_rule).name;
  Line(out, "expected per unit wagered: %+.5f (%s wheel%s, exact for its number mapping)", s.expected_per_unit,
       s.double_zero ? "double-zero" : "single-zero", rule.c_str());
  return out;
}

std::string PrecisionText(const BatchResult& result) {
  if (!result.precision) return std::string();
  const Precision& precision = *result.precision;
  std::string asked =
      Printed("every share's %g%% interval within %g either side", 100 * result.confidence, precision.share);
  if (precision.mean > 0) asked += Printed(", every mean's within %g %% of it", 100 * precision.mean);
  if (!result.axes.empty()) {
    return Printed("%s %s: %lld runs a cell\n", result.precise ? "sampled until" : "not reached:", asked.c_str(),
                   static_cast<long long>(result.runs));
  }
  const int64_t sessions =
      result.cells.empty() || !result.cells.front().tally ? 0 : result.cells.front().tally->sessions;
  return Printed("%s %s: %lld run%s, %lld sessions%s\n",
                 result.precise ? "sampled until" : "not reached:", asked.c_str(), static_cast<long long>(result.runs),
                 result.runs == 1 ? "" : "s", static_cast<long long>(sessions),
                 result.compared.empty() ? "" : " of each system");
}

std::string SessionsText(const SimSettings& settings) {
  return settings.fresh_sessions
             ? "sessions: each starts afresh, as the first one does, with no streak or colour carried "
               "(fresh_sessions=1)\n"
             : "sessions: each carries the streaks and the colour of the one before, as the window plays them "
               "(fresh_sessions=0)\n";
}

std::string ResultText(const BatchResult& result) {
  if (!result.axes.empty()) {
    std::string out = SweepTextHead(result, static_cast<int64_t>(result.cells.size()));
    for (const CellResult& cell : result.cells) out += SweepTextRow(cell);
    return out;
  }
  const CellResult& cell = result.cells.front();
  std::string out = VerdictText(result, cell) + "\n";
  if (cell.tally) out += PrecisionText(result) + FormatSummary(*cell.tally, CellSeeds(result), result.confidence);
  if (cell.exact && cell.tally)
    return out + SampledBesideExact(*cell.tally, *cell.exact) + SessionsText(result.settings);
  if (cell.exact) out += ExactText(*cell.exact, WheelName(result.settings));
  return out + SessionsText(result.settings);
}

std::string SweepTextHead(const BatchResult& result, int64_t cells) {
  std::string out = "sweep of ";
  for (std::size_t a = 0; a < result.axes.size(); ++a) out += (a ? " and " : "") + result.axes[a].name;
  out +=
      Printed(", %lld cells, %s\n", static_cast<long long>(cells),
              result.exact ? "exact odds" : Printed("%lld runs a cell", static_cast<long long>(result.runs)).c_str());
  out += PrecisionText(result) + SessionsText(result.settings);
  for (const SweepAxis& axis : result.axes) out += Printed("%18s ", axis.name.c_str());
  for (const FigureSpec& item : kFigures) {
    if (item.showable) out += Printed("%16s", item.key);
  }
  return out + "\n";
}

std::string SweepTextRow(const CellResult& cell) {
  std::string out;
  for (double value : cell.values) out += Printed("%18s ", SweptValue(value).c_str());
  const FigureValues f = FiguresOfCell(cell);
  for (const FigureSpec& item : kFigures) {
    if (item.showable) out += Printed(item.column, Of(f, item.figure));
  }
  return out + "\n";
}
