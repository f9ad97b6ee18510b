#include "batch/exact/ExactOdds.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

#include "batch/exact/GameMoves.h"
#include "batch/exact/GrowthForecast.h"
#include "batch/exact/MemoryBudget.h"
#include "batch/exact/StateLayer.h"
#include "batch/core/AloneWhenNeeded.h"
#include "batch/core/MakeInOrder.h"
#include "sim/DecimalText.h"
#include "sim/RunStart.h"
#include "sim/SettingTable.h"

namespace {

using Carried = std::array<double, kCarriedStates>;

// How far one pass over a session's states has come: `done` of `of`
// games, or of what a session can wager ("wagered").
using PassProgress = std::function<void(int64_t done, int64_t of, const char* what)>;

struct SessionFigures {
  EndingCounts<double> ended{};
  double played = 0;
  double games = 0;
  double wagered = 0;
  double result = 0;
  std::vector<double> finals;  // by final balance
  double unplayed = 0;         // sessions that ended before their first game
  std::vector<double> lasted;  // by the games they played
  Carried carried{};           // what the sessions carry on
  std::vector<FanPoint> course;
};

// How a session's states are laid out, game by game always, so that the
// games a session lasted are counted:
// - Untracked: in rows along the balance, what was wagered not followed
//   (it cannot end the session);
// - ByGame: in rows of one balance along what was wagered, where both
//   limits can end a session.
enum class Layout { Untracked, ByGame };
enum class Played { Whole, OverBudget, WagerLimitCanBind };

// Where a pass passed its budget: what it would have held at once at
// least, and the states before the game it stopped at.
struct PassCost {
  int64_t needed_bytes = 0;
  int64_t states = 0;
  // Where it stopped early, foreseeing the budget passed: the factor its
  // memory grew by a game, and the game by which it would have passed.
  double growth = 0;
  int32_t passing_game = 0;
  int32_t stopped_game = 0;
};

class SessionPass {
 public:
  SessionPass(const GameRules& rules, int32_t capital, Layout layout, MemoryBudget& budget, PassCost& cost,
              const PassProgress& progress, bool course)
      : rules_(rules),
        capital_(capital * rules.quanta),
        layout_(layout),
        axis_(layout == Layout::ByGame ? Axis::Wagered : Axis::Balance),
        lowest_(axis_ == Axis::Wagered ? 0 : std::min<int64_t>(capital_, std::max<int64_t>(rules.min_up_to + 1, 0))),
        highest_(axis_ == Axis::Wagered
                     ? std::min<int64_t>(rules.most_wagered, INT32_MAX)
                     : std::max<int64_t>(capital_, std::min<int64_t>(rules.max_from - 1, INT32_MAX))),
        rests_(rules, budget),
        moves_(rules, axis_, static_cast<int32_t>(lowest_), static_cast<int32_t>(highest_), rests_, budget),
        budget_(budget),
        cost_(cost),
        progress_(progress),
        course_(course),
        forecast_(axis_, rules.last_game) {}

  Played Play(const Carried& start, SessionFigures& figures) {
    figures = SessionFigures();
    figures_ = &figures;
    return PlayByGame(start);
  }

 private:
  bool Tracked() const { return layout_ != Layout::Untracked; }

  // A session starts at its capital, having wagered nothing.
  void AddStart(const Carried& start, StateLayer& layer) {
    for (uint32_t carried = 0; carried < kCarriedStates; ++carried) {
      if (start[carried] == 0) continue;
      const SessionState state = SessionStart(rules_, capital_ / rules_.quanta, CarriedState(carried));
      const bool along_balance = axis_ == Axis::Balance;
      layer.Add(rests_.Intern(state), along_balance ? 0 : capital_, along_balance ? capital_ : 0, &start[carried], 0, 1,
                1.0, 0);
    }
  }

  Played PlayByGame(const Carried& start) {
    StateLayer first(static_cast<int32_t>(lowest_), static_cast<int32_t>(highest_), !Tracked(), budget_);
    StateLayer second(static_cast<int32_t>(lowest_), static_cast<int32_t>(highest_), !Tracked(), budget_);
    StateLayer* now = &first;
    StateLayer* next = &second;
    AddStart(start, *now);
    int32_t game = 1;
    for (; game <= rules_.last_game && !now->Empty(); ++game) {
      const double games_before = figures_->games;
      now->InOrder();
      const std::vector<uint32_t>& live = now->Live();
      const int slot = moves_.SlotOf(game);
      for (std::size_t k = 0; k < live.size(); ++k) {
        Prefetch(*now, live, k, slot, *next, next == &second ? 1 : 0);
        StateRow& row = now->Rows()[live[k]];
        const Played played = PlayRow(row, game, *next, next == &second ? 1 : 0);
        if (played == Played::OverBudget || OverBudget(first, second)) {
          Refused(now->LiveStates() + next->LiveStates(), std::max(first.Wanted(), second.Wanted()));
          return Played::OverBudget;
        }
        if (played != Played::Whole) return played;
        now->Clear(row);
      }
      if (progress_) progress_(game, rules_.last_game, "game");
      if (GrowsPastBudget(game, first.Held() + second.Held() + moves_.Held())) {
        cost_.states = std::max(cost_.states, next->LiveStates());
        return Played::OverBudget;
      }
      if (course_) Course(game, figures_->games - games_before, *next);
      now->Clear();
      std::swap(now, next);
    }
    // Every session ended before the last game: the balances stay.
    for (; course_ && game <= rules_.last_game; ++game) Course(game, 0, *now);
    return Played::Whole;
  }

  // The rows of a layer lie wherever they were made, so each row's first
  // touch is a wait on memory, and so is each row a game moves states
  // into. Asking for them early keeps memory busy meanwhile, in stages
  // that each read only what the stage before asked for: the rows far
  // ahead; their regions, moves and states nearer; the rows their moves go
  // to nearer still, and those rows' states last. Inlined always: a call
  // to a function that only prefetches looks to the optimiser like a call
  // without effect, and goes.
  [[gnu::always_inline]] static void Prefetch(const StateLayer& layer, const std::vector<uint32_t>& live, std::size_t k,
                                              int slot, const StateLayer& into, int into_slot) {
    const std::vector<StateRow>& rows = layer.Rows();
    const auto ahead = [&](std::size_t by) { return k + by < live.size() ? &rows[live[k + by]] : nullptr; };
    if (const StateRow* row = ahead(16)) __builtin_prefetch(row);  // one cache line
    if (const StateRow* row = ahead(10)) {
      const KeptMoves& regions = row->between;
      if (slot == GameMoves::kBetween && regions.regions) {
        __builtin_prefetch(regions.begin());
        __builtin_prefetch(regions.end() - 1);
        __builtin_prefetch(regions.Moves());
        __builtin_prefetch(regions.Moves() + 1);
        __builtin_prefetch(regions.Moves() + 2);
      }
      PrefetchStates(*row, row->first, row->last);
    }
    if (const StateRow* row = ahead(6)) {
      ForEachMove(*row, slot, into_slot, [&](uint32_t at, int32_t, int32_t) { __builtin_prefetch(&into.Rows()[at]); });
    }
    if (const StateRow* row = ahead(3)) {
      ForEachMove(*row, slot, into_slot, [&](uint32_t at, int32_t from, int32_t to) {
        const StateRow& target = into.Rows()[at];
        PrefetchStates(target, std::max(target.lo, from), std::min(target.Hi(), to));
      });
    }
  }

  // The rows of a layer that the moves of a row's states go to, and where
  // on their axis.
  template <class Visit>
  [[gnu::always_inline]] static void ForEachMove(const StateRow& row, int slot, int into_slot, Visit&& visit) {
    if (slot != GameMoves::kBetween) return;
    const KeptMoves& regions = row.between;
    for (const Region* region = regions.begin(); region != regions.end(); ++region) {
      const int32_t from = std::max(region->from, row.first);
      const int32_t to = std::min(region->to, row.last);
      if (from > to) continue;
      for (int32_t kind = 0; kind < region->kinds; ++kind) {
        const Move& move = regions.Moves()[region->first_move + kind];
        const uint32_t at = move.row_at[into_slot];
        if (move.end == GameEnd::None && at != kNoRow) visit(at, from + move.change, to + move.change);
      }
    }
  }

  [[gnu::always_inline]] static void PrefetchStates(const StateRow& row, int32_t from, int32_t to) {
    constexpr int32_t kLine = 8;  // doubles
    if (row.size == 0 || from > to) return;
    for (int32_t i = from; i <= to; i += kLine) __builtin_prefetch(row.p.get() + (i - row.lo));
    __builtin_prefetch(row.p.get() + (to - row.lo));
  }

  // The balances after a game: of the states that go on, and of every
  // session that ended so far; their quantiles are a point of the course.
  void Course(int32_t game, double playing, StateLayer& after) {
    // The states that go on lie below the max balance.
    const auto top =
        static_cast<std::size_t>(std::max<int64_t>(capital_, std::min<int64_t>(rules_.max_from - 1, INT32_MAX)) + 1);
    std::vector<double>& mass = balances_;
    mass.assign(std::max(top, figures_->finals.size()), 0.0);
    for (std::size_t b = 0; b < figures_->finals.size(); ++b) mass[b] = figures_->finals[b];
    mass[static_cast<std::size_t>(capital_)] += figures_->unplayed;
    for (uint32_t at : after.Live()) {
      const StateRow& row = after.Rows()[at];
      for (int32_t i = row.first; i <= row.last; ++i) {
        const double p = row.p[static_cast<std::size_t>(i - row.lo)];
        mass[static_cast<std::size_t>(axis_ == Axis::Balance ? i : row.other)] += p;
      }
    }
    double total = 0;
    for (double m : mass) total += m;
    FanPoint point;
    point.game = game;
    point.playing = std::clamp(playing, 0.0, 1.0);  // a difference of sums, off by a rounding
    double* const quantiles[] = {&point.p5, &point.p25, &point.p50, &point.p75, &point.p95};
    const double shares[] = {0.05, 0.25, 0.5, 0.75, 0.95};
    double cumulative = 0;
    std::size_t next = 0;
    for (std::size_t b = 0; b < mass.size() && next < 5; ++b) {
      cumulative += mass[b];
      // A relative slack, so that sums that should reach a share exactly do.
      while (next < 5 && cumulative > 0 && cumulative >= shares[next] * total * (1 - 1e-12)) {
        *quantiles[next++] = static_cast<double>(b) / rules_.quanta;
      }
    }
    figures_->course.push_back(point);
  }

  // Whether the memory the pass holds after `game`, and held after the
  // games before, would pass what the budget leaves it (GrowthForecast).
  bool GrowsPastBudget(int32_t game, int64_t held) {
    const double room = static_cast<double>(budget_.Limit() - (budget_.Used() - held));
    const std::optional<GrowthStop> stop = forecast_.After(game, held, room);
    if (!stop) return false;
    cost_.growth = stop->growth;
    cost_.passing_game = stop->passing_game;
    cost_.stopped_game = game;
    cost_.needed_bytes = std::max(cost_.needed_bytes, budget_.Limit() + 1);
    return true;
  }

  bool OverBudget(const StateLayer& a, const StateLayer& b) const {
    return a.OverBudget() || b.OverBudget() || moves_.OverBudget();
  }

  // What the computation would have had to hold at once where it stopped
  // (all it held, and what it asked for beyond), and the states it held
  // then: those of the game not yet played, and those the game has made (a
  // row played is emptied at once, so the game's own states are not all
  // there to count).
  void Refused(int64_t states, int64_t layers_wanted) {
    cost_.needed_bytes = std::max(cost_.needed_bytes, budget_.Used() + std::max(layers_wanted, moves_.Wanted()));
    cost_.states = std::max(cost_.states, states);
  }

  // One game on every state of a row: each region of its axis stops, ends
  // or moves on as the step said, into the layer of the next game (which
  // of the two that take turns it is: the moves keep the place of their
  // rows in each).
  Played PlayRow(StateRow& row, int32_t game, StateLayer& into, int into_slot) {
    const bool along_balance = axis_ == Axis::Balance;
    const int slot = moves_.SlotOf(game);
    KeptMoves regions = slot == GameMoves::kBetween ? row.between : KeptMoves();
    if (!regions.regions) {
      regions = moves_.Of(row.rest, row.other, game);
      if (slot == GameMoves::kBetween && !moves_.OverBudget()) row.between = regions;
    }
    const Move* const moves = regions.Moves();
    for (const Region* at = regions.begin(); at != regions.end(); ++at) {
      const Region& region = *at;
      const int32_t from = std::max(region.from, row.first);
      const int32_t to = std::min(region.to, row.last);
      if (from > to) continue;
      const int32_t count = to - from + 1;
      const double* p = row.p.get() + (from - row.lo);
      const double sum = Sum(p, count);
      if (sum == 0) continue;
      // The balance of the first state, and how it changes along the row.
      const int32_t balance = along_balance ? from : static_cast<int32_t>(row.other);
      const int32_t step = along_balance ? 1 : 0;
      if (region.before != GameEnd::None) {
        End(region.before, game - 1, balance, step, p, count, 1.0, region.carried);
        continue;
      }
      figures_->wagered += sum * region.bet;
      figures_->games += sum;
      // Some path to these states could pass the wager limit now: it has
      // to be followed.
      const double most = row.most;
      if (!Tracked() && most + region.bet > static_cast<double>(rules_.most_wagered)) {
        return Played::WagerLimitCanBind;
      }
      for (int32_t kind = 0; kind < region.kinds; ++kind) {
        const Move& move = moves[region.first_move + kind];
        const double q = move.chance;
        if (move.end == GameEnd::None) {
          const int64_t other = Tracked() ? move.other : 0;
          uint32_t& at = move.row_at[into_slot];
          if (at == kNoRow) at = into.RowAt(move.rest, other);
          if (at != kNoRow) into.AddAt(at, from + move.change, p, most, count, q, region.bet);
        } else {
          End(move.end, game, along_balance ? from + move.change : move.balance, step, p, count, q, move.carried);
        }
      }
    }
    return moves_.OverBudget() ? Played::OverBudget : Played::Whole;
  }

  // Sessions that end after `games` games, with q times the probabilities
  // p, at balances from `balance` on, `step` apart.
  void End(GameEnd end, int32_t games, int32_t balance, int32_t step, const double* p, int32_t count, double q,
           uint32_t carried) {
    SessionFigures& figures = *figures_;
    const double mass = q * Sum(p, count);
    CountEnding(figures.ended, EndingOf(end), mass);
    figures.carried[carried] += mass;
    if (figures.lasted.size() <= static_cast<std::size_t>(games)) figures.lasted.resize(games + 1, 0.0);
    figures.lasted[static_cast<std::size_t>(games)] += mass;
    if (games == 0) {
      figures.unplayed += mass;
      return;
    }
    figures.played += mass;
    const auto top = static_cast<std::size_t>(balance) + static_cast<std::size_t>(step) * (count - 1) + 1;
    if (figures.finals.size() < top) figures.finals.resize(top, 0.0);
    if (step == 0) {
      // One balance for all: what ends there is their mass.
      figures.finals[static_cast<std::size_t>(balance)] += mass;
      figures.result += mass * static_cast<double>(balance - capital_);
      return;
    }
    // The result in a register, added in the same order: the compiler
    // cannot tell that the balances' stores leave it alone.
    double result = figures.result;
    double* const finals = figures.finals.data();
    for (int32_t i = 0; i < count; ++i) {
      const int32_t at = balance + i;
      const double share = q * p[i];
      finals[at] += share;
      result += share * static_cast<double>(at - capital_);
    }
    figures.result = result;
  }

  // In four sums side by side, which the processor adds at once.
  static double Sum(const double* p, int32_t count) {
    double sums[4] = {0, 0, 0, 0};
    int32_t i = 0;
    for (; i + 4 <= count; i += 4) {
      for (int k = 0; k < 4; ++k) sums[k] += p[i + k];
    }
    for (; i < count; ++i) sums[0] += p[i];
    return (sums[0] + sums[1]) + (sums[2] + sums[3]);
  }

  const GameRules& rules_;
  int32_t capital_;  // in quanta
  Layout layout_;
  Axis axis_;
  int64_t lowest_;
  int64_t highest_;
  Rests rests_;
  GameMoves moves_;
  MemoryBudget& budget_;
  PassCost& cost_;
  const PassProgress& progress_;
  bool course_;
  GrowthForecast forecast_;
  std::vector<double> balances_;
  SessionFigures* figures_ = nullptr;
};

// One session from a distribution of carried states: what was wagered
// followed only where some session could pass the wager limit.
Played PlayFrom(const GameRules& rules, int32_t capital, const Carried& start, MemoryBudget& budget, PassCost& cost,
                const PassProgress& progress, FanCourse fan, SessionFigures& figures) {
  const bool course = fan != FanCourse::None;
  Played played = Played::WagerLimitCanBind;
  {
    SessionPass untracked(rules, capital, Layout::Untracked, budget, cost, progress, course);
    played = untracked.Play(start, figures);
  }
  if (played != Played::WagerLimitCanBind) return played;
  SessionPass tracked(rules, capital, Layout::ByGame, budget, cost, progress, course);
  return tracked.Play(start, figures);
}

// The sessions from carried states, each computed once, side by side on
// `jobs` threads sharing the budget; one that the others left too little
// is computed again alone.
class SessionsFrom {
 public:
  // The session from `course_of` keeps its course (kNoCourse: none).
  static constexpr uint32_t kNoCourse = UINT32_MAX;
  SessionsFrom(const GameRules& rules, int32_t capital, MemoryBudget& budget, int64_t jobs,
               const ExactProgress& progress, uint32_t course_of, FanCourse fan)
      : rules_(rules),
        capital_(capital),
        budget_(budget),
        jobs_(jobs),
        progress_(progress),
        course_of_(course_of),
        fan_(fan) {}

  FanCourse FanOf(uint32_t carried) const { return carried == course_of_ ? fan_ : FanCourse::None; }
  bool Known(uint32_t carried) const { return known_.count(carried) > 0; }
  const SessionFigures& operator[](uint32_t carried) const { return known_.at(carried); }
  std::size_t size() const { return known_.size(); }

  // Computes the sessions from these carried states; false where the
  // budget refused one (`cost` says what it needed).
  bool Compute(const std::vector<uint32_t>& starts, PassCost& cost) {
    struct Computed {
      Played played = Played::Whole;
      SessionFigures figures;
      PassCost cost;
    };
    const int64_t offset = static_cast<int64_t>(known_.size());
    bool refused = false;
    MakeInOrder<Computed>(
        static_cast<int64_t>(starts.size()), jobs_,
        [&](int64_t k) {
          Computed computed;
          const PassProgress progress = [&](int64_t done, int64_t of, const char* what) {
            if (progress_) progress_(offset + k + 1, done, of, what);
          };
          const AloneWhenNeeded::Running running(alone_);
          const uint32_t from = starts[static_cast<std::size_t>(k)];
          Carried start{};
          start[from] = 1;
          computed.played =
              PlayFrom(rules_, capital_, start, budget_, computed.cost, progress, FanOf(from), computed.figures);
          if (computed.played == Played::OverBudget) {
            computed.cost = PassCost();
            const AloneWhenNeeded::Alone only(alone_);
            computed.played =
                PlayFrom(rules_, capital_, start, budget_, computed.cost, progress, FanOf(from), computed.figures);
          }
          return computed;
        },
        [&](int64_t k, Computed& computed) {
          if (computed.played != Played::Whole) {
            refused = true;
            cost = computed.cost;
            return;
          }
          known_.emplace(starts[static_cast<std::size_t>(k)], std::move(computed.figures));
        });
    return !refused;
  }

 private:
  const GameRules& rules_;
  int32_t capital_;
  MemoryBudget& budget_;
  int64_t jobs_;
  const ExactProgress& progress_;
  uint32_t course_of_;
  FanCourse fan_;
  AloneWhenNeeded alone_;
  std::map<uint32_t, SessionFigures> known_;
};

// Why the run has no figures: what its states needed of the budget, or
// how they grew where they were stopped before they passed it.
void Refuse(const MemoryBudget& budget, const PassCost& cost, ExactRun& run) {
  constexpr int64_t kMiB = 1 << 20;
  run.needed_bytes = cost.needed_bytes;
  run.peak_states = cost.states;
  run.refused = "the exact odds of these settings need more memory than their budget of " +
                std::to_string(budget.Limit() / kMiB) + " MiB (";
  if (cost.growth > 0) {
    char growth[32];
    std::snprintf(growth, sizeof growth, "%.2f", cost.growth);
    run.refused += "their states grow " + std::string(growth) +
                   " times a game, faster than any power of the games played, and would pass it by game " +
                   std::to_string(cost.passing_game) + "; stopped at game " + std::to_string(cost.stopped_game) +
                   ", with " + std::to_string(cost.states) + " states)";
    return;
  }
  run.refused += "at least " + std::to_string((run.needed_bytes + kMiB - 1) / kMiB) + " MiB, for more than " +
                 std::to_string(run.peak_states) + " states held at once)";
}

// The course of the run's sessions, as the summary counts them: the first
// session's where every session began as the first did, else one session
// more, from the states the sessions began in, in the shares they began
// in them (a session's course is linear in where it starts, as its
// figures are). Whole, or why not.
bool CourseOfTheRun(const GameRules& rules, int32_t capital, const Carried& began, const SessionFigures& first,
                    MemoryBudget& budget, const ExactProgress& progress, int64_t session, ExactRun& run) {
  double total = 0;
  int32_t states = 0;
  for (double times : began) {
    total += times;
    states += times > 0 ? 1 : 0;
  }
  // The first session begins in a state of its own, so one state is the first's.
  if (states <= 1) {
    run.fan = first.course;
    return true;
  }
  Carried mix{};
  for (uint32_t carried = 0; carried < kCarriedStates; ++carried) mix[carried] = began[carried] / total;
  const PassProgress step = [&](int64_t done, int64_t of, const char* what) {
    if (progress) progress(session, done, of, what);
  };
  PassCost cost;
  SessionFigures mixed;
  if (PlayFrom(rules, capital, mix, budget, cost, step, FanCourse::Always, mixed) != Played::Whole) {
    Refuse(budget, cost, run);
    return false;
  }
  run.fan = std::move(mixed.course);
  return true;
}

// The run's sessions, chained on their carried state. A session's figures
// are linear in the distribution of the state it starts from, so each
// start state is computed once and every session of the run is the mix of
// those its distribution asks for; the run adds up how often each start
// state began a session. Where sessions start afresh, every one starts as
// the first. Whole, or why not.
bool ChainSessions(const GameRules& rules, int32_t capital, bool bet_on_red, bool fresh_sessions, MemoryBudget& budget,
                   int64_t jobs, const ExactProgress& progress, FanCourse fan, ExactRun& run) {
  SessionState first;
  first.bet_on_red = bet_on_red;
  const uint32_t first_carried = CarriedOf(rules, first);
  SessionsFrom sessions(rules, capital, budget, jobs, progress,
                        fan != FanCourse::None ? first_carried : SessionsFrom::kNoCourse, fan);
  Carried start{};
  start[first_carried] = 1;
  Carried began{};  // how many sessions began in each carried state
  // The carried states each start state's session ends in, with their shares.
  std::map<uint32_t, std::vector<std::pair<uint32_t, double>>> ends;
  for (int64_t played = 0; played < run.sessions; ++played) {
    std::vector<uint32_t> missing;
    for (uint32_t carried = 0; carried < kCarriedStates; ++carried) {
      if (start[carried] != 0 && !sessions.Known(carried)) missing.push_back(carried);
    }
    PassCost cost;
    if (!missing.empty() && !sessions.Compute(missing, cost)) {
      Refuse(budget, cost, run);
      return false;
    }
    Carried next{};
    for (uint32_t carried = 0; carried < kCarriedStates; ++carried) {
      if (start[carried] == 0) continue;
      began[carried] += start[carried];
      auto [at, fresh] = ends.try_emplace(carried);
      if (fresh) {
        const Carried& shares = sessions[carried].carried;
        for (uint32_t to = 0; to < kCarriedStates; ++to) {
          if (shares[to] != 0) at->second.emplace_back(to, shares[to]);
        }
      }
      for (const auto& [to, share] : at->second) next[to] += start[carried] * share;
    }
    if (fresh_sessions) next = start;
    if (next == start) {
      // Every later session starts alike to the last bit.
      const auto remaining = static_cast<double>(run.sessions - played - 1);
      for (uint32_t carried = 0; carried < kCarriedStates; ++carried) began[carried] += remaining * start[carried];
      break;
    }
    start = next;
  }
  run.sessions_computed = static_cast<int64_t>(sessions.size());
  if (fan != FanCourse::None && !CourseOfTheRun(rules, capital, began, sessions[first_carried], budget, progress,
                                                static_cast<int64_t>(sessions.size()) + 1, run)) {
    return false;
  }
  std::vector<double> finals;
  std::vector<double> lasted;
  for (uint32_t carried = 0; carried < kCarriedStates; ++carried) {
    if (began[carried] == 0) continue;
    const SessionFigures& session = sessions[carried];
    const double times = began[carried];
    if (lasted.size() < session.lasted.size()) lasted.resize(session.lasted.size(), 0.0);
    for (std::size_t games = 0; games < session.lasted.size(); ++games) lasted[games] += times * session.lasted[games];
    for (std::size_t k = 0; k < kEndings; ++k) run.ended[k] += times * session.ended[k];
    run.played += times * session.played;
    run.games += times * session.games;
    run.wagered += times * session.wagered;
    run.result += times * session.result;
    if (finals.size() < session.finals.size()) finals.resize(session.finals.size(), 0.0);
    for (std::size_t balance = 0; balance < session.finals.size(); ++balance) {
      finals[balance] += times * session.finals[balance];
    }
  }
  for (std::size_t balance = 0; balance < finals.size(); ++balance) {
    if (finals[balance] > 0) run.final_balances.emplace_back(static_cast<int32_t>(balance), finals[balance]);
  }
  for (std::size_t games = 0; games < lasted.size(); ++games) {
    if (lasted[games] > 0) run.session_games.emplace_back(static_cast<int32_t>(games), lasted[games]);
  }
  return true;
}

}  // namespace

ExactRun ComputeExactRun(const SimSettings& settings, MemoryBudget& budget, const ExactProgress& progress, int64_t jobs,
                         FanCourse fan) {
  ExactRun run;
  run.capital = TruncateToInt32(settings.capital);
  run.quanta = RulesOf(settings, true).quanta;
  const RunStart start = StartOf(settings);
  run.sessions = start.sessions;
  if (start.count_failure) return run;
  if (start.start_failure) {
    run.ended[IndexOf(Ending::Check)] = static_cast<double>(run.sessions);
    run.session_games = {{0, static_cast<double>(run.sessions)}};
    return run;
  }
  const GameRules& rules = start.rules;
  ChainSessions(rules, run.capital, settings.bet_on_red, settings.fresh_sessions, budget, jobs, progress, fan, run);
  return run;
}

ExactRun ComputeExactRun(const SimSettings& settings) {
  MemoryBudget budget(kExactMemoryBudget);
  return ComputeExactRun(settings, budget);
}

namespace {

// Of values in ascending order with their weights, the smallest whose
// weight at or below it reaches the share q of `total` (with a relative
// slack, so that sums that should reach it exactly do); the largest where
// the sums fall short.
double SmallestReaching(const std::vector<std::pair<int32_t, double>>& weights, double q, double total) {
  double below = 0;
  for (const auto& [value, weight] : weights) {
    below += weight;
    if (below >= q * total * (1 - 1e-12)) return value;
  }
  return weights.empty() ? 0 : weights.back().first;
}

}  // namespace

ExactFigures FiguresOf(const ExactRun& run) {
  ExactFigures figures;
  if (run.played > 0) {
    double total = 0;
    double at_least = 0;
    for (const auto& [balance, count] : run.final_balances) {
      total += balance * count;
      if (balance >= int64_t{run.capital} * run.quanta) at_least += count;
    }
    figures.mean = total / run.played / run.quanta;
    figures.at_least_capital = at_least / run.played;
    const auto quantile = [&run](double p) { return SmallestReaching(run.final_balances, p, run.played) / run.quanta; };
    figures.median = quantile(0.5);
    figures.percentile_5 = quantile(0.05);
    figures.percentile_95 = quantile(0.95);
  }
  if (run.sessions > 0) {
    figures.wagered_per_session = run.wagered / run.quanta / static_cast<double>(run.sessions);
    figures.mean_games = run.games / static_cast<double>(run.sessions);
    double sessions = 0;
    for (const auto& entry : run.session_games) sessions += entry.second;
    figures.median_games = SmallestReaching(run.session_games, 0.5, sessions);
    figures.p90_games = SmallestReaching(run.session_games, 0.9, sessions);
  }
  if (run.wagered > 0) figures.result_per_unit = run.result / run.wagered;
  return figures;
}
