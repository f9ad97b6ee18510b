// The betting systems and the zero rules against games worked out by hand:
// a sequence of spins in, the bets they placed, the balance after them, the
// next bet, and a Labouchère's line after each game out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/GameStep.h"

namespace {

using Line = std::vector<int32_t>;

struct SystemCase {
  const char* name;
  BetSystem system;
  ZeroRule zero;
  int32_t unit;       // the first bet
  const char* spins;  // W wins (black), L loses (red), Z is zero
  std::vector<double> bets;
  double balance;  // after the spins, from 500
  double next_bet;
  std::vector<Line> lines{};  // a Labouchère's line after each game
  double table_limit = 1000;  // as entered
  bool restart_at_table_limit = true;
  Line start_line{1, 2, 3, 4};
  GameEnd last_end = GameEnd::None;
};

const auto D = BetSystem::DAlembert;
const auto CD = BetSystem::ContraDAlembert;
const auto LB = BetSystem::Labouchere;
const auto RL = BetSystem::ReverseLabouchere;
const auto OG = BetSystem::OscarsGrind;
const auto FB = BetSystem::Fibonacci;
const auto Lose = ZeroRule::Lose;
const auto Partage = ZeroRule::LaPartage;
const auto Prison = ZeroRule::EnPrison;

// One case a row, as a table reads.
// clang-format off
const SystemCase kSystemCases[] = {
    {"DAlembertNeverBelowOneUnit", D, Lose, 2, "LLWWW", {2, 4, 6, 4, 2}, 506, 2},
    {"ContraDAlembertTheOtherWay", CD, Lose, 1, "WWLLL", {1, 2, 3, 2, 1}, 497, 1},
    {"LabouchereCrossesOutOnAWinAndStartsAgain", LB, Lose, 1, "LLWWW", {5, 6, 7, 7, 7}, 510, 5,
     {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 6}, {2, 3, 4, 5}, {3, 4}, {1, 2, 3, 4}}},
    {"LabouchereBetsTheLastEntryAlone", LB, Lose, 3, "WW", {12, 6}, 518, 12, {{2}, {1, 2, 3}}, 1000, true, {1, 2, 3}},
    {"ReverseLabouchereAppendsOnAWin", RL, Lose, 1, "WWLLL", {5, 6, 7, 7, 7}, 490, 5,
     {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 6}, {2, 3, 4, 5}, {3, 4}, {1, 2, 3, 4}}},
    {"OscarsGrindRaisesNoFurtherThanTheCycleNeeds", OG, Lose, 1, "LLLWWW", {1, 1, 1, 1, 2, 1}, 501, 1},
    {"FibonacciUpOneLevelDownTwo", FB, Lose, 1, "LLLLWWW", {1, 1, 2, 3, 5, 2, 1}, 501, 1},
    {"AtTheTableLimitTheSystemStartsAgain", D, Lose, 1, "LLLL", {1, 2, 3, 1}, 493, 2, {}, 3},
    {"AtTheTableLimitALabouchereTakesAFreshLine", LB, Lose, 1, "LL", {5, 6}, 489, 5, {{1, 2, 3, 4, 5}, {1, 2, 3, 4}}, 6},
    {"WithoutTheRestartABetBeyondTheLimitStops", D, Lose, 1, "LLLLL", {1, 2, 3, 4}, 490, 5, {}, 3, false, {1, 2, 3, 4},
     GameEnd::TableLimitOrBalance},
    {"LaPartageGivesHalfBackAndCountsAsALoss", D, Partage, 1, "ZW", {1, 2}, 501.5, 1},
    {"LaPartageOnTheRows", BetSystem::Rows, Partage, 1, "ZZ", {1, 1}, 499, 1},
    {"LaPartageRoundsOscarsRaiseUpToWholeMoney", OG, Partage, 1, "ZWW", {1, 1, 1}, 501.5, 1},
    {"LaPartageAppendsTheWholeBetToTheLine", LB, Partage, 1, "Z", {5}, 497.5, 6, {{1, 2, 3, 4, 5}}},
    {"EnPrisonReturnsTheBetOnItsColour", D, Prison, 1, "ZWL", {1, 1}, 499, 2},
    {"EnPrisonLosesOnTheOtherColourOrZero", D, Prison, 1, "ZLZZ", {1, 2}, 497, 3},
};
// clang-format on

void PrintTo(const SystemCase& c, std::ostream* os) { *os << c.name; }

class Systems : public ::testing::TestWithParam<SystemCase> {};

TEST_P(Systems, BetAsWorkedOutByHand) {
  const SystemCase& c = GetParam();
  SimSettings settings;
  settings.system = c.system;
  settings.zero_rule = c.zero;
  settings.first_bet = c.unit;
  settings.games_per_session = 100;
  settings.wager_limit = 100000;
  settings.table_limit = c.table_limit + 1;
  settings.max_balance = 100000;
  settings.first_bet_at_table_limit = c.restart_at_table_limit;
  // The rows' first-bet options do not apply to a system.
  settings.first_bet_after_loss = true;
  settings.bet_after_wins.fill(1);
  settings.bet_after_losses.fill(1);
  settings.line.length = static_cast<int32_t>(c.start_line.size());
  std::copy(c.start_line.begin(), c.start_line.end(), settings.line.units.begin());
  const GameRules rules = RulesOf(settings, true);
  const double quanta = rules.quanta;
  SessionState state = SessionStart(rules, 500, SessionState());
  const std::string spins = c.spins;
  std::size_t next = 0;
  const auto spin = [&] {
    const char s = next < spins.size() ? spins[next++] : 'L';
    return s == 'W' ? 2 : s == 'L' ? 1 : 0;
  };
  std::vector<double> bets;
  std::vector<Line> lines;
  GameEvent event;
  while (next < spins.size()) {
    event = PlayGame(rules, state, spin);
    if (!event.spun) break;
    bets.push_back(event.bet / quanta);
    lines.push_back(state.system.line);
  }
  EXPECT_EQ(bets, c.bets);
  EXPECT_EQ(state.balance / quanta, c.balance);
  EXPECT_EQ(state.bet / quanta, c.next_bet);
  EXPECT_EQ(event.end, c.last_end);
  if (!c.lines.empty()) {
    EXPECT_EQ(lines, c.lines);
  }
}

INSTANTIATE_TEST_SUITE_P(Step, Systems, ::testing::ValuesIn(kSystemCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ZeroRules, ApplyOnlyToTheSingleZeroWheel) {
  SimSettings settings;
  settings.first_bet = 1;
  settings.zero_rule = ZeroRule::LaPartage;
  settings.double_zero = true;
  EXPECT_EQ(RulesOf(settings, true).zero_rule, ZeroRule::Lose);
  EXPECT_EQ(RulesOf(settings, true).quanta, 1);
  settings.double_zero = false;
  const GameRules rules = RulesOf(settings, true);
  EXPECT_EQ(rules.quanta, 2);
  EXPECT_EQ(rules.first_bet, 2);
}

TEST(ZeroRules, LimitsHoldForHalves) {
  // A balance of 549.5 is below a max balance of 550, 0.5 above a min of 0.
  GameRules rules;
  rules.quanta = 2;
  SetLimits(rules, 10.5, 5.5);
  SetBalanceLimits(rules, 550, 0.5);
  EXPECT_EQ(rules.most_wagered, 21);
  EXPECT_EQ(rules.largest_bet, 11);
  EXPECT_EQ(rules.first_bet_from, 11);
  EXPECT_EQ(rules.max_from, 1100);
  EXPECT_EQ(rules.min_up_to, 1);
}

}  // namespace
