#include "batch/sampling/RunTally.h"

namespace {

// The run's own sums, into the spread's squares and products. Within what
// a batch may ask for (sessions, games and bets at their largest) none of
// them passes 128 bits.
void AddToSpread(Spread& spread, const RunOutcome& run, int32_t capital) {
  EndingCounts<int64_t> ended{};
  int64_t played = 0, at_least = 0, balance = 0, games = 0, wagered = 0, result = 0;
  bool fits = true;
  for (const SessionRecord& session : run.sessions) {
    CountEnding<int64_t>(ended, session.ending, 1);
    if (session.games > 0) {
      ++played;
      at_least += session.final_balance >= int64_t{capital} * run.quanta ? 1 : 0;
      balance += session.final_balance;
      fits = spread.Add(Moment::SessionBalance, session.final_balance, session.final_balance) && fits;
    }
    games += session.games;
    wagered += session.wagered;
    result += session.result;
    fits = spread.Add(Moment::SessionGames, session.games, session.games) && fits;
    fits = spread.Add(Moment::SessionWagered, session.wagered, session.wagered) && fits;
    fits = spread.Add(Moment::SessionResult, session.result, session.result) && fits;
    fits = spread.Add(Moment::SessionResultByWagered, session.result, session.wagered) && fits;
  }
  for (std::size_t k = 0; k < kEndings; ++k) fits = spread.Add(RunEnded(k), ended[k], ended[k]) && fits;
  const std::pair<Moment, std::pair<int64_t, int64_t>> products[] = {
      {Moment::RunPlayed, {played, played}},
      {Moment::RunAtLeast, {at_least, at_least}},
      {Moment::RunAtLeastByPlayed, {at_least, played}},
      {Moment::RunBalance, {balance, balance}},
      {Moment::RunBalanceByPlayed, {balance, played}},
      {Moment::RunGames, {games, games}},
      {Moment::RunWagered, {wagered, wagered}},
      {Moment::RunResult, {result, result}},
      {Moment::RunResultByWagered, {result, wagered}},
  };
  for (const auto& [moment, factors] : products) fits = spread.Add(moment, factors.first, factors.second) && fits;
  (void)fits;  // never false within the batch's limits
}

}  // namespace

void RunTally::Add(const RunOutcome& run) {
  ++runs;
  for (const SessionRecord& session : run.sessions) {
    ++sessions;
    CountEnding<int64_t>(ended, session.ending, 1);
    if (session.games > 0) ++final_balances[session.final_balance];
    ++session_games[session.games];
    games += session.games;
    wagered += session.wagered;
    result += session.result;
  }
  AddToSpread(spread, run, run.capital);
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
  for (const auto& [played, count] : other.session_games) add(sum.session_games[played], count);
  add(sum.games, other.games);
  add(sum.wagered, other.wagered);
  add(sum.result, other.result);
  add(sum.wagered_on_red, other.wagered_on_red);
  add(sum.wagered_on_black, other.wagered_on_black);
  add(sum.squared_bets, other.squared_bets);
  overflow = !sum.spread.Add(other.spread) || overflow;
  sum.double_zero = double_zero || other.double_zero;
  sum.quanta = runs == 0 ? other.quanta : quanta;
  sum.capital = runs == 0 ? other.capital : capital;
  sum.zero_rule = runs == 0 ? other.zero_rule : zero_rule;
  if (overflow) return false;
  *this = std::move(sum);
  return true;
}
