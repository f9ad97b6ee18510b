#include "batch/exact/ExactOdds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>

#include "batch/exact/GameMoves.h"
#include "batch/exact/MemoryBudget.h"
#include "batch/exact/StateLayer.h"
#include "sim/DecimalText.h"
#include "sim/SettingTable.h"

namespace {

// How the batch counts the ends of sessions.
enum Cause { kHigh, kLow, kLimit, kNone, kCheck, kCauses };

using Carried = std::array<double, kCarriedStates>;

struct SessionFigures {
  double ended[kCauses] = {};
  double played = 0;
  double wagered = 0;
  double result = 0;
  std::vector<double> finals;  // by final balance
  Carried carried{};           // what the sessions carry on
};

// How a session's states are laid out: by game with what was wagered not
// followed (it cannot end the session), by game with it, or by what was
// wagered alone, where it ends every session before its last game could.
enum class Layout { Untracked, ByGame, ByWagered };
enum class Played { Whole, OverBudget, WagerLimitCanBind };

class SessionPass {
 public:
  SessionPass(const GameRules& rules, int32_t capital, Layout layout, MemoryBudget& budget, ExactRun& run,
              const ExactProgress& progress)
      : rules_(rules),
        capital_(capital),
        layout_(layout),
        lowest_(std::min<int64_t>(capital, std::max<int64_t>(rules.min_up_to + 1, 0))),
        highest_(std::max<int64_t>(capital, std::min<int64_t>(rules.max_from - 1, INT32_MAX))),
        moves_(rules, static_cast<int32_t>(lowest_), static_cast<int32_t>(highest_), rests_, budget),
        budget_(budget),
        run_(run),
        progress_(progress) {}

  Played Play(const Carried& start, SessionFigures& figures) {
    figures = SessionFigures();
    figures_ = &figures;
    return layout_ == Layout::ByWagered ? PlayByWagered(start) : PlayByGame(start);
  }

 private:
  bool Tracked() const { return layout_ != Layout::Untracked; }

  template <class Layer>
  void AddStart(const Carried& start, Layer& layer) {
    for (uint32_t carried = 0; carried < kCarriedStates; ++carried) {
      if (start[carried] == 0) continue;
      const SessionState state = SessionStart(rules_, capital_, CarriedState(carried));
      const double most = 0;
      layer.Add(rests_.Intern(state), 0, capital_, &start[carried], &most, 1, 1.0, 0);
    }
  }

  Played PlayByGame(const Carried& start) {
    StateLayer first(static_cast<int32_t>(lowest_), static_cast<int32_t>(highest_), !Tracked(), budget_);
    StateLayer second(static_cast<int32_t>(lowest_), static_cast<int32_t>(highest_), !Tracked(), budget_);
    StateLayer* now = &first;
    StateLayer* next = &second;
    AddStart(start, *now);
    for (int32_t game = 1; game <= rules_.last_game && !now->Empty(); ++game) {
      int64_t alive = 0;
      for (const StateRow& row : now->Rows()) {
        const Played played = PlayRow(row, game, alive, [&](uint32_t rest, int64_t wagered) -> StateLayer& {
          (void)rest;
          (void)wagered;
          return *next;
        });
        if (played != Played::Whole) return played;
      }
      run_.peak_states = std::max(run_.peak_states, alive);
      if (OverBudget(first, second)) return Played::OverBudget;
      if (progress_) progress_(run_.sessions_computed + 1, game);
      now->Clear();
      std::swap(now, next);
    }
    return Played::Whole;
  }

  Played PlayByWagered(const Carried& start) {
    std::map<int64_t, StateLayer> layers;
    const auto layer_of = [&](int64_t wagered) -> StateLayer& {
      return layers
          .try_emplace(wagered, static_cast<int32_t>(lowest_), static_cast<int32_t>(highest_), false, budget_)
          .first->second;
    };
    AddStart(start, layer_of(0));
    while (!layers.empty()) {
      const auto current = layers.begin();
      const int64_t wagered = current->first;
      int64_t alive = 0;
      // Every game wagers at least 1: the first has wagered nothing before
      // it, every later one something, and none reaches its last game.
      const int32_t game = wagered == 0 ? 1 : 2;
      for (const StateRow& row : current->second.Rows()) {
        const Played played = PlayRow(row, game, alive, [&](uint32_t, int64_t to) -> StateLayer& {
          // A layer is done before the layers of more wagered: a game that
          // wagered nothing would break that order.
          if (to <= wagered) throw std::logic_error("a game of the exact odds wagered nothing");
          return layer_of(to);
        });
        if (played != Played::Whole) return played;
      }
      run_.peak_states = std::max(run_.peak_states, alive);
      int64_t wanted = moves_.Wanted();
      bool over = moves_.OverBudget();
      for (const auto& [at, layer] : layers) {
        over = over || layer.OverBudget();
        wanted += layer.Wanted();
      }
      if (over) {
        run_.needed_bytes = std::max(run_.needed_bytes, wanted);
        return Played::OverBudget;
      }
      if (progress_) progress_(run_.sessions_computed + 1, wagered);
      layers.erase(current);
    }
    return Played::Whole;
  }

  bool OverBudget(const StateLayer& a, const StateLayer& b) {
    if (!a.OverBudget() && !b.OverBudget() && !moves_.OverBudget()) return false;
    // Both layers at their largest is what the budget would have had to hold.
    run_.needed_bytes =
        std::max(run_.needed_bytes, 2 * std::max(a.Wanted(), b.Wanted()) + moves_.Wanted());
    return true;
  }

  // One game on every state of a row: each region of its balances stops,
  // ends or moves on as the step said.
  template <class Destination>
  Played PlayRow(const StateRow& row, int32_t game, int64_t& alive, Destination&& destination) {
    const int32_t hi = row.Hi();
    for (const Region& region : moves_.Of(row.rest, Tracked() ? row.wagered : 0, game)) {
      const int32_t from = std::max(region.from, row.lo);
      const int32_t to = std::min(region.to, hi);
      if (from > to) continue;
      const int32_t count = to - from + 1;
      const double* p = row.p.data() + (from - row.lo);
      double sum = 0;
      for (int32_t i = 0; i < count; ++i) {
        sum += p[i];
        alive += p[i] != 0;
      }
      if (sum == 0) continue;
      if (region.before != GameEnd::None) {
        End(region.before, game > 1, from, p, count, 1.0, region.carried);
        continue;
      }
      figures_->wagered += sum * region.bet;
      const double* most = Tracked() ? nullptr : row.most.data() + (from - row.lo);
      if (most) {
        // Some path to these states could pass the wager limit now: it has
        // to be followed.
        for (int32_t i = 0; i < count; ++i) {
          if (p[i] != 0 && most[i] + region.bet > static_cast<double>(rules_.most_wagered)) {
            return Played::WagerLimitCanBind;
          }
        }
      }
      for (int32_t kind = 0; kind < region.kinds; ++kind) {
        const Move& move = region.moves[kind];
        const double q = region.chance[kind];
        if (move.end == GameEnd::None) {
          const int64_t wagered = Tracked() ? move.wagered : 0;
          destination(move.rest, wagered).Add(move.rest, wagered, from + move.change, p, most, count, q, region.bet);
        } else {
          End(move.end, true, from + move.change, p, count, q, move.carried);
        }
      }
    }
    return Played::Whole;
  }

  // Sessions that end at balances from `balance`, with q times the
  // probabilities p.
  void End(GameEnd end, bool played, int32_t balance, const double* p, int32_t count, double q, uint32_t carried) {
    SessionFigures& figures = *figures_;
    double sum = 0;
    for (int32_t i = 0; i < count; ++i) sum += p[i];
    const double mass = q * sum;
    figures.ended[CauseOf(end)] += mass;
    if (end == GameEnd::MaxAndMinBalance) figures.ended[kLow] += mass;
    figures.carried[carried] += mass;
    if (!played) return;
    figures.played += mass;
    const auto top = static_cast<std::size_t>(balance + count);
    if (figures.finals.size() < top) figures.finals.resize(top, 0.0);
    for (int32_t i = 0; i < count; ++i) {
      const double share = q * p[i];
      figures.finals[static_cast<std::size_t>(balance + i)] += share;
      figures.result += share * static_cast<double>(balance + i - capital_);
    }
  }

  static Cause CauseOf(GameEnd end) {
    switch (end) {
      case GameEnd::WagerLimit:
      case GameEnd::MaxBalance:
      case GameEnd::MaxAndMinBalance: return kHigh;
      case GameEnd::MinBalance: return kLow;
      case GameEnd::TableLimitOrBalance:
      case GameEnd::LastGame: return kLimit;
      case GameEnd::FailedCheck: return kCheck;
      case GameEnd::LastGameUncounted:
      case GameEnd::None: break;
    }
    return kNone;
  }

  const GameRules& rules_;
  int32_t capital_;
  Layout layout_;
  int64_t lowest_;
  int64_t highest_;
  Rests rests_;
  GameMoves moves_;
  MemoryBudget& budget_;
  ExactRun& run_;
  const ExactProgress& progress_;
  SessionFigures* figures_ = nullptr;
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
Played ChainSessions(const GameRules& rules, int32_t capital, bool bet_on_red, Layout layout, MemoryBudget& budget,
                     ExactRun& run, const ExactProgress& progress) {
  SessionPass pass(rules, capital, layout, budget, run, progress);
  Carried start{};
  SessionState first;
  first.bet_on_red = bet_on_red;
  start[CarriedOf(first)] = 1;
  std::vector<double> finals;
  SessionFigures session;
  for (int64_t played = 0; played < run.sessions; ++played) {
    const Played outcome = pass.Play(start, session);
    if (outcome != Played::Whole) return outcome;
    ++run.sessions_computed;
    double change = 0;
    for (std::size_t i = 0; i < start.size(); ++i) change = std::max(change, std::fabs(session.carried[i] - start[i]));
    if (change <= kRepeated || played + 1 == run.sessions) {
      AddSession(run, session, static_cast<double>(run.sessions - played), finals);
      break;
    }
    AddSession(run, session, 1, finals);
    start = session.carried;
  }
  for (std::size_t balance = 0; balance < finals.size(); ++balance) {
    if (finals[balance] > 0) run.final_balances.emplace_back(static_cast<int32_t>(balance), finals[balance]);
  }
  return Played::Whole;
}

}  // namespace

ExactRun ComputeExactRun(const SimSettings& settings, MemoryBudget& budget, const ExactProgress& progress) {
  ExactRun run;
  run.capital = TruncateToInt32(settings.capital);
  if (FirstFailure(CheckGroup::SessionCount, settings)) return run;
  run.sessions = TruncateToInt32(settings.session_count);
  if (FirstFailure(CheckGroup::SessionStart, settings)) {
    run.ended_check = static_cast<double>(run.sessions);
    return run;
  }
  const GameRules rules = RulesOf(settings, FirstFailure(CheckGroup::BalanceLimits, settings) == nullptr);
  // What was wagered is followed only where some session could pass the
  // wager limit; then by itself where no session can reach its last game
  // first (every game wagers at least 1).
  Played outcome = ChainSessions(rules, run.capital, settings.bet_on_red, Layout::Untracked, budget, run, progress);
  if (outcome == Played::WagerLimitCanBind) {
    const int64_t peak = run.peak_states;
    const int64_t sessions = run.sessions;
    run = ExactRun();
    run.capital = TruncateToInt32(settings.capital);
    run.sessions = sessions;
    run.peak_states = peak;
    const bool last_game_out_of_reach = rules.last_game >= 3 && rules.last_game > rules.most_wagered;
    outcome = ChainSessions(rules, run.capital, settings.bet_on_red,
                            last_game_out_of_reach ? Layout::ByWagered : Layout::ByGame, budget, run, progress);
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

ExactRun ComputeExactRun(const SimSettings& settings) {
  MemoryBudget budget(kExactMemoryBudget);
  return ComputeExactRun(settings, budget);
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
