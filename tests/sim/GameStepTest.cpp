// The game step against cases worked out by hand: the rules and a state
// before a game in, the state after it and what happened out.
#include "sim/GameStep.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

namespace {

// The defaults: bet on black, the first bet after a loss, the first bet
// again at the table limit of 1000 (stored 1001), limits 0 and 550.
GameRules Defaults() {
  GameRules rules;
  rules.first_bet = 1;
  rules.bet_after_wins = {2, 5, 11, 23, 47, 95, 191, 382, 765, 1531, 3063};
  rules.bet_after_losses = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  rules.last_game = 500;
  rules.first_bet_after_loss = true;
  rules.first_bet_at_table_limit = true;
  SetLimits(rules, 100000, 1001);
  SetBalanceLimits(rules, 550, 0);
  return rules;
}

SessionState At(int32_t game, int32_t balance, int32_t bet, int32_t wins = 0, int32_t losses = 0, bool red = false,
                int64_t wagered = 0) {
  SessionState state;
  state.game = game;
  state.balance = balance;
  state.bet = bet;
  state.win_streak = wins;
  state.loss_streak = losses;
  state.bet_on_red = red;
  state.wagered = wagered;
  return state;
}

struct Case {
  const char* name;
  std::function<void(GameRules&)> change;
  SessionState before;
  int32_t number;  // 1 is red, 2 black, 0 zero, 37 double zero
  SessionState after;
  GameEnd end;
  bool spun;
};

// CTest lists a case by its name.
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const Case kCases[] = {
    {"AWinOnBlackStepsUpTheWinningRow", nullptr, At(0, 500, 1), 2, At(1, 501, 2, 1, 0, false, 1), GameEnd::None, true},
    {"ALossGoesBackToTheFirstBet", nullptr, At(3, 500, 5, 2), 1, At(4, 495, 1, 0, 1, false, 5), GameEnd::None, true},
    {"ZeroLosesBothColours", [](GameRules& r) { r.first_bet_after_loss = false; }, At(0, 500, 1, 0, 0, true), 0,
     At(1, 499, 2, 0, 1, true, 1), GameEnd::None, true},
    {"DoubleZeroLosesToo", [](GameRules& r) { r.double_zero = true; }, At(0, 500, 1), 37, At(1, 499, 1, 0, 1, false, 1),
     GameEnd::None, true},
    {"BeyondElevenInARowTheBetStays", nullptr, At(0, 300, 40, 11), 2, At(1, 340, 40, 12, 0, false, 40), GameEnd::None,
     true},
    {"AtTheTableLimitTheNextBetIsTheFirstAgain", [](GameRules& r) { SetLimits(r, 100000, 11); }, At(0, 300, 5, 2), 2,
     At(1, 305, 1, 3, 0, false, 5), GameEnd::None, true},
    {"WithoutTheResetABetOfTheLimitIsStillPlayed",
     [](GameRules& r) {
       r.first_bet_at_table_limit = false;
       SetLimits(r, 100000, 11);
       r.bet_after_wins[3] = 11;
     },
     At(0, 300, 5, 3), 2, At(1, 305, 11, 4, 0, false, 5), GameEnd::None, true},
    {"WithoutTheResetABetBeyondTheLimitStopsBeforeTheSpin",
     [](GameRules& r) {
       r.first_bet_at_table_limit = false;
       SetLimits(r, 100000, 11);
     },
     At(1, 300, 12, 4), 2, At(1, 300, 12, 4), GameEnd::TableLimitOrBalance, false},
    {"ABetTheBalanceCannotCoverStops", nullptr, At(4, 3, 5, 2), 2, At(4, 3, 5, 2), GameEnd::TableLimitOrBalance, false},
    {"TheBetThatWouldPassTheWagerLimitIsNotPlayed", [](GameRules& r) { SetLimits(r, 10, 1001); },
     At(5, 500, 2, 1, 0, false, 9), 2, At(5, 500, 2, 1, 0, false, 9), GameEnd::WagerLimit, false},
    {"TheColourSwitchesAfterAWin", [](GameRules& r) { r.switch_after_win = true; }, At(0, 500, 1, 0, 0, true), 1,
     At(1, 501, 2, 1, 0, false, 1), GameEnd::None, true},
    {"TheColourSwitchesOnTheDoubleZeroWheelToo",
     [](GameRules& r) {
       r.switch_after_win = true;
       r.double_zero = true;
     },
     At(0, 500, 1), 2, At(1, 501, 2, 1, 0, true, 1), GameEnd::None, true},
    {"ReachingTheMaxBalanceEnds", nullptr, At(7, 545, 5, 1), 2, At(8, 550, 5, 2, 0, false, 5), GameEnd::MaxBalance,
     true},
    {"BothLimitsInOneGame",
     [](GameRules& r) {
       SetBalanceLimits(r, 11, 0);
       r.bet_after_wins[0] = 500;
       r.first_bet_at_table_limit = false;
     },
     At(0, 10, 1), 2, At(1, 11, 500, 1, 0, false, 1), GameEnd::MaxAndMinBalance, true},
    {"ABalanceAtTheMinBalanceEnds", [](GameRules& r) { SetBalanceLimits(r, 550, 100); }, At(2, 110, 10, 0, 1), 1,
     At(3, 100, 1, 0, 2, false, 10), GameEnd::MinBalance, true},
    {"TheLastGameOfAWholeCountEndsCounted", [](GameRules& r) { r.last_game = 3; }, At(2, 500, 1), 2,
     At(3, 501, 2, 1, 0, false, 1), GameEnd::LastGame, true},
    {"TheLastWholeGameOfAFractionalCountEndsUncounted",
     [](GameRules& r) {
       r.last_game = 3;
       r.whole_game_count = false;
     },
     At(2, 500, 1), 2, At(3, 501, 2, 1, 0, false, 1), GameEnd::LastGameUncounted, true},
    {"BalanceLimitsThatFailedTheirCheckEndTheFirstGame", [](GameRules& r) { r.limits_pass = false; }, At(0, 500, 1), 2,
     At(1, 501, 2, 1, 0, false, 1), GameEnd::FailedCheck, true},
};

class Games : public ::testing::TestWithParam<Case> {};

TEST_P(Games, EndAsWorkedOutByHand) {
  const Case& c = GetParam();
  GameRules rules = Defaults();
  if (c.change) c.change(rules);
  SessionState state = c.before;
  bool asked = false;
  const GameEvent event = PlayGame(rules, state, [&] {
    asked = true;
    return c.number;
  });
  EXPECT_EQ(event.end, c.end);
  EXPECT_EQ(event.spun, c.spun);
  EXPECT_EQ(asked, c.spun) << "the wheel turns only for a game that reaches its spin";
  EXPECT_EQ(state.game, c.after.game);
  EXPECT_EQ(state.balance, c.after.balance);
  EXPECT_EQ(state.bet, c.after.bet);
  EXPECT_EQ(state.win_streak, c.after.win_streak);
  EXPECT_EQ(state.loss_streak, c.after.loss_streak);
  EXPECT_EQ(state.bet_on_red, c.after.bet_on_red);
  EXPECT_EQ(state.wagered, c.after.wagered);
  if (c.spun) {
    EXPECT_EQ(event.bet, c.before.bet);
    EXPECT_EQ(event.won, state.balance > c.before.balance);
    EXPECT_EQ(event.colour_switched, state.bet_on_red != c.before.bet_on_red);
  }
}

INSTANTIATE_TEST_SUITE_P(Step, Games, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GameStep, StatesNoLaterGameTellsApartAreOne) {
  GameRules rules = Defaults();
  // The losing streak changes no bet where every loss brings the first bet
  // back; a winning streak beyond the row plays as one just beyond it.
  const SessionState canonical = Canonical(rules, At(4, 500, 1, 40, 0));
  EXPECT_EQ(canonical.win_streak, kStreakBeyondTheRows);
  EXPECT_EQ(Canonical(rules, At(4, 500, 1, 0, 7)).loss_streak, 0);
  rules.first_bet_after_loss = false;
  EXPECT_EQ(Canonical(rules, At(4, 500, 1, 0, 7)).loss_streak, 7);
  // Whatever a game does, a canonical state does it alike.
  for (int32_t number : {0, 1, 2}) {
    SessionState a = At(3, 500, 9, 0, 20);
    SessionState b = Canonical(rules, a);
    PlayGame(rules, a, [&] { return number; });
    PlayGame(rules, b, [&] { return number; });
    EXPECT_EQ(a.bet, b.bet);
    EXPECT_EQ(a.balance, b.balance);
  }
}

}  // namespace
