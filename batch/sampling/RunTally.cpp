#include "batch/sampling/RunTally.h"

void RunTally::Add(const RunOutcome& run) {
  ++runs;
  for (const SessionRecord& session : run.sessions) {
    ++sessions;
    CountEnding<int64_t>(ended, session.ending, 1);
    if (session.games > 0) ++final_balances[session.final_balance];
    games += session.games;
    wagered += session.wagered;
    result += session.result;
  }
  wagered_on_red += run.wagered_on_red;
  wagered_on_black += run.wagered_on_black;
  squared_bets += run.squared_bets;
  double_zero = run.double_zero;
  quanta = run.quanta;
  capital = run.capital;
  zero_rule = run.zero_rule;
}

bool RunTally::Add(const RunTally& other) {
  RunTally sum = *this;
  bool overflow = false;
  const auto add = [&overflow](int64_t& into, int64_t more) {
    overflow = __builtin_add_overflow(into, more, &into) || overflow;
  };
  add(sum.runs, other.runs);
  add(sum.sessions, other.sessions);
  for (std::size_t k = 0; k < kEndings; ++k) add(sum.ended[k], other.ended[k]);
  for (const auto& [balance, count] : other.final_balances) add(sum.final_balances[balance], count);
  add(sum.games, other.games);
  add(sum.wagered, other.wagered);
  add(sum.result, other.result);
  add(sum.wagered_on_red, other.wagered_on_red);
  add(sum.wagered_on_black, other.wagered_on_black);
  add(sum.squared_bets, other.squared_bets);
  sum.double_zero = double_zero || other.double_zero;
  sum.quanta = runs == 0 ? other.quanta : quanta;
  sum.capital = runs == 0 ? other.capital : capital;
  sum.zero_rule = runs == 0 ? other.zero_rule : zero_rule;
  if (overflow) return false;
  *this = std::move(sum);
  return true;
}
