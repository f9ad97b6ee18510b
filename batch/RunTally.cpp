#include "batch/RunTally.h"

void RunTally::Add(const RunOutcome& run) {
  ++runs;
  for (const SessionRecord& session : run.sessions) {
    ++sessions;
    switch (session.ending) {
      case SessionEnding::MaxBalanceOrWagerLimit: ++ended_high; break;
      case SessionEnding::MinBalance: ++ended_low; break;
      case SessionEnding::BothBalanceLimits:
        ++ended_high;
        ++ended_low;
        break;
      case SessionEnding::TableLimitOrLastGame: ++ended_limit; break;
      case SessionEnding::FailedCheck: ++ended_check; break;
      case SessionEnding::NoCounter: ++ended_none; break;
    }
    if (session.games > 0) ++final_balances[session.final_balance];
    wagered += session.wagered;
    result += session.result;
  }
  wagered_on_red += run.wagered_on_red;
  wagered_on_black += run.wagered_on_black;
  squared_bets += run.squared_bets;
  double_zero = run.double_zero;
}

void RunTally::Add(const RunTally& other) {
  runs += other.runs;
  sessions += other.sessions;
  ended_high += other.ended_high;
  ended_low += other.ended_low;
  ended_limit += other.ended_limit;
  ended_check += other.ended_check;
  ended_none += other.ended_none;
  for (const auto& [balance, count] : other.final_balances) final_balances[balance] += count;
  wagered += other.wagered;
  result += other.result;
  wagered_on_red += other.wagered_on_red;
  wagered_on_black += other.wagered_on_black;
  squared_bets += other.squared_bets;
  double_zero = double_zero || other.double_zero;
}
