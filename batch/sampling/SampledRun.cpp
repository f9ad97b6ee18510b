#include "batch/sampling/SampledRun.h"

#include "sim/DecimalText.h"
#include "sim/GameStep.h"
#include "sim/NumberGenerator.h"
#include "sim/RunStart.h"
#include "sim/SettingTable.h"

namespace {

// The games of one session, played to its end. What was wagered and how
// many games were played the step counts itself; only what it does not
// count is added up here, and the bets on red only where the colour can
// change within the session.
// The rules, the state, the generator and the sums are locals within, where
// the compiler keeps what a game uses in registers.
// With kCourse, the balance after every game played joins `course`;
// with kWonTracked, whether a game was won joins `won_sum` (once a run has
// won a game, its later sessions need not ask, and their loop is leaner).
template <bool kColourChanges, bool kCourse = false, bool kWonTracked = true>
GameEnd PlaySession(const GameRules& session_rules, SessionState& session, uint32_t& generator_state,
                    int64_t& squared_sum, int64_t& on_red_sum, bool& won_sum, std::vector<int32_t>* course = nullptr) {
  const GameRules rules = session_rules;
  SessionState state = session;
  uint32_t generator = generator_state;
  const int32_t numbers = WheelNumbers(rules.double_zero);
  const auto spin = [&generator, numbers] {
    for (;;) {
      const int32_t n = NumberGenerator::Step(generator) % kRawModulus;
      if (n < numbers) return n;
    }
  };
  int64_t squared_bets = 0;
  int64_t on_red = 0;
  bool won = false;
  const auto book = [&](const GameEvent& event) {
    const int64_t bet = event.bet;
    squared_bets += bet * bet;
    if (kColourChanges) on_red += event.bet_on_red ? bet : 0;
  };
  GameEnd end = GameEnd::None;
  for (;;) {
    const GameEvent event = PlayGame(rules, state, spin);
    if (kWonTracked) won |= event.won;
    end = event.end;
    if (kCourse && event.spun) course->push_back(state.balance);
    if (end == GameEnd::None) {
      book(event);
      continue;
    }
    if (event.spun) book(event);
    break;
  }
  session = state;
  generator_state = generator;
  squared_sum += squared_bets;
  on_red_sum += on_red;
  won_sum |= won;
  return end;
}

}  // namespace

RunOutcome PlayRun(const SimSettings& settings, int64_t seed, int32_t run, int32_t courses) {
  RunOutcome outcome;
  outcome.seed = seed;
  outcome.capital = TruncateToInt32(settings.capital);
  const RunStart start = StartOf(settings);
  if (start.count_failure) {
    outcome.messages.emplace_back(start.count_failure->message);
    return outcome;
  }
  const SettingSpec* start_failure = start.start_failure;
  const SettingSpec* limits_failure = start.limits_failure;
  const GameRules& rules = start.rules;
  outcome.double_zero = start_failure == nullptr && settings.double_zero;
  outcome.quanta = rules.quanta;
  outcome.zero_rule = rules.zero_rule;
  const int32_t capital = start.capital;
  uint32_t generator = RunGenerator(seed);
  SessionState carried;
  carried.bet_on_red = settings.bet_on_red;
  carried.balance = start.reset_balance;
  const int32_t sessions = start.sessions;
  outcome.sessions.reserve(static_cast<std::size_t>(sessions));
  // Kept in locals across the games, where the compiler keeps them in registers.
  int64_t squared_bets = 0;
  int64_t wagered = 0;
  int64_t on_red = 0;
  bool won = false;
  for (int32_t session = 1; session <= sessions; ++session) {
    NumberGenerator::Step(generator);  // the poll tick's display
    SessionRecord record;
    record.run = run;
    record.session = session;
    if (start_failure) {
      outcome.messages.emplace_back(start_failure->message);
      record.final_balance = carried.balance;
      record.ending = SessionEnding::FailedCheck;
      outcome.sessions.push_back(record);
      continue;
    }
    SessionState state = SessionStart(rules, capital, carried);
    const bool started_on_red = state.bet_on_red;
    int64_t session_on_red = 0;
    GameEnd end = GameEnd::None;
    if (session <= courses) {
      std::vector<int32_t>& course = outcome.courses.emplace_back(1, state.balance);
      end = rules.switch_after_win
                ? PlaySession<true, true>(rules, state, generator, squared_bets, session_on_red, won, &course)
                : PlaySession<false, true>(rules, state, generator, squared_bets, session_on_red, won, &course);
    } else {
      end = rules.switch_after_win
                ? (won ? PlaySession<true, false, false>(rules, state, generator, squared_bets, session_on_red, won)
                       : PlaySession<true>(rules, state, generator, squared_bets, session_on_red, won))
                : (won ? PlaySession<false, false, false>(rules, state, generator, squared_bets, session_on_red, won)
                       : PlaySession<false>(rules, state, generator, squared_bets, session_on_red, won));
    }
    record.games = state.game;
    record.wagered = state.wagered;
    wagered += record.wagered;
    on_red += rules.switch_after_win ? session_on_red : (started_on_red ? record.wagered : 0);
    if (end == GameEnd::FailedCheck) outcome.messages.emplace_back(limits_failure->message);
    record.final_balance = state.balance;
    record.result = record.games > 0 ? int64_t{state.balance} - int64_t{capital} * rules.quanta : 0;
    record.ending = EndingOf(end);
    outcome.sessions.push_back(record);
    carried = state;
    if (settings.fresh_sessions) {
      carried.win_streak = 0;
      carried.loss_streak = 0;
      carried.bet_on_red = settings.bet_on_red;
    }
  }
  outcome.won_a_game = won;
  outcome.squared_bets = squared_bets;
  outcome.wagered_on_red = on_red;
  outcome.wagered_on_black = wagered - on_red;
  return outcome;
}
