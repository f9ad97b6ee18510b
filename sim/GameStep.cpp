#include "sim/GameStep.h"

#include <algorithm>
#include <cmath>

#include "sim/DecimalText.h"

namespace {

// Whole-number thresholds of a limit, within what 64 bits hold; a limit
// that is no number passes no comparison, as a double would not.
constexpr double kBeyond = 9.0e18;
int64_t FloorOf(double limit) {
  if (!(limit < kBeyond)) return INT64_MAX;
  return limit <= -kBeyond ? INT64_MIN : static_cast<int64_t>(std::floor(limit));
}
int64_t CeilOf(double limit) {
  if (!(limit < kBeyond)) return INT64_MAX;
  return limit <= -kBeyond ? INT64_MIN : static_cast<int64_t>(std::ceil(limit));
}

}  // namespace

void SetLimits(GameRules& rules, double wager_limit, double table_limit) {
  rules.most_wagered = FloorOf(wager_limit);
  rules.largest_bet = FloorOf(table_limit);
  rules.first_bet_from = CeilOf(table_limit);
}

void SetBalanceLimits(GameRules& rules, double max_balance, double min_balance) {
  rules.max_from = CeilOf(max_balance);
  rules.min_up_to = FloorOf(min_balance);
}

GameRules RulesOf(const SimSettings& settings, bool limits_pass) {
  GameRules rules;
  rules.first_bet = TruncateToInt32(settings.first_bet);
  rules.bet_after_wins = settings.bet_after_wins;
  rules.bet_after_losses = settings.bet_after_losses;
  // A count that passed its check lies from 1 to 10000.
  rules.last_game = static_cast<int32_t>(std::floor(settings.games_per_session));
  rules.whole_game_count = rules.last_game == settings.games_per_session;
  SetLimits(rules, settings.wager_limit, settings.table_limit);
  SetBalanceLimits(rules, settings.max_balance, settings.min_balance);
  rules.limits_pass = limits_pass;
  rules.switch_after_win = settings.switch_after_win;
  rules.first_bet_after_win = settings.first_bet_after_win;
  rules.first_bet_after_loss = settings.first_bet_after_loss;
  rules.first_bet_at_table_limit = settings.first_bet_at_table_limit;
  rules.double_zero = settings.double_zero;
  return rules;
}

SessionState SessionStart(const GameRules& rules, int32_t capital, const SessionState& carried) {
  SessionState state;
  state.balance = capital;
  state.bet = rules.first_bet;
  state.win_streak = carried.win_streak;
  state.loss_streak = carried.loss_streak;
  state.bet_on_red = carried.bet_on_red;
  return state;
}

SessionState Canonical(const GameRules& rules, const SessionState& state) {
  SessionState canonical = state;
  canonical.win_streak = rules.first_bet_after_win ? 0 : std::min(state.win_streak, kStreakBeyondTheRows);
  canonical.loss_streak = rules.first_bet_after_loss ? 0 : std::min(state.loss_streak, kStreakBeyondTheRows);
  return canonical;
}
