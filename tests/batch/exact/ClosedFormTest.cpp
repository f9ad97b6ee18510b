// Closed forms the exact odds must meet: the expected result per unit
// wagered of each zero rule on a fair wheel, and, for systems whose
// sessions cannot reach any limit, the wheel's own edge per unit wagered
// (each bet loses the edge of its size on average, whatever the system).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/exact/ExactOdds.h"
#include "sim/WheelOdds.h"
#include "batch/results/Figures.h"
#include "batch/settings/RunSettings.h"
#include "SettingsWith.h"

namespace {

TEST(ClosedForm, TheZeroRulesOnAFairWheel) {
  EXPECT_NEAR(ExpectedPerUnit(18, 1, 37, ZeroRule::Lose), -1.0 / 37, 1e-15);
  EXPECT_NEAR(ExpectedPerUnit(18, 1, 37, ZeroRule::LaPartage), -1.0 / 74, 1e-15);
  EXPECT_NEAR(ExpectedPerUnit(18, 1, 37, ZeroRule::EnPrison), -19.0 / 1369, 1e-15);
  EXPECT_NEAR(ExpectedPerUnit(18, 2, 38, ZeroRule::Lose), -2.0 / 38, 1e-15);
}

struct Unbounded {
  const char* name;
  std::vector<std::string> sets;
};

// A capital and limits far beyond what the bets of these few games can
// reach: every session plays every game.
const Unbounded kUnbounded[] = {
    {"DAlembert", {"system=dalembert"}},
    {"DAlembertLaPartage", {"system=dalembert", "zero_rule=la_partage"}},
    {"ContraDAlembertEnPrisonOnBlack", {"system=contra_dalembert", "zero_rule=en_prison", "bet_on_red=0"}},
    {"Labouchere", {"system=labouchere", "zero_rule=en_prison"}},
    {"OscarsGrindDoubleZero", {"system=oscars_grind", "double_zero=1"}},
    {"MartingaleRows",
     {"bet_after_losses=2,4,8,16,32,64,128,256,512,1024,2048", "first_bet_after_win=1", "first_bet_after_loss=0",
      "bet_after_wins=1,1,1,1,1,1,1,1,1,1,1"}},
};

void PrintTo(const Unbounded& c, std::ostream* out) { *out << c.name; }

class UnboundedSessions : public ::testing::TestWithParam<Unbounded> {};

TEST_P(UnboundedSessions, LoseTheWheelsEdgeOnEveryUnitWagered) {
  const RunSettings settings = SettingsWith({{"capital=500000", "max_balance=1000000", "games_per_session=12",
                                              "table_limit=19999", "session_count=1", "switch_after_win=0"},
                                             GetParam().sets});
  const SimSettings typed = settings;
  const ExactRun run = ComputeExactRun(typed);
  ASSERT_EQ(run.refused, "");
  EXPECT_NEAR(run.ended[IndexOf(Ending::Limit)], 1.0, 1e-12);
  EXPECT_NEAR(run.games, 12.0, 1e-12);
  EXPECT_NEAR(Of(ExactFigureValues(run), Figure::ResultPerUnit),
              ExpectedPerUnit(typed.double_zero, typed.bet_on_red, typed.zero_rule), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Systems, UnboundedSessions, ::testing::ValuesIn(kUnbounded),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
