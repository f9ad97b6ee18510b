// The exact odds against cases worked out by hand, against a closed form,
// and against the figures of the defaults worked out apart from this code.
#include "batch/exact/ExactOdds.h"
#include "batch/exact/GameMoves.h"
#include "batch/exact/GrowthForecast.h"
#include "batch/exact/MemoryBudget.h"
#include "batch/settings/RunSettings.h"
#include "SettingsWith.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The wheel's chances from its number mapping: 0 to 25 come from 643 raw
// values, 26 to 36 (and 00) from 642. Black has 12 numbers below 26 and 6
// above, red 13 and 5.
constexpr double kBlack = (12 * 643 + 6 * 642) / 23780.0;
constexpr double kRed = (13 * 643 + 5 * 642) / 23780.0;
constexpr double kBlackDoubleZero = (12 * 643 + 6 * 642) / 24422.0;
constexpr double kRedDoubleZero = (13 * 643 + 5 * 642) / 24422.0;

// A run of one session of flat bets of 1 with roomy limits, changed by `sets`.
ExactRun Exact(const std::vector<std::string>& sets) {
  return ComputeExactRun(
      SettingsWith({{"session_count=1", "capital=100", "max_balance=1000", "bet_after_wins=1,1,1,1,1,1,1,1,1,1,1",
                     "bet_after_losses=1,1,1,1,1,1,1,1,1,1,1"},
                    sets}));
}

std::map<int32_t, double> Finals(const ExactRun& run) {
  return std::map<int32_t, double>(run.final_balances.begin(), run.final_balances.end());
}

TEST(ExactOdds, TheDefaultsGiveTheFiguresWorkedOutApart) {
  const ExactRun run = ComputeExactRun(ResetDefaults());
  const ExactFigures f = FiguresOf(run);
  ASSERT_EQ(run.sessions, 10);
  EXPECT_NEAR(run.ended[IndexOf(Ending::High)] / 10, 0.647848, 5e-7);
  EXPECT_NEAR(run.ended[IndexOf(Ending::Low)] / 10, 0.146273, 5e-7);
  EXPECT_NEAR(run.ended[IndexOf(Ending::Limit)] / 10, 0.205952, 5e-7);
  EXPECT_NEAR(f.mean, 474.876, 5e-4);
  EXPECT_NEAR(f.wagered_per_session, 927.70, 5e-3);
  EXPECT_NEAR(f.result_per_unit, -0.027082, 5e-7);
}

TEST(ExactOdds, OneGameIsTheWheelsChance) {
  const ExactRun run = Exact({"games_per_session=1"});
  EXPECT_DOUBLE_EQ(run.ended[IndexOf(Ending::Limit)], 1) << "a full session ends at its last game";
  EXPECT_NEAR(Finals(run)[101], kBlack, 1e-15);
  EXPECT_NEAR(Finals(run)[99], 1 - kBlack, 1e-15);
  EXPECT_NEAR(FiguresOf(run).result_per_unit, 2 * kBlack - 1, 1e-15);
  const ExactFigures f = FiguresOf(run);  // 99 is the likelier end
  EXPECT_EQ(std::vector<double>({f.percentile_5, f.median, f.percentile_95}), std::vector<double>({99, 99, 101}));
}

TEST(ExactOdds, TheEleventhEntryOfARowIsPlayedAfterElevenInARow) {
  // Flat bets but for the eleventh entries; twelve games.
  const ExactRun run = Exact({"games_per_session=12", "bet_after_wins=1,1,1,1,1,1,1,1,1,1,7",
                              "bet_after_losses=1,1,1,1,1,1,1,1,1,1,5", "first_bet_after_loss=0"});
  EXPECT_NEAR(run.wagered, 12 + 6 * std::pow(kBlack, 11) + 4 * std::pow(1 - kBlack, 11), 1e-12);
}

TEST(ExactOdds, DoublingAfterLossesIsRuinedByThreeLossesInARow) {
  // Capital 7, target 8: bets 1, 2, 4 until a win; three losses leave 0.
  const ExactRun run = Exact({"capital=7", "max_balance=8", "bet_after_losses=2,4,8,16,32,64,128,256,512,1024,2048",
                              "first_bet_after_loss=0", "first_bet_after_win=1", "table_limit=19999"});
  const double ruin = std::pow(1 - kBlack, 3);
  EXPECT_NEAR(run.ended[IndexOf(Ending::Low)], ruin, 1e-15);
  EXPECT_NEAR(run.ended[IndexOf(Ending::High)], 1 - ruin, 1e-15);
  EXPECT_NEAR(Finals(run)[0], ruin, 1e-15);
  EXPECT_NEAR(run.wagered, kBlack * 1 + (1 - kBlack) * kBlack * 3 + (1 - kBlack) * (1 - kBlack) * 7, 1e-12);
  // A win ends it at once; the third game ends it either way.
  const double p = kBlack, q = 1 - kBlack;
  ASSERT_EQ(run.session_games.size(), 3u);
  for (int32_t games = 1; games <= 3; ++games) {
    EXPECT_EQ(run.session_games[games - 1].first, games);
    EXPECT_NEAR(run.session_games[games - 1].second, games == 3 ? q * q : std::pow(q, games - 1) * p, 1e-15) << games;
  }
}

TEST(ExactOdds, TheTableLimitStopsOrResetsAShortRow) {
  // A win raises the bet to 5, above the limit of 3 (stored 4).
  const double p = kBlack, q = 1 - kBlack;
  const ExactRun stop = Exact(
      {"games_per_session=3", "table_limit=3", "bet_after_wins=5,5,5,5,5,5,5,5,5,5,5", "first_bet_at_table_limit=0"});
  EXPECT_DOUBLE_EQ(stop.ended[IndexOf(Ending::Limit)], 1);
  const auto finals = Finals(stop);
  EXPECT_NEAR(finals.at(101), p, 1e-15);
  EXPECT_NEAR(finals.at(100), q * p, 1e-15);
  EXPECT_NEAR(finals.at(99), q * q * p, 1e-15);
  EXPECT_NEAR(finals.at(97), q * q * q, 1e-15);
  EXPECT_NEAR(stop.wagered, 1 + q + q * q, 1e-15);
  EXPECT_NEAR(FiguresOf(stop).at_least_capital, p + q * p, 1e-15) << "ending at the capital counts";
  const ExactRun reset = Exact({"games_per_session=3", "table_limit=3", "bet_after_wins=5,5,5,5,5,5,5,5,5,5,5"});
  EXPECT_NEAR(reset.wagered, 3, 1e-15) << "every next bet of 5 became the first bet";
}

TEST(ExactOdds, AWagerLimitThatBindsEndsEverySessionAfterItsSecondGame) {
  const ExactRun run = Exact({"wager_limit=2", "games_per_session=10"});
  const double p = kBlack, q = 1 - kBlack;
  EXPECT_NEAR(run.ended[IndexOf(Ending::High)], 1, 1e-15);
  EXPECT_NEAR(Finals(run)[102], p * p, 1e-15);
  EXPECT_NEAR(Finals(run)[100], 2 * p * q, 1e-15);
  EXPECT_NEAR(run.wagered, 2, 1e-15);
  ASSERT_EQ(run.session_games.size(), 1u) << "every session lasts two games";
  EXPECT_EQ(run.session_games[0].first, 2);
  EXPECT_NEAR(run.session_games[0].second, 1, 1e-15);
}

TEST(ExactOdds, TheColourSwitchesAfterAWinOnBothWheels) {
  for (const bool double_zero : {false, true}) {
    const double red = double_zero ? kRedDoubleZero : kRed;
    const double black = double_zero ? kBlackDoubleZero : kBlack;
    const ExactRun run = Exact({"games_per_session=2", "bet_on_red=1", "switch_after_win=1",
                                std::string("double_zero=") + (double_zero ? "1" : "0")});
    // A win on red moves the second bet to black.
    const double second = red * (2 * black - 1) + (1 - red) * (2 * red - 1);
    EXPECT_NEAR(run.result, (2 * red - 1) + second, 1e-14) << (double_zero ? "double zero" : "single zero");
  }
}

TEST(ExactOdds, OneGameCanEndASessionAtBothLimits) {
  // A win reaches the max of 11 below the next bet of 500.
  const ExactRun run = Exact({"games_per_session=1", "capital=10", "max_balance=11",
                              "bet_after_wins=500,1,1,1,1,1,1,1,1,1,1", "first_bet_at_table_limit=0"});
  EXPECT_NEAR(run.ended[IndexOf(Ending::High)], kBlack, 1e-15);
  EXPECT_NEAR(run.ended[IndexOf(Ending::Low)], kBlack, 1e-15);
  EXPECT_NEAR(run.ended[IndexOf(Ending::Limit)], 1 - kBlack, 1e-15);
}

// On the default rows the first session never goes broke: a run's ruin
// comes from the streaks its later sessions carry.
TEST(ExactOdds, FreshSessionsEachPlayTheFirstSessionsOdds) {
  const ExactRun fresh = ComputeExactRun(SettingsWith({{"fresh_sessions=1"}}));
  const ExactRun first = ComputeExactRun(SettingsWith({{"session_count=1"}}));
  EXPECT_GT(ComputeExactRun(ResetDefaults()).ended[IndexOf(Ending::Low)], 1) << "carried";
  for (std::size_t k = 0; k < kEndings; ++k) EXPECT_NEAR(fresh.ended[k], 10 * first.ended[k], 1e-11) << k;
  EXPECT_NEAR(FiguresOf(fresh).mean, FiguresOf(first).mean, 1e-9);
}

TEST(ExactOdds, FractionalCountsFailedChecksAndTooManyStates) {
  EXPECT_DOUBLE_EQ(Exact({"games_per_session=1.5"}).ended[IndexOf(Ending::None)], 1);
  EXPECT_DOUBLE_EQ(Exact({"max_balance=99"}).ended[IndexOf(Ending::Check)], 1)
      << "the balance limits fail after the first game";
  EXPECT_DOUBLE_EQ(Exact({"max_balance=99"}).played, 1);
  const ExactRun unplayed = Exact({"first_bet=2", "wager_limit=1"});  // the first bet passes the limit
  EXPECT_DOUBLE_EQ(unplayed.ended[IndexOf(Ending::High)], 1);
  EXPECT_DOUBLE_EQ(unplayed.played, 0);
  EXPECT_EQ(unplayed.session_games, (std::vector<std::pair<int32_t, double>>{{0, 1.0}}));
  RunSettings failing = ResetDefaults();
  failing.capital = 0;
  const ExactRun none = ComputeExactRun(failing);
  EXPECT_DOUBLE_EQ(none.ended[IndexOf(Ending::Check)], 10);
  EXPECT_DOUBLE_EQ(none.played, 0);
  MemoryBudget small(20000);  // far less than the defaults need
  const ExactRun refused = ComputeExactRun(ResetDefaults(), small);
  EXPECT_NE(refused.refused.find("budget of 0 MiB (at least 1 MiB, for more than"), std::string::npos)
      << refused.refused;
  EXPECT_GT(refused.needed_bytes, small.Limit());
  EXPECT_EQ(small.Used(), 0) << "the refused computation gave back what it held";
}

// A run refused at its budget in the middle of a game counts the states it
// held: those of the game not yet played and those the game has made, a
// row played being emptied at once. Flat bets whose colour changes after a
// win, their wins in a row kept: a state is a balance, a streak and a
// colour. Each balance and colour played makes one loss and at least as
// many wins as streaks less one, so a game makes no fewer states than it
// plays: the count lies between the states before the game and those
// before it and the next together.
TEST(ExactOdds, ARefusalAtTheBudgetCountsTheStatesItHeld) {
  MemoryBudget budget(1 << 16);
  int64_t games = 0;  // played whole
  const ExactRun run = ComputeExactRun(
      SettingsWith({{"capital=100000", "max_balance=200000", "games_per_session=10000", "switch_after_win=1",
                     "first_bet_after_win=0", "bet_after_wins=1,1,1,1,1,1,1,1,1,1,1",
                     "bet_after_losses=1,1,1,1,1,1,1,1,1,1,1"}}),
      budget, [&](int64_t, int64_t done, int64_t, const char*) { games = done; });
  ASSERT_NE(run.refused.find("states held at once"), std::string::npos) << run.refused;
  EXPECT_GT(games, 20) << "rows enough to be played before the one refused";
  using State = std::tuple<int32_t, int32_t, bool>;  // balance, wins in a row, colour
  std::set<State> reached{{0, 0, false}}, after;
  std::vector<int64_t> before;  // the states before each game
  while (before.size() < static_cast<std::size_t>(games) + 2) {
    before.push_back(static_cast<int64_t>(reached.size()));
    for (const auto& [balance, wins, red] : reached) {
      after.insert({State(balance + 1, std::min(wins + 1, kStreakBeyondTheRows), !red), State(balance - 1, 0, red)});
    }
    reached = std::exchange(after, {});
  }
  EXPECT_GE(run.peak_states, before[games]);
  EXPECT_LE(run.peak_states, before[games] + before[games + 1]);
}

// The Labouchère's lines grow half again a game, the reverse Labouchère's
// by a factor that slows yet outgrows every power of the games: both are
// stopped where that growth shows, long before the budget, unless the
// session ends first. Oscar's Grind's states, bounded by the balance, grow
// steeply only while its rows fill, and are computed within a budget they
// fit, not stopped by that start.
TEST(ExactOdds, StatesThatOutgrowEveryPowerAreStoppedBeforeThePassedBudget) {
  struct Case {
    std::vector<std::string> settings;
    int64_t budget_mib;
    const char* refused;  // the start of the refusal, or "" where none
  };
  const Case cases[] = {
      {{"system=labouchere"}, 64, "budget of 64 MiB (their states grow 1.5"},
      {{"system=reverse_labouchere"}, 64, "budget of 64 MiB (their states grow 1.1"},
      {{"system=labouchere", "games_per_session=16"}, 64, ""},
      {{"system=oscars_grind", "games_per_session=120"}, 80, ""},
      // Its power rises to 2.2 at game 105 and 9 MiB as its rows fill; all it computes takes 28 MB.
      {{"system=oscars_grind", "capital=100", "max_balance=200"}, 256, ""},
      // Along what was wagered its power rises up to game 36 and 24 MiB; it fits in 82 MiB.
      {{"system=oscars_grind", "capital=120", "max_balance=132", "wager_limit=300"}, 512, ""},
  };
  for (const Case& c : cases) {
    MemoryBudget budget(c.budget_mib << 20);
    const ExactRun run = ComputeExactRun(SettingsWith({c.settings}), budget);
    SCOPED_TRACE(c.settings.front() + (c.settings.size() > 1 ? " " + c.settings.back() : ""));
    if (*c.refused == '\0') {
      EXPECT_EQ(run.refused, "");
      continue;
    }
    EXPECT_NE(run.refused.find(c.refused), std::string::npos) << run.refused;
    EXPECT_NE(run.refused.find("faster than any power of the games played"), std::string::npos) << run.refused;
    EXPECT_EQ(budget.Used(), 0);
    // Stopped where the growth showed, not where the budget ran out: a
    // budget twice as large stops it at the same game, with the same states.
    MemoryBudget twice(c.budget_mib << 21);
    EXPECT_EQ(ComputeExactRun(SettingsWith({c.settings}), twice).peak_states, run.peak_states);
  }
}

// The first game at which the forecast stops a pass whose memory after
// game g is held(g) within 64 MiB, or 0.
int32_t StoppedAt(int32_t last_game, const std::function<double(int32_t)>& held) {
  GrowthForecast forecast(Axis::Balance, last_game);
  int32_t game = 1;
  while (game <= last_game && !forecast.After(game, static_cast<int64_t>(held(game)), 64 << 20)) ++game;
  return game > last_game ? 0 : game;
}

// A line that lengthens grows by a factor a game and is stopped once it
// holds a 64th of the room; states that grow as a steady power of the
// games are not, though they would pass it; nor are rows that take their
// room in steps late in a long session, as where balances of 100000 to
// 200000 fill over 10000 games (flat, then 4.9 to 8.5 MiB in ten games,
// then a step of 2 %), or where many rows double their room at once.
TEST(GrowthForecast, StopsGrowthByAFactorAGameNotByAPowerOrInSteps) {
  constexpr double kMiB = 1 << 20;
  EXPECT_EQ(StoppedAt(500, [](int32_t g) { return 1e5 * std::pow(1.05, g); }),
            static_cast<int32_t>(std::ceil(std::log(8 * kMiB / 1e5) / std::log(1.05))));
  EXPECT_EQ(StoppedAt(500, [](int32_t g) { return 0.084 * std::pow(g, 4); }), 0);
  EXPECT_EQ(StoppedAt(10000,
                      [](int32_t g) {
                        return kMiB * (g < 7289 ? 4.86 : g < 7299 ? 4.86 + 0.33 * (g - 7288) : g < 7313 ? 8.53 : 8.70);
                      }),
            0);
  EXPECT_EQ(StoppedAt(10000, [](int32_t g) { return 8.5 * kMiB * std::pow(1.072, std::clamp(g - 7300, 0, 10)); }), 0);
}

// A rest asked for right after one that differs from it in a single thing
// a later game tells apart is a rest of its own; asked again, it is the
// one it was. (The rests asked for last are compared before any is hashed.)
TEST(ExactOdds, RestsThatDifferInOneThingAreApart) {
  const SessionState base{0, 0, 2, 1, 2, false, 0, {1, 3, {1, 2}}};  // bet 2, streaks 1 and 2
  std::vector<SessionState> rows(4, base), line(5, base);
  rows[0].bet = line[0].bet = 3;
  rows[1].win_streak = 2;
  rows[2].loss_streak = 3;
  rows[3].bet_on_red = line[1].bet_on_red = true;
  line[2].system.level = 2;
  line[3].system.profit = 4;
  line[4].system.line = {1, 3};
  for (const auto& [set, changed] : {std::pair{"first_bet_after_win=0", rows}, std::pair{"system=labouchere", line}}) {
    const GameRules rules = RulesOf(SettingsWith({{set, "first_bet_after_loss=0"}}), true);
    MemoryBudget budget(1 << 20);
    Rests rests(rules, budget);
    const uint32_t first = rests.Intern(base);
    for (const SessionState& state : changed) {
      const uint32_t other = rests.Intern(state);
      EXPECT_NE(other, first) << set;
      EXPECT_EQ(rests.Intern(base), first) << set;
      EXPECT_EQ(rests.Intern(state), other) << set;
    }
  }
}

// A state carried into the next session comes back as it was carried: every
// streak the rows tell apart, up to one beyond them, on either colour, each a
// carried state of its own.
TEST(ExactOdds, ACarriedStateComesBackAsItWasCarried) {
  const GameRules rules = RulesOf(SettingsWith({{"first_bet_after_win=0", "first_bet_after_loss=0"}}), true);
  std::set<uint32_t> taken;
  for (int32_t streak = -kStreakBeyondTheRows; streak <= kStreakBeyondTheRows; ++streak) {  // losses below 0
    for (const bool red : {false, true}) {
      const SessionState state{0, 0, 0, std::max(streak, 0), std::max(-streak, 0), red, 0, {}};
      const uint32_t carried = CarriedOf(rules, state);
      EXPECT_TRUE(carried < kCarriedStates && taken.insert(carried).second) << streak << red;
      const SessionState back = CarriedState(carried);
      EXPECT_EQ(std::tie(back.win_streak, back.loss_streak, back.bet_on_red),
                std::tie(state.win_streak, state.loss_streak, state.bet_on_red));
    }
  }
}

}  // namespace
