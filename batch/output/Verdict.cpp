#include "batch/output/Verdict.h"

#include "batch/core/Money.h"
#include "batch/results/BatchSummary.h"
#include "batch/results/Figures.h"
#include "batch/results/Intervals.h"
#include "batch/results/Printed.h"

namespace {

// A share as a percentage, with its interval where it was sampled.
std::string Share(const FigureValues& values, const FigureIntervals* within, Figure figure, double confidence) {
  std::string text = Printed("%.1f %%", 100 * Of(values, figure));
  if (within) {
    const Interval& interval = (*within)[static_cast<std::size_t>(figure)];
    text += Printed(" (%g%% interval %.1f to %.1f %%)", 100 * confidence, 100 * interval.low, 100 * interval.high);
  }
  return text;
}

// A limit as given, where it was given relative to the capital.
std::string Limit(const RunSettings& settings, const char* name) {
  const std::string given = GivenLimit(settings, name);
  const std::string amount = MoneyText(EnteredValue(settings, name));
  return given.empty() ? amount : amount + " (" + given + ")";
}

}  // namespace

std::string LastsText(const FigureValues& values, double spins_per_hour) {
  const auto games = [spins_per_hour](const char* format, double count) {
    std::string text = Printed(format, count) + " games";
    return spins_per_hour > 0 ? text + Printed(" (%.2f hours)", count / spins_per_hour) : text;
  };
  const std::string out = "it lasts " + games("%g", Of(values, Figure::MedianGames)) + " at the median, at most " +
                          games("%g", Of(values, Figure::P90Games)) + " in 9 sessions of 10 and " +
                          games("%.1f", Of(values, Figure::MeanGames)) + " on average";
  return spins_per_hour > 0 ? out + Printed(", at %g spins an hour", spins_per_hour) : out;
}

std::string VerdictText(const BatchResult& result, const CellResult& cell) {
  const RunSettings& settings = result.settings;
  const bool exact = cell.exact.has_value();
  const FigureValues values = exact ? ExactFigureValues(*cell.exact) : SampledFigures(*cell.tally);
  const FigureIntervals intervals = exact ? FigureIntervals{} : SampledIntervals(*cell.tally, result.confidence);
  const FigureIntervals* within = exact ? nullptr : &intervals;
  const double confidence = result.confidence;
  const double capital = settings.capital;
  const double wagered = Of(values, Figure::WageredPerSession);
  const double per_unit = Of(values, Figure::ResultPerUnit);
  // The wheel's edge: what every unit wagered loses on average, exactly.
  const double edge = exact ? -Of(values, Figure::ResultPerUnit) : -Summarise(*cell.tally).expected_per_unit;
  const double other = Of(values, Figure::PLimit) + Of(values, Figure::PCheck) + Of(values, Figure::PNone);
  std::string out = "in short" + std::string(exact ? " (exact)" : ", sampled") + ":\n";
  out += "  a session reaches the max balance of " + Limit(settings, "max_balance") + " " +
         Share(values, within, Figure::PMax, confidence) + " of the time;\n";
  out += "  it is ruined, down to the min balance of " + Limit(settings, "min_balance") + ", " +
         Share(values, within, Figure::PMin, confidence) + " of the time, losing at least " +
         MoneyText(capital - EnteredValue(settings, "min_balance")) + " then;\n";
  out += Printed("  it stops at the last game, the table limit or otherwise %.1f %% of the time;\n", 100 * other);
  out += "  " + LastsText(values, result.spins_per_hour) + ";\n";
  if (!(wagered > 0)) return out + "  no session wagered anything.\n";
  // Plus zero, so that no loss is printed as -0.00.
  std::string loss = Printed("%.2f %%", -100 * per_unit + 0.0);
  if (within) {
    const Interval& interval = intervals[static_cast<std::size_t>(Figure::ResultPerUnit)];
    loss += Printed(" (%g%% interval %.2f to %.2f %%)", 100 * confidence, -100 * interval.high, -100 * interval.low);
  }
  out +=
      Printed("  on average it wagers %.2f and loses %.2f of it, ", wagered, -per_unit * wagered + 0.0) + loss + ";\n";
  out += Printed(
      "  the wheel's edge takes %.2f %% of every bet whatever the system: a system changes how much is wagered and how "
      "the results spread, not what a unit wagered loses.\n",
      100 * edge);
  return out;
}
