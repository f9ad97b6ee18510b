#include "batch/results/Figures.h"

#include "batch/core/Money.h"
#include "batch/results/BatchSummary.h"
#include "batch/results/Printed.h"

// clang-format off
const std::array<FigureSpec, kFigureCount> kFigures = {{
    {Figure::PMax, "p_max", "Chance of reaching the max balance (or the wager limit)", "%.3f", "%16.6f", true},
    {Figure::PMin, "p_min", "Chance of ending at the min balance", "%.3f", "%16.6f", true},
    {Figure::PLimit, "p_limit", "Chance of ending at the table limit or the last game", "%.3f", "%16.6f", true},
    {Figure::PCheck, "p_check", "Chance of ending by a failed check", "%.3f", "%16.6f", false},
    {Figure::PNone, "p_none", "Chance of ending without a count", "%.3f", "%16.6f", false},
    {Figure::MeanFinal, "mean_final", "Mean final balance", "%.1f", "%16.2f", true},
    {Figure::MedianFinal, "median_final", "Median final balance", "%.1f", "%16.1f", false},
    {Figure::P5Final, "p5_final", "5th percentile of the final balance", "%.1f", "%16.1f", false},
    {Figure::P95Final, "p95_final", "95th percentile of the final balance", "%.1f", "%16.1f", false},
    {Figure::PAtLeastCapital, "p_at_least_capital", "Chance of ending at or above the capital", "%.3f", "%16.6f", false},
    {Figure::WageredPerSession, "wagered_per_session", "Wagered a session", "%.1f", "%16.2f", false},
    {Figure::MeanGames, "mean_games", "Mean games a session", "%.1f", "%16.2f", true},
    {Figure::MedianGames, "median_games", "Median games a session", "%.1f", "%16.1f", false},
    {Figure::P90Games, "p90_games", "90th percentile of the games a session", "%.1f", "%16.1f", false},
    {Figure::ResultPerUnit, "result_per_unit", "Result per unit wagered", "%.4f", "%+16.6f", true},
}};
// clang-format on

const FigureSpec* FindFigure(const std::string& key) {
  for (const FigureSpec& item : kFigures) {
    if (key == item.key) return &item;
  }
  return nullptr;
}

std::string FigureText(const FigureSpec& item, double value) {
  if (item.figure == Figure::ResultPerUnit) return Printed("%+.5f", value);
  if (std::string(item.key).rfind("p_", 0) == 0) return Printed("%.5f", value);
  return Printed("%.2f", value);
}

std::string ShowableKeys(const char* separator) {
  std::string keys;
  for (const FigureSpec& item : kFigures) {
    if (item.showable) keys += (keys.empty() ? "" : separator) + std::string(item.key);
  }
  return keys;
}

namespace {

// Shares of the sessions that ended each way, in the table's first places.
template <class Count>
void Shares(FigureValues& values, const EndingCounts<Count>& ended, double sessions) {
  const double n = sessions > 0 ? sessions : 1;
  for (std::size_t k = 0; k < kEndings; ++k) values[k] = static_cast<double>(ended[k]) / n;
}

}  // namespace

FigureValues SampledFigures(const RunTally& tally) {
  const BatchSummary s = Summarise(tally);
  FigureValues values{};
  Shares(values, s.ended, static_cast<double>(s.sessions));
  int64_t at_least = 0;
  for (const auto& [balance, count] : tally.final_balances) {
    if (balance >= int64_t{tally.capital} * tally.quanta) at_least += count;
  }
  const double played = s.balances > 0 ? static_cast<double>(s.balances) : 1;
  const double n = s.sessions > 0 ? static_cast<double>(s.sessions) : 1;
  values[static_cast<std::size_t>(Figure::MeanFinal)] = s.mean;
  values[static_cast<std::size_t>(Figure::MedianFinal)] = s.median;
  values[static_cast<std::size_t>(Figure::P5Final)] = s.percentile_5;
  values[static_cast<std::size_t>(Figure::P95Final)] = s.percentile_95;
  values[static_cast<std::size_t>(Figure::PAtLeastCapital)] = static_cast<double>(at_least) / played;
  values[static_cast<std::size_t>(Figure::WageredPerSession)] = Units(s.wagered, s.quanta) / n;
  values[static_cast<std::size_t>(Figure::MeanGames)] = s.mean_games;
  values[static_cast<std::size_t>(Figure::MedianGames)] = s.median_games;
  values[static_cast<std::size_t>(Figure::P90Games)] = s.p90_games;
  values[static_cast<std::size_t>(Figure::ResultPerUnit)] = s.per_unit;
  return values;
}

FigureValues ExactFigureValues(const ExactRun& run) {
  const ExactFigures f = FiguresOf(run);
  FigureValues values{};
  Shares(values, run.ended, static_cast<double>(run.sessions));
  values[static_cast<std::size_t>(Figure::MeanFinal)] = f.mean;
  values[static_cast<std::size_t>(Figure::MedianFinal)] = f.median;
  values[static_cast<std::size_t>(Figure::P5Final)] = f.percentile_5;
  values[static_cast<std::size_t>(Figure::P95Final)] = f.percentile_95;
  values[static_cast<std::size_t>(Figure::PAtLeastCapital)] = f.at_least_capital;
  values[static_cast<std::size_t>(Figure::WageredPerSession)] = f.wagered_per_session;
  values[static_cast<std::size_t>(Figure::MeanGames)] = f.mean_games;
  values[static_cast<std::size_t>(Figure::MedianGames)] = f.median_games;
  values[static_cast<std::size_t>(Figure::P90Games)] = f.p90_games;
  values[static_cast<std::size_t>(Figure::ResultPerUnit)] = f.result_per_unit;
  return values;
}
