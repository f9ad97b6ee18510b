// The exact odds against the sampled runs of the same settings: both play
// the engine's step, one on every state with the wheel's weights, the
// other on the real generator, so a rule changed in one of their paths
// shows here. Every share of the sessions' ends, the wagered amount and how
// many games the sessions lasted lie within 99.9% of what was sampled; and
// the halving of a row's balances
// finds what the step does at every balance.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "batch/exact/ExactOdds.h"
#include "batch/exact/GameMoves.h"
#include "batch/exact/MemoryBudget.h"
#include "batch/sampling/PlayRuns.h"
#include "batch/sampling/RunTally.h"
#include "batch/settings/RunSettings.h"
#include "SettingsWith.h"

namespace {

struct Case {
  const char* name;
  std::vector<std::string> sets;
};

// Short sessions of varied rules, so that a few hundred thousand sessions
// take a moment.
const Case kCases[] = {
    {"Defaults", {"games_per_session=60"}},
    {"MartingaleStoppedByATableLimit",
     {"games_per_session=40", "bet_after_losses=2,4,8,16,32,64,128,256,512,1024,2048", "first_bet_after_loss=0",
      "first_bet_after_win=1", "table_limit=60", "first_bet_at_table_limit=0", "max_balance=530"}},
    {"DoubleZeroRedSwitchingAfterWins",
     {"games_per_session=30", "double_zero=1", "bet_on_red=1", "switch_after_win=1", "min_balance=470"}},
    {"ParoliWithAWagerLimitAndAFractionalCount",
     {"games_per_session=25.5", "bet_after_wins=2,4,1,2,4,1,2,4,1,2,4", "bet_after_losses=1,1,1,1,1,1,1,1,1,1,1",
      "first_bet_after_win=0", "first_bet_after_loss=1", "wager_limit=40"}},
    {"DAlembertLaPartage",
     {"games_per_session=60", "system=dalembert", "zero_rule=la_partage", "table_limit=20", "max_balance=530"}},
    {"LabouchereEnPrison",
     {"games_per_session=50", "system=labouchere", "zero_rule=en_prison", "table_limit=40", "max_balance=520"}},
    {"OscarsGrindFromTwo",
     {"games_per_session=60", "system=oscars_grind", "first_bet=2", "max_balance=520", "min_balance=450"}},
    {"FibonacciRestartingAtTheTableLimit", {"games_per_session=60", "system=fibonacci", "table_limit=30"}},
    {"ReverseLabouchereWithAWagerLimit",
     {"games_per_session=40", "system=reverse_labouchere", "line=1,1,2", "wager_limit=200", "max_balance=600"}},
    {"ContraDAlembertDoubleZeroSwitching",
     {"games_per_session=40", "system=contra_dalembert", "double_zero=1", "switch_after_win=1"}},
    {"OscarsGrindEndedByItsWagerLimitBeforeItsLastGame",
     {"games_per_session=60", "system=oscars_grind", "wager_limit=40", "min_balance=480"}},
};

SimSettings SettingsOf(const Case& c) { return SettingsWith({c.sets}); }

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class ExactAgainstSampled : public ::testing::TestWithParam<Case> {};

TEST_P(ExactAgainstSampled, EveryFigureLiesWithinWhatWasSampled) {
  const SimSettings settings = SettingsOf(GetParam());
  const ExactRun exact = ComputeExactRun(settings);
  ASSERT_EQ(exact.refused, "");
  RunTally tally;
  PlayRuns(settings, 20261207, 30000, 2, [&tally](RunOutcome& run) { tally.Add(run); });
  const double sessions = static_cast<double>(tally.sessions);
  constexpr double kZ = 3.29;  // two-sided 99.9%
  for (std::size_t k = 0; k < kEndings; ++k) {
    const double p = exact.ended[k] / static_cast<double>(exact.sessions);
    const double measured = static_cast<double>(tally.ended[k]) / sessions;
    const double width = kZ * std::sqrt(std::max(p * (1 - p), 1e-12) / sessions) + 1e-12;
    EXPECT_NEAR(measured, p, width) << kEndingWords[k].label;
  }
  // What a session wagers, within its spread over the sessions (each
  // session wagers at most its games at the largest bet).
  const double wagered = exact.wagered / static_cast<double>(exact.sessions);
  EXPECT_NEAR(static_cast<double>(tally.wagered) / sessions, wagered, 0.02 * wagered + 0.05);
  const double games = exact.games / static_cast<double>(exact.sessions);
  EXPECT_NEAR(static_cast<double>(tally.games) / sessions, games, 0.02 * games + 0.05);
  // How many games they lasted, as a distribution: the sampled share of
  // the sessions that lasted at most g games against the exact one, within
  // the Kolmogorov-Smirnov bound at 99.9%, counting the runs rather than
  // their sessions, which carry streaks into each other.
  double exact_below = 0;
  int64_t sampled_below = 0;
  double farthest = 0;
  auto sampled = tally.session_games.begin();
  for (const auto& [count, expected] : exact.session_games) {
    exact_below += expected / static_cast<double>(exact.sessions);
    for (; sampled != tally.session_games.end() && sampled->first <= count; ++sampled) sampled_below += sampled->second;
    farthest = std::max(farthest, std::fabs(exact_below - static_cast<double>(sampled_below) / sessions));
  }
  EXPECT_NEAR(exact_below, 1.0, 1e-9);
  EXPECT_LE(farthest, 1.95 / std::sqrt(static_cast<double>(tally.runs)));
}

INSTANTIATE_TEST_SUITE_P(Settings, ExactAgainstSampled, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(ExactAgainstSampled, TheRegionsOfARowAreWhatTheStepDoesAtEveryBalance) {
  const SimSettings settings = SettingsOf(GetParam());
  const GameRules rules = RulesOf(settings, true);
  MemoryBudget budget(int64_t{1} << 28);
  Rests rests(rules, budget);
  const int32_t lowest = 1;
  const int32_t highest = static_cast<int32_t>(rules.max_from) + 1;
  GameMoves moves(rules, Axis::Balance, lowest, highest, rests, budget);
  SessionState start;
  start.bet_on_red = settings.bet_on_red;
  rests.Intern(SessionStart(rules, 500, start));
  const WheelKinds kinds = KindsOf(rules);
  // The first rests the rows or the system reach (the lines of Labouchère
  // grow without end), in the first game, one between and the last.
  constexpr uint32_t kRestsChecked = 200;
  for (uint32_t rest = 0; rest < rests.size() && rest < kRestsChecked; ++rest) {
    for (const int32_t game : {1, 2, rules.last_game}) {
      const KeptMoves row = moves.Of(rest, 0, game);
      int32_t next = lowest;  // the regions cover the axis, each balance once
      for (const Region& region : row) {
        ASSERT_EQ(region.from, next) << "game " << game;
        next = region.to + 1;
        for (int32_t balance = region.from; balance <= region.to; ++balance) {
          const Rest& r = rests[rest];
          SessionState state{game - 1, balance, r.bet, r.win_streak, r.loss_streak, r.bet_on_red, 0, r.system};
          const GameEnd before = EndBeforeSpin(rules, state);
          ASSERT_EQ(before, region.before) << "balance " << balance << ", game " << game;
          if (before != GameEnd::None) continue;
          for (int kind = 0; kind < kinds.count; ++kind) {
            SessionState after = state;
            GameEvent event;
            const int32_t* numbers = kinds.numbers[kind];
            SettleSpins(
                rules, after, numbers[0], [numbers] { return numbers[1]; }, event);
            const GameEnd end = EndAfterSettlement(rules, after);
            bool found = false;
            for (int k = 0; k < region.kinds; ++k) {
              const Move& move = row.Moves()[region.first_move + k];
              found = found || (move.end == end && move.change == after.balance - balance &&
                                rests[move.rest].bet == after.bet && rests[move.rest].system == after.system);
            }
            ASSERT_TRUE(found) << "balance " << balance << ", game " << game << ", numbers " << numbers[0] << ","
                               << numbers[1];
          }
        }
      }
      EXPECT_EQ(next, highest + 1) << "game " << game;
    }
  }
  EXPECT_GT(rests.size(), 1u);
}

}  // namespace
