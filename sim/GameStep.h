#pragma once

#include <cstddef>
#include <cstdint>

#include "sim/BetSystem.h"
#include "sim/SimSettings.h"
#include "sim/Wheel.h"

// The rules of one game of a session as a pure step: the rules a session
// plays by and its state before a game go in, with the wheel's number; its
// state after the game and what happened come out. The window's engine,
// the batch program's sampled runs and its exact odds all play this step,
// so a rule is written here and nowhere else.

// What a session plays by, fixed when it starts. Money (the balance, bets,
// what was wagered and the limits) is counted in quanta: one to a unit of
// money, or two where la partage gives half a bet back.
struct GameRules {
  int32_t quanta = 1;
  int32_t first_bet = 1;  // in quanta: the unit of every system
  BetSystem system = BetSystem::Rows;
  ZeroRule zero_rule = ZeroRule::Lose;
  ProgressionRow bet_after_wins{};  // in quanta
  ProgressionRow bet_after_losses{};
  // A Labouchère's line as each cycle starts it, in units of the first bet.
  StartLine line{};
  // The games a session plays at most, and whether that is the whole count
  // (a fractional count ends after its last whole game, without a count).
  int32_t last_game = 0;
  bool whole_game_count = true;
  // The limits as whole-number thresholds (SetLimits). Balances, bets and
  // what was wagered are whole numbers, so comparing one with a threshold
  // is comparing it with its limit, without a conversion in every game.
  int64_t most_wagered = 0;    // more than this passes the wager limit
  int64_t largest_bet = 0;     // a larger bet passes the table limit
  int64_t first_bet_from = 0;  // a next bet from here is at the table limit
  int64_t max_from = 0;        // a balance from here is at the max balance
  int64_t min_up_to = 0;       // a balance up to here is at the min balance
  // Whether the balance limits passed their check; where they did not, the
  // first game ends the session.
  bool limits_pass = true;
  bool switch_after_win = false;
  bool first_bet_after_win = false;
  bool first_bet_after_loss = false;
  bool first_bet_at_table_limit = false;
  bool double_zero = false;
};

// The rules as the engine reads them from checked settings; money in
// quanta from here on.
GameRules RulesOf(const SimSettings& settings, bool limits_pass);
// The wager limit and the table limit (its stored value, the entry plus
// one), and the balance limits, which the window reads again after a
// session's first game.
void SetLimits(GameRules& rules, double wager_limit, double table_limit);
void SetBalanceLimits(GameRules& rules, double max_balance, double min_balance);

// A session's state before a game, money in quanta. The streaks and the
// colour bet carry from one session into the next; the rest starts afresh.
struct SessionState {
  int32_t game = 0;  // games played so far
  int32_t balance = 0;
  int32_t bet = 0;  // the bet of the next game
  int32_t win_streak = 0;
  int32_t loss_streak = 0;
  bool bet_on_red = false;
  int64_t wagered = 0;  // the bets of this session, the next one's included once it is placed
  SystemState system;   // what a system other than the rows carries
};

// The state a session starts in, with `capital` units of money, after the
// one the last session left.
SessionState SessionStart(const GameRules& rules, int32_t capital, const SessionState& carried);

// A system other than the rows: starts afresh (its next bet its first), and
// books a game's outcome into its state and the next bet.
void StartSystem(const GameRules& rules, SessionState& state);
void BookSystem(const GameRules& rules, SessionState& state, BetOutcome outcome);

// Why a session ended at a game, if it did.
enum class GameEnd : uint8_t {
  None,
  WagerLimit,           // the next bet would pass the wager limit: not played
  TableLimitOrBalance,  // the next bet passes the table limit or the balance: not played
  MaxBalance,
  MinBalance,         // at or below the min balance, or below the next bet
  MaxAndMinBalance,   // both at once
  LastGame,           // the last game of a whole count
  LastGameUncounted,  // the last whole game of a fractional count
  FailedCheck,        // the balance limits failed their check after the first game
};

// What a game did.
struct GameEvent {
  GameEnd end = GameEnd::None;
  bool spun = false;  // the wheel turned (a game stopped before its spin does not)
  int32_t number = 0;
  int32_t prison_number = -1;  // en prison: the spin that freed or lost the bet
  int32_t bet = 0;             // the bet placed, when spun
  bool bet_on_red = false;     // its colour
  BetOutcome outcome = BetOutcome::Lost;
  bool won = false;
  bool colour_switched = false;
};

// The game's parts in the order the engine plays them, for a caller that
// shows the game between them: the checks before the spin (a game that
// passes them is counted and its bet joins what was wagered; one that does
// not was never played and counts nothing), the settlement of the number,
// and the checks after it. Inline: a game costs about as much as these.

inline GameEnd EndBeforeSpin(const GameRules& rules, SessionState& state) {
  if (state.wagered + state.bet > rules.most_wagered) return GameEnd::WagerLimit;
  if (state.balance < state.bet || state.bet > rules.largest_bet) return GameEnd::TableLimitOrBalance;
  ++state.game;
  state.wagered += state.bet;
  return GameEnd::None;
}

namespace game_detail {

// Only the opposite outcome resets a streak, and a streak stops at the
// largest count it can hold.
inline void Extend(int32_t& streak, int32_t& other) {
  other = 0;
  if (streak < INT32_MAX) ++streak;
}

// The row's entry for a streak of 1 to 11; beyond, the bet stays. (One
// unsigned comparison covers both ends.)
inline int32_t Entry(const ProgressionRow& row, int32_t streak, int32_t bet) {
  const auto index = static_cast<uint32_t>(streak) - 1u;
  return index < kRowLength ? row[index] : bet;
}

}  // namespace game_detail

// A game's outcome booked: the balance, the colour switch after a win and
// the next bet. The rows count the streaks and take the next bet from
// them and the first-bet options; another system picks it itself. A bet
// half lost counts as lost for the streaks and the systems; one that came
// back changes nothing.
inline void Book(const GameRules& rules, SessionState& state, BetOutcome outcome, GameEvent& event) {
  event.outcome = outcome;
  event.won = outcome == BetOutcome::Won;
  if (outcome == BetOutcome::Returned) return;
  if (rules.system != BetSystem::Rows) {
    state.balance += event.won ? state.bet : outcome == BetOutcome::HalfBack ? -state.bet / 2 : -state.bet;
    if (event.won && rules.switch_after_win) {
      state.bet_on_red = !state.bet_on_red;
      event.colour_switched = true;
    }
    BookSystem(rules, state, outcome);
    return;
  }
  if (event.won) {
    game_detail::Extend(state.win_streak, state.loss_streak);
    state.balance += state.bet;
    state.bet = game_detail::Entry(rules.bet_after_wins, state.win_streak, state.bet);
    if (rules.switch_after_win) {
      state.bet_on_red = !state.bet_on_red;
      event.colour_switched = true;
    }
    if (rules.first_bet_after_win) state.bet = rules.first_bet;
  } else {
    game_detail::Extend(state.loss_streak, state.win_streak);
    state.balance -= outcome == BetOutcome::HalfBack ? state.bet / 2 : state.bet;
    state.bet = game_detail::Entry(rules.bet_after_losses, state.loss_streak, state.bet);
    if (rules.first_bet_after_loss) state.bet = rules.first_bet;
  }
  if (state.bet <= rules.quanta) state.bet = rules.quanta;
}

// How the colour bet came out: 0 and 00 lose both colours, except where a
// zero rule of the single-zero wheel gives half back or turns the wheel
// again (`spin()`) for the imprisoned bet.
template <class Spin>
inline BetOutcome OutcomeOf(const GameRules& rules, bool bet_on_red, int32_t number, Spin&& spin, GameEvent& event) {
  const NumberColour bet_colour = bet_on_red ? NumberColour::Red : NumberColour::Black;
  const NumberColour colour = ColourOf(number);
  if (colour == bet_colour) return BetOutcome::Won;
  if (colour != NumberColour::Zero || rules.zero_rule == ZeroRule::Lose) return BetOutcome::Lost;
  if (rules.zero_rule == ZeroRule::LaPartage) return BetOutcome::HalfBack;
  event.prison_number = spin();
  return ColourOf(event.prison_number) == bet_colour ? BetOutcome::Returned : BetOutcome::Lost;
}

// The first number settled on the colour bet (and, en prison, a second one
// from `spin()`); a next bet at the table limit starts again from the first
// bet, or the system's first, where the option says so.
template <class Spin>
inline void SettleSpins(const GameRules& rules, SessionState& state, int32_t number, Spin&& spin, GameEvent& event) {
  event.spun = true;
  event.number = number;
  event.bet = state.bet;
  event.bet_on_red = state.bet_on_red;
  Book(rules, state, OutcomeOf(rules, state.bet_on_red, number, spin, event), event);
  if (rules.first_bet_at_table_limit && state.bet >= rules.first_bet_from) {
    if (rules.system == BetSystem::Rows) {
      state.bet = rules.first_bet;
    } else {
      StartSystem(rules, state);
    }
  }
}

// The number settled, where no zero rule turns the wheel again.
inline void Settle(const GameRules& rules, SessionState& state, int32_t number, GameEvent& event) {
  SettleSpins(
      rules, state, number, [number] { return number; }, event);
}

inline GameEnd EndAfterSettlement(const GameRules& rules, const SessionState& state) {
  if (!rules.limits_pass && state.game == 1) return GameEnd::FailedCheck;
  if (state.balance >= state.bet && state.balance > rules.min_up_to && state.balance < rules.max_from) {
    if (state.game < rules.last_game) return GameEnd::None;
    return rules.whole_game_count ? GameEnd::LastGame : GameEnd::LastGameUncounted;
  }
  const bool high = state.balance >= rules.max_from;
  const bool low = state.balance < state.bet || state.balance <= rules.min_up_to;
  if (high && low) return GameEnd::MaxAndMinBalance;
  return high ? GameEnd::MaxBalance : GameEnd::MinBalance;
}

// A game's outcome depends on its number (state.game) only where it is the
// session's first game or its last: every game in between plays alike. The
// game that plays as game `game` does: 1, the last, or 2 for any between.
// Callers that keep what a game does may keep it by this number.
inline int32_t GameAlike(const GameRules& rules, int32_t game) {
  if (game <= 1) return 1;
  return game >= rules.last_game ? rules.last_game : 2;
}

// One game: `spin()` is asked for the number only if the game reaches its
// spin.
template <class Spin>
inline GameEvent PlayGame(const GameRules& rules, SessionState& state, Spin&& spin) {
  GameEvent event;
  event.end = EndBeforeSpin(rules, state);
  if (event.end != GameEnd::None) return event;
  const int32_t number = spin();
  SettleSpins(rules, state, number, spin, event);
  event.end = EndAfterSettlement(rules, state);
  return event;
}

// Two states that differ only in what no later game can tell apart play
// alike. A streak longer than the rows no longer changes the bet, so it is
// cut to one beyond them; where a first-bet option replaces every bet after
// a win (or a loss), the winning (or losing) streak changes no bet at all,
// and is 0; a system other than the rows counts no streaks. The state with
// its streaks so cut, or the streaks alone.
constexpr int32_t kStreakBeyondTheRows = static_cast<int32_t>(kRowLength) + 1;
SessionState Canonical(const GameRules& rules, const SessionState& state);
struct Streaks {
  int32_t win = 0;
  int32_t loss = 0;
};
Streaks CanonicalStreaks(const GameRules& rules, const SessionState& state);
