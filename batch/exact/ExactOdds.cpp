#include "batch/exact/ExactOdds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "batch/exact/MemoryBudget.h"
#include "batch/exact/WheelOdds.h"
#include "sim/DecimalText.h"
#include "sim/MemoryForm.h"
#include "sim/SettingsChecks.h"
#include "sim/Simulation.h"

namespace {

// The rules of a game as the engine reads them from the settings.
struct Rules {
  bool count_passes = false;
  bool start_passes = false;
  bool limits_pass = false;
  int64_t sessions = 0;
  int32_t capital = 0;
  int32_t first_bet = 0;
  int32_t last_game = 0;
  bool whole_game_count = false;
  double wager_limit = 0;
  double table_limit = 0;  // the entry plus one
  double max_balance = 0;
  double min_balance = 0;
  int32_t wins[11] = {};
  int32_t losses[11] = {};
  bool start_red = false;
  bool switch_after_win = false;
  bool first_bet_after_win = false;
  bool first_bet_after_loss = false;
  bool first_bet_at_table_limit = false;
  double win_red = 0;
  double win_black = 0;
};

Rules ReadRules(const RunSettings& settings) {
  MemoryForm form;
  Simulation simulation(form);
  simulation.reset_settings();
  SettingsFile::Apply(form, settings.values);
  form.SetText(Control::rtb_verzoegerung, WString(settings.delay.c_str()));
  SimSettings read;
  Rules rules;
  rules.count_passes = CheckSessionCount(form, read);
  rules.sessions = rules.count_passes ? TruncateToInt32(read.session_count) : 0;
  rules.start_passes = CheckSessionStart(form, read);
  rules.limits_pass = rules.start_passes && CheckBalanceLimits(form, read);
  rules.capital = TruncateToInt32(read.capital);
  rules.first_bet = TruncateToInt32(read.first_bet);
  rules.last_game = static_cast<int32_t>(std::floor(read.games_per_session));
  rules.whole_game_count = rules.last_game == read.games_per_session;
  rules.wager_limit = read.wager_limit;
  rules.table_limit = read.table_limit;
  rules.max_balance = read.max_balance;
  rules.min_balance = read.min_balance;
  for (int k = 0; k < 11; ++k) {
    rules.wins[k] = TruncateToInt32(ParseDecimal(form.GetText(kBetAfterWins[k]).GetText()));
    rules.losses[k] = TruncateToInt32(ParseDecimal(form.GetText(kBetAfterLosses[k]).GetText()));
  }
  rules.start_red = form.GetChecked(Control::checkbox_rot_oder_schwarz);
  rules.switch_after_win = form.GetChecked(Control::checkbox_tauschen_bei_gewinn);
  rules.first_bet_after_win = form.GetChecked(Control::checkbox_bei_gewinn_erster_einsatz);
  rules.first_bet_after_loss = form.GetChecked(Control::checkbox_bei_verlust_erster_einsatz);
  rules.first_bet_at_table_limit = form.GetChecked(Control::checkbox_bei_tischlimit_neueinsatz);
  const bool double_zero = form.GetChecked(Control::checkbox_zero_oder_zerozero);
  rules.win_red = WinChance(double_zero, true);
  rules.win_black = WinChance(double_zero, false);
  return rules;
}

// What carries from one session into the next: the streak (wins positive,
// losses negative, 12 standing for more; 0 before the first game) and the
// colour bet.
constexpr int kStreaks = 25;
constexpr int kCarried = kStreaks * 2;
using Carried = std::array<double, kCarried>;
int CarriedIndex(int streak, bool red) { return (streak + 12) * 2 + (red ? 1 : 0); }

// Everything of a state but its balance and the amount wagered: the bet
// (an index into the bets that can occur), the streak and the colour.
struct Rest {
  int32_t bet = 0;
  int streak = 0;
  bool red = false;
  // The rest after a lost and after a won game.
  uint32_t next[2] = {};
};

class Transitions {
 public:
  // Only the rests a session can reach from its start (the first bet with
  // any carried streak and colour) are kept, numbered densely.
  explicit Transitions(const Rules& rules) : rules_(rules) {
    bets_ = {rules.first_bet, 1};
    for (int k = 0; k < 11; ++k) {
      bets_.push_back(std::max(1, rules.wins[k]));
      bets_.push_back(std::max(1, rules.losses[k]));
    }
    std::sort(bets_.begin(), bets_.end());
    bets_.erase(std::unique(bets_.begin(), bets_.end()), bets_.end());
    number_.assign(bets_.size() * kCarried, kUnreached);
    for (int carried = 0; carried < kCarried; ++carried)
      Reach(FullIndex(rules.first_bet, carried / 2 - 12, carried % 2));
    for (std::size_t at = 0; at < rests_.size(); ++at) {
      for (const bool won : {false, true}) rests_[at].next[won] = Reach(Settle(rests_[at], won));
    }
  }

  // The rest of a session's start with this carried streak and colour.
  uint32_t Start(int streak, bool red) const { return number_[FullIndex(rules_.first_bet, streak, red)]; }
  const Rest& operator[](uint32_t index) const { return rests_[index]; }
  uint32_t size() const { return static_cast<uint32_t>(rests_.size()); }
  int32_t LargestBet() const { return bets_.back(); }

 private:
  static constexpr uint32_t kUnreached = ~uint32_t{0};

  uint32_t FullIndex(int32_t bet, int streak, bool red) const {
    const auto at = std::lower_bound(bets_.begin(), bets_.end(), bet) - bets_.begin();
    return static_cast<uint32_t>(at) * kCarried + static_cast<uint32_t>(CarriedIndex(streak, red));
  }
  // The dense number of a rest, numbering it when first reached.
  uint32_t Reach(uint32_t full) {
    if (number_[full] == kUnreached) {
      number_[full] = static_cast<uint32_t>(rests_.size());
      Rest rest;
      rest.bet = bets_[full / kCarried];
      rest.streak = static_cast<int>(full % kCarried) / 2 - 12;
      rest.red = full % 2 == 1;
      rests_.push_back(rest);
    }
    return number_[full];
  }
  // The engine's settlement of a game and its table-limit reset.
  uint32_t Settle(const Rest& rest, bool won) const {
    int streak = 0;
    int32_t bet = rest.bet;
    bool red = rest.red;
    if (won) {
      streak = rest.streak > 0 ? std::min(rest.streak + 1, 12) : 1;
      if (streak <= 11) bet = rules_.wins[streak - 1];
      if (rules_.switch_after_win) red = !red;
      if (rules_.first_bet_after_win) bet = rules_.first_bet;
    } else {
      streak = rest.streak < 0 ? std::max(rest.streak - 1, -12) : -1;
      if (-streak <= 11) bet = rules_.losses[-streak - 1];
      if (rules_.first_bet_after_loss) bet = rules_.first_bet;
    }
    if (bet <= 1) bet = 1;
    if (rules_.first_bet_at_table_limit && bet >= rules_.table_limit) bet = rules_.first_bet;
    return FullIndex(bet, streak, red);
  }

  const Rules& rules_;
  std::vector<int32_t> bets_;
  std::vector<uint32_t> number_;  // by full index: the dense number, or kUnreached
  std::vector<Rest> rests_;
};

// The live states before one game, keyed by the state: the probability of
// each, and the most that any path reaching it has wagered. Dense where the
// states' space is small, hashed where it is not. Its memory comes out of
// the budget before it is taken; where the budget has too little, the table
// stops taking states and says so.
class StateTable {
 public:
  StateTable(uint64_t space, bool dense, MemoryBudget& budget) : dense_(dense), share_(budget) {
    if (dense_) {
      if (!Hold(space, space)) return;
      values_.assign(space, 0.0);
      most_.assign(space, 0.0);
      live_.reserve(space);
    } else {
      Grow(1 << 16);
    }
  }
  // A state whose probability has vanished is no state.
  void Add(uint64_t key, double p, double most) {
    if (p == 0 || over_budget_) return;
    const uint64_t at = dense_ ? key : Find(key);
    if (over_budget_) return;
    if (values_[at] == 0) live_.push_back(at);
    values_[at] += p;
    most_[at] = std::max(most_[at], most);
  }
  template <class Visit>
  void ForEach(Visit&& visit) const {
    for (uint64_t at : live_) visit(dense_ ? at : keys_[at], values_[at], most_[at]);
  }
  std::size_t size() const { return live_.size(); }
  void Clear() {
    for (uint64_t at : live_) {
      values_[at] = most_[at] = 0;
      if (!dense_) keys_[at] = kEmpty;
    }
    live_.clear();
  }
  // Whether the budget stopped it, and the bytes it asked for then.
  bool OverBudget() const { return over_budget_; }
  int64_t Wanted() const { return wanted_; }

 private:
  static constexpr uint64_t kEmpty = ~uint64_t{0};
  // The bytes of `slots` slots and a list of up to `live` states.
  bool Hold(uint64_t slots, uint64_t live) {
    const auto bytes = static_cast<int64_t>(slots * (dense_ ? 16 : 24) + live * 8);
    if (share_.Resize(share_.Held() + bytes)) return true;
    over_budget_ = true;
    wanted_ = share_.Held() + bytes;
    return false;
  }
  uint64_t Find(uint64_t key) {
    if (live_.size() * 2 >= keys_.size() && !Grow(keys_.size() * 2)) return 0;
    uint64_t slot = (key * 0x9E3779B97F4A7C15ull >> 17) & (keys_.size() - 1);
    while (keys_[slot] != kEmpty && keys_[slot] != key) slot = (slot + 1) & (keys_.size() - 1);
    keys_[slot] = key;
    return slot;
  }
  // The new arrays are taken while the old ones still live.
  bool Grow(std::size_t capacity) {
    const int64_t before = share_.Held();
    if (!Hold(capacity, capacity / 2)) return false;
    std::vector<uint64_t> keys(capacity, kEmpty), live;
    std::vector<double> values(capacity, 0.0), most(capacity, 0.0);
    live.reserve(capacity / 2);
    keys_.swap(keys);
    values_.swap(values);
    most_.swap(most);
    live_.swap(live);
    for (uint64_t at : live) Add(keys[at], values[at], most[at]);
    share_.Resize(share_.Held() - before);
    return true;
  }

  bool dense_;
  BudgetShare share_;
  bool over_budget_ = false;
  int64_t wanted_ = 0;
  std::vector<double> values_;
  std::vector<double> most_;
  std::vector<uint64_t> keys_;
  std::vector<uint64_t> live_;
};

// How sessions end, as the batch counts them.
enum Cause { kHigh, kLow, kLimit, kNone, kCheck, kCauses };

struct SessionFigures {
  double ended[kCauses] = {};
  double played = 0;
  double wagered = 0;
  double result = 0;
  std::vector<double> finals;  // by final balance
};

enum class Played { Whole, OverBudget, WagerLimitCanBind };

// One session from a distribution of carried start states.
class SessionChain {
 public:
  // With `track_wagered` the amount wagered is part of the state wherever
  // the wager limit could still end the session; without it, a session that
  // could reach the limit stops and says so.
  SessionChain(const Rules& rules, bool track_wagered) : rules_(rules), moves_(rules), track_wagered_(track_wagered) {
    low_ = std::min<int64_t>(static_cast<int64_t>(std::floor(rules.min_balance)) + 1, rules.capital);
    high_ = std::max<int64_t>(static_cast<int64_t>(std::ceil(rules.max_balance)) - 1, rules.capital);
    largest_played_ = std::min<int64_t>({moves_.LargestBet(), high_, static_cast<int64_t>(rules.table_limit)});
    finals_size_ = static_cast<std::size_t>(high_ + largest_played_ + 1);
    space_ = static_cast<uint64_t>(high_ - low_ + 1) * moves_.size();
    // No session can wager more than its games at the largest bet it can play.
    limit_unreachable_ =
        static_cast<double>(rules.last_game) * static_cast<double>(largest_played_) <= rules.wager_limit;
    if (track_wagered_) buckets_ = static_cast<uint64_t>(std::floor(rules.wager_limit)) + 2;
  }

  Played Play(const Carried& start, Carried& end, SessionFigures& figures, MemoryBudget& budget, ExactRun& run,
              const ExactProgress& progress) {
    figures = SessionFigures();
    figures.finals.assign(finals_size_, 0.0);
    end.fill(0);
    const uint64_t space = space_ * buckets_;
    const bool dense = space <= (uint64_t{1} << 23);
    StateTable first(dense ? space : 0, dense, budget);
    StateTable second(dense ? space : 0, dense, budget);
    StateTable* now = &first;
    StateTable* next = &second;
    // Both tables at their largest is what the budget would have had to hold.
    const auto over_budget = [&] {
      if (!first.OverBudget() && !second.OverBudget()) return false;
      run.needed_bytes = 2 * std::max(first.Wanted(), second.Wanted());
      return true;
    };
    for (int index = 0; index < kCarried; ++index) {
      if (start[static_cast<std::size_t>(index)] == 0) continue;
      const uint32_t rest = moves_.Start(index / 2 - 12, index % 2 == 1);
      now->Add(Key(rules_.capital, rest, track_wagered_ ? 1 : 0), start[static_cast<std::size_t>(index)], 0);
    }
    if (over_budget()) return Played::OverBudget;
    for (int32_t game = 1; game <= rules_.last_game && now->size() > 0; ++game) {
      run.peak_states = std::max<int64_t>(run.peak_states, static_cast<int64_t>(now->size()));
      bool binds = false;
      now->ForEach([&](uint64_t key, double p, double most) {
        binds = binds || !PlayGame(game, key, p, most, *next, end, figures);
      });
      if (over_budget()) return Played::OverBudget;
      if (binds) return Played::WagerLimitCanBind;
      if (progress) progress(run.sessions_computed + 1, game);
      now->Clear();
      std::swap(now, next);
    }
    return Played::Whole;
  }

 private:
  // A state's key: its balance and rest, and when tracked the amount
  // wagered plus one (0 where the limit can no longer bind).
  uint64_t Key(int64_t balance, uint32_t rest, int64_t wagered_plus_one) const {
    const uint64_t cell = static_cast<uint64_t>(balance - low_) * moves_.size() + rest;
    return cell * buckets_ + static_cast<uint64_t>(wagered_plus_one);
  }

  void End(Cause cause, bool also_low, int64_t balance, const Rest& rest, bool played, double p, Carried& end,
           SessionFigures& figures) const {
    figures.ended[cause] += p;
    if (also_low) figures.ended[kLow] += p;
    end[static_cast<std::size_t>(CarriedIndex(rest.streak, rest.red))] += p;
    if (!played) return;
    figures.played += p;
    figures.finals[static_cast<std::size_t>(balance)] += p;
    figures.result += p * static_cast<double>(balance - rules_.capital);
  }

  // Plays one game of a state; false when the state is not tracking what
  // it wagered and some path to it could pass the wager limit now.
  bool PlayGame(int32_t game, uint64_t key, double p, double most, StateTable& next, Carried& end,
                SessionFigures& figures) const {
    const uint64_t cell = key / buckets_;
    const int64_t balance = low_ + static_cast<int64_t>(cell / moves_.size());
    const Rest& rest = moves_[static_cast<uint32_t>(cell % moves_.size())];
    // The amount wagered so far plus one, or 0 where the limit cannot bind.
    int64_t wagered = static_cast<int64_t>(key % buckets_);
    const double most_wagered = most + rest.bet;
    if (wagered > 0) {
      wagered += rest.bet;
      if (static_cast<double>(wagered - 1) > rules_.wager_limit) {
        End(kHigh, false, balance, rest, game > 1, p, end, figures);
        return true;
      }
      if (static_cast<double>(wagered - 1 + (rules_.last_game - game) * largest_played_) <= rules_.wager_limit) {
        wagered = 0;
      }
    } else if (!track_wagered_ && !limit_unreachable_ && most_wagered > rules_.wager_limit) {
      return false;
    }
    if (balance < rest.bet || rest.bet > rules_.table_limit) {
      End(kLimit, false, balance, rest, game > 1, p, end, figures);
      return true;
    }
    figures.wagered += p * rest.bet;
    const double win = rest.red ? rules_.win_red : rules_.win_black;
    for (const bool won : {false, true}) {
      const double q = p * (won ? win : 1 - win);
      const int64_t after = won ? balance + rest.bet : balance - rest.bet;
      const uint32_t to = rest.next[won ? 1 : 0];
      const Rest& settled = moves_[to];
      if (game == 1 && !rules_.limits_pass) {
        End(kCheck, false, after, settled, true, q, end, figures);
      } else if (after >= settled.bet && rules_.min_balance < after && after < rules_.max_balance) {
        if (game == rules_.last_game) {
          End(rules_.whole_game_count ? kLimit : kNone, false, after, settled, true, q, end, figures);
        } else {
          next.Add(Key(after, to, wagered), q, most_wagered);
        }
      } else {
        const bool high = after >= rules_.max_balance;
        const bool low = after < settled.bet || after <= rules_.min_balance;
        End(high ? kHigh : kLow, high && low, after, settled, true, q, end, figures);
      }
    }
    return true;
  }

  const Rules& rules_;
  Transitions moves_;
  bool track_wagered_;
  bool limit_unreachable_ = false;
  int64_t low_ = 0;
  int64_t high_ = 0;
  int64_t largest_played_ = 0;
  std::size_t finals_size_ = 0;
  uint64_t space_ = 0;
  uint64_t buckets_ = 1;
};

void AddSession(ExactRun& run, const SessionFigures& session, double times, std::vector<double>& finals) {
  run.ended_high += times * session.ended[kHigh];
  run.ended_low += times * session.ended[kLow];
  run.ended_limit += times * session.ended[kLimit];
  run.ended_none += times * session.ended[kNone];
  run.ended_check += times * session.ended[kCheck];
  run.played += times * session.played;
  run.wagered += times * session.wagered;
  run.result += times * session.result;
  if (finals.size() < session.finals.size()) finals.resize(session.finals.size(), 0.0);
  for (std::size_t balance = 0; balance < session.finals.size(); ++balance) {
    finals[balance] += times * session.finals[balance];
  }
}

// Two carried distributions this close are the same one, up to the
// rounding that five hundred games of sums leave (about 5e-15).
constexpr double kRepeated = 1e-13;

// The run's sessions, chained on their carried state; Whole, or why not.
Played ChainSessions(const Rules& rules, bool track_wagered, MemoryBudget& budget, ExactRun& run,
                     const ExactProgress& progress) {
  SessionChain chain(rules, track_wagered);
  Carried start{};
  start[static_cast<std::size_t>(CarriedIndex(0, rules.start_red))] = 1;
  std::vector<double> finals;
  SessionFigures session;
  for (int64_t played = 0; played < run.sessions; ++played) {
    Carried end{};
    const Played outcome = chain.Play(start, end, session, budget, run, progress);
    if (outcome != Played::Whole) return outcome;
    ++run.sessions_computed;
    double change = 0;
    for (std::size_t i = 0; i < start.size(); ++i) change = std::max(change, std::fabs(end[i] - start[i]));
    if (change <= kRepeated || played + 1 == run.sessions) {
      AddSession(run, session, static_cast<double>(run.sessions - played), finals);
      break;
    }
    AddSession(run, session, 1, finals);
    start = end;
  }
  for (std::size_t balance = 0; balance < finals.size(); ++balance) {
    if (finals[balance] > 0) run.final_balances.emplace_back(static_cast<int32_t>(balance), finals[balance]);
  }
  return Played::Whole;
}

}  // namespace

ExactRun ComputeExactRun(const RunSettings& settings, MemoryBudget& budget, const ExactProgress& progress) {
  const Rules rules = ReadRules(settings);
  ExactRun run;
  run.capital = rules.capital;
  run.sessions = rules.sessions;
  if (!rules.count_passes || run.sessions == 0) return run;
  if (!rules.start_passes) {
    run.ended_check = static_cast<double>(run.sessions);
    return run;
  }
  // The amount wagered joins the state only where some session could pass
  // the wager limit.
  Played outcome = ChainSessions(rules, false, budget, run, progress);
  if (outcome == Played::WagerLimitCanBind) {
    const int64_t peak = run.peak_states;
    run = ExactRun();
    run.capital = rules.capital;
    run.sessions = rules.sessions;
    run.peak_states = peak;
    outcome = ChainSessions(rules, true, budget, run, progress);
  }
  if (outcome == Played::OverBudget) {
    constexpr int64_t kMiB = 1 << 20;
    run.refused = "the exact odds of these settings need more memory than their budget of " +
                  std::to_string(budget.Limit() / kMiB) + " MiB (at least " +
                  std::to_string((run.needed_bytes + kMiB - 1) / kMiB) + " MiB, for more than " +
                  std::to_string(run.peak_states) + " states before one game)";
  }
  return run;
}

ExactFigures FiguresOf(const ExactRun& run) {
  ExactFigures figures;
  if (run.played > 0) {
    double total = 0;
    double at_least = 0;
    for (const auto& [balance, count] : run.final_balances) {
      total += balance * count;
      if (balance >= run.capital) at_least += count;
    }
    figures.mean = total / run.played;
    figures.at_least_capital = at_least / run.played;
    // The smallest balance whose share of sessions at or below it reaches p.
    const auto quantile = [&run](double p) {
      double below = 0;
      for (const auto& [balance, count] : run.final_balances) {
        below += count;
        if (below >= p * run.played * (1 - 1e-12)) return static_cast<double>(balance);
      }
      return static_cast<double>(run.final_balances.back().first);
    };
    figures.median = quantile(0.5);
    figures.percentile_5 = quantile(0.05);
    figures.percentile_95 = quantile(0.95);
  }
  if (run.sessions > 0) figures.wagered_per_session = run.wagered / static_cast<double>(run.sessions);
  if (run.wagered > 0) figures.result_per_unit = run.result / run.wagered;
  return figures;
}

ExactRun ComputeExactRun(const RunSettings& settings) {
  MemoryBudget budget(kExactMemoryBudget);
  return ComputeExactRun(settings, budget);
}
