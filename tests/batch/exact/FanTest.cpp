// The course of a session against flat bets of one, worked out as a plain
// random walk: until a session is ruined its balance is the capital plus
// wins less losses, a shifted binomial; a ruined session keeps its 0.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "batch/exact/ExactOdds.h"
#include "batch/exact/MemoryBudget.h"
#include "sim/WheelOdds.h"
#include "batch/settings/RunSettings.h"
#include "SettingsWith.h"

namespace {

double Quantile(const std::map<int, double>& mass, double q) {
  double cumulative = 0;
  for (const auto& [balance, p] : mass) {
    cumulative += p;
    if (cumulative >= q * (1 - 1e-12)) return balance;
  }
  return mass.rbegin()->first;
}

TEST(Fan, FlatBetsAreAShiftedBinomialUntilRuin) {
  constexpr int kCapital = 3;
  constexpr int kGames = 7;
  RunSettings settings = SettingsWith({{"capital=3", "max_balance=1000", "min_balance=0", "games_per_session=7",
                                        "bet_on_red=0", "switch_after_win=0"}});
  ASSERT_FALSE(ApplySystem(settings, "flat").has_value());
  MemoryBudget budget(kExactMemoryBudget);
  const ExactRun run = ComputeExactRun(settings, budget, nullptr, 1, FanCourse::Always);
  ASSERT_EQ(run.refused, "");
  ASSERT_EQ(run.fan.size(), static_cast<std::size_t>(kGames));

  const double win = WinChance(false, false);
  std::map<int, double> mass{{kCapital, 1.0}};
  for (int game = 1; game <= kGames; ++game) {
    double playing = 0;
    std::map<int, double> after;
    for (const auto& [balance, p] : mass) {
      if (balance == 0) {
        after[0] += p;
        continue;
      }
      playing += p;
      after[balance + 1] += p * win;
      after[balance - 1] += p * (1 - win);
    }
    mass = after;
    const FanPoint& point = run.fan[static_cast<std::size_t>(game - 1)];
    SCOPED_TRACE("game " + std::to_string(game));
    EXPECT_EQ(point.game, game);
    EXPECT_NEAR(point.playing, playing, 1e-12);
    EXPECT_EQ(point.p5, Quantile(mass, 0.05));
    EXPECT_EQ(point.p25, Quantile(mass, 0.25));
    EXPECT_EQ(point.p50, Quantile(mass, 0.5));
    EXPECT_EQ(point.p75, Quantile(mass, 0.75));
    EXPECT_EQ(point.p95, Quantile(mass, 0.95));
  }
  // Asked for no course, the odds keep none.
  EXPECT_TRUE(ComputeExactRun(settings).fan.empty());
}

// The course is of the sessions the summary counts: where they carry
// their streaks, of all the run's sessions, not of the first alone (whose
// 5th percentile on these rows stays far above the run's).
TEST(Fan, ItsLastGameIsTheSummarysFinalBalanceWhetherSessionsCarryOrStartAfresh) {
  for (const char* sessions : {"fresh_sessions=0", "fresh_sessions=1"}) {
    SCOPED_TRACE(sessions);
    const RunSettings settings = SettingsWith({{sessions, "games_per_session=120"}});
    MemoryBudget budget(kExactMemoryBudget);
    const ExactRun run = ComputeExactRun(settings, budget, nullptr, 1, FanCourse::Always);
    const ExactFigures figures = FiguresOf(run);
    EXPECT_EQ(std::vector<double>({run.fan.back().p5, run.fan.back().p50, run.fan.back().p95}),
              std::vector<double>({figures.percentile_5, figures.median, figures.percentile_95}));
  }
}

}  // namespace
