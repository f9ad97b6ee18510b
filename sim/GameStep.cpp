#include "sim/GameStep.h"

#include <algorithm>
#include <array>
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

// A bet of `units` first bets, in quanta; one beyond any balance where it
// would not fit.
int32_t BetOf(const GameRules& rules, int64_t units) {
  const int64_t bet = units * rules.first_bet;
  return bet > INT32_MAX || units > INT32_MAX ? INT32_MAX : static_cast<int32_t>(bet);
}

// The true Fibonacci numbers, as far as a bet of 32 bits can need them.
constexpr int32_t kFibonacciLevels = 46;
constexpr std::array<int64_t, kFibonacciLevels> kFibonacci = [] {
  std::array<int64_t, kFibonacciLevels> numbers{};
  numbers[0] = numbers[1] = 1;
  for (std::size_t k = 2; k < numbers.size(); ++k) numbers[k] = numbers[k - 1] + numbers[k - 2];
  return numbers;
}();

// A Labouchère's next bet: its line's first and last entries, or the one
// left; an empty line is a cycle done, and the line starts again.
void LineBet(const GameRules& rules, SessionState& state) {
  std::vector<int32_t>& line = state.system.line;
  if (line.empty()) line.assign(rules.line.units.begin(), rules.line.units.begin() + rules.line.length);
  const int64_t units = line.size() == 1 ? line.front() : int64_t{line.front()} + line.back();
  state.system.level = static_cast<int32_t>(std::min<int64_t>(units, INT32_MAX));
  state.bet = BetOf(rules, units);
}

void CrossOut(std::vector<int32_t>& line) {
  if (!line.empty()) line.pop_back();
  if (!line.empty()) line.erase(line.begin());
}

// Oscar's Grind after a game: a cycle that reached one unit of profit
// starts again; after a win the bet rises by a unit, but not beyond what
// would take the cycle past one unit (rounded up to whole money).
void GrindBet(const GameRules& rules, SessionState& state, bool won, int32_t change) {
  SystemState& system = state.system;
  system.profit += change;
  if (system.profit >= rules.first_bet) {
    StartSystem(rules, state);
    return;
  }
  if (!won) return;
  const int64_t wanted = int64_t{rules.first_bet} - system.profit;
  const int64_t whole = (wanted + rules.quanta - 1) / rules.quanta * rules.quanta;
  state.bet = static_cast<int32_t>(std::min<int64_t>({int64_t{state.bet} + rules.first_bet, whole, INT32_MAX}));
}

}  // namespace

void SetLimits(GameRules& rules, double wager_limit, double table_limit) {
  rules.most_wagered = FloorOf(wager_limit * rules.quanta);
  rules.largest_bet = FloorOf(table_limit * rules.quanta);
  rules.first_bet_from = CeilOf(table_limit * rules.quanta);
}

void SetBalanceLimits(GameRules& rules, double max_balance, double min_balance) {
  rules.max_from = CeilOf(max_balance * rules.quanta);
  rules.min_up_to = FloorOf(min_balance * rules.quanta);
}

void StartSystem(const GameRules& rules, SessionState& state) {
  state.system = SystemState();
  switch (rules.system) {
    case BetSystem::Rows: state.bet = rules.first_bet; return;
    case BetSystem::DAlembert:
    case BetSystem::ContraDAlembert: state.system.level = 1; break;
    case BetSystem::Labouchere:
    case BetSystem::ReverseLabouchere: LineBet(rules, state); return;
    case BetSystem::OscarsGrind:
    case BetSystem::Fibonacci: break;
  }
  state.bet = rules.first_bet;
}

void BookSystem(const GameRules& rules, SessionState& state, BetOutcome outcome) {
  const bool won = outcome == BetOutcome::Won;
  SystemState& system = state.system;
  int32_t& level = system.level;
  switch (rules.system) {
    case BetSystem::Rows: return;
    case BetSystem::DAlembert:
    case BetSystem::ContraDAlembert:
      level = won == (rules.system == BetSystem::ContraDAlembert) ? std::min(level, INT32_MAX - 1) + 1
                                                                  : std::max(1, level - 1);
      state.bet = BetOf(rules, level);
      return;
    case BetSystem::Fibonacci:
      level = won ? std::max(0, level - 2) : std::min(level + 1, kFibonacciLevels - 1);
      state.bet = BetOf(rules, kFibonacci[static_cast<std::size_t>(level)]);
      return;
    case BetSystem::Labouchere:
    case BetSystem::ReverseLabouchere:
      if (won == (rules.system == BetSystem::Labouchere)) {
        CrossOut(system.line);
      } else {
        system.line.push_back(level);
      }
      LineBet(rules, state);
      return;
    case BetSystem::OscarsGrind:
      GrindBet(rules, state, won, won ? state.bet : outcome == BetOutcome::HalfBack ? -(state.bet / 2) : -state.bet);
      return;
  }
}

GameRules RulesOf(const SimSettings& settings, bool limits_pass) {
  GameRules rules;
  // Halves of a bet come back only on the single-zero wheel.
  rules.zero_rule = settings.double_zero ? ZeroRule::Lose : settings.zero_rule;
  rules.quanta = rules.zero_rule == ZeroRule::LaPartage ? 2 : 1;
  rules.system = settings.system;
  rules.line = settings.line;
  rules.first_bet = TruncateToInt32(settings.first_bet) * rules.quanta;
  for (std::size_t k = 0; k < kRowLength; ++k) {
    rules.bet_after_wins[k] = settings.bet_after_wins[k] * rules.quanta;
    rules.bet_after_losses[k] = settings.bet_after_losses[k] * rules.quanta;
  }
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
  state.balance = capital * rules.quanta;
  StartSystem(rules, state);
  state.win_streak = carried.win_streak;
  state.loss_streak = carried.loss_streak;
  state.bet_on_red = carried.bet_on_red;
  return state;
}

Streaks CanonicalStreaks(const GameRules& rules, const SessionState& state) {
  const bool rows = rules.system == BetSystem::Rows;
  return {!rows || rules.first_bet_after_win ? 0 : std::min(state.win_streak, kStreakBeyondTheRows),
          !rows || rules.first_bet_after_loss ? 0 : std::min(state.loss_streak, kStreakBeyondTheRows)};
}

SessionState Canonical(const GameRules& rules, const SessionState& state) {
  SessionState canonical = state;
  const Streaks streaks = CanonicalStreaks(rules, state);
  canonical.win_streak = streaks.win;
  canonical.loss_streak = streaks.loss;
  return canonical;
}
