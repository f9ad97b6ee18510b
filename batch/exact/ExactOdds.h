#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "batch/core/Endings.h"
#include "sim/SimSettings.h"

// The exact odds of a run, computed rather than sampled.
//
// Exact: the engine's own game step (sim/GameStep.h) with every rule and
// option, played on every state a session can be in before a game and on
// every kind of number the wheel can show; nothing here restates a rule.
// Assumed: every spin is an independent draw with the generator's number
// weights (raw values 0 to 25 modulo 51 come from 643 of its 32768
// outputs, 26 to 50 from 642; a raw value beyond the wheel is drawn
// again). The real generator's outputs follow from each other; sampling
// plays that, this does not.
//
// A session is a Markov chain on its state before each game: the balance,
// the bet, the streaks, the colour bet, and the amount wagered where the
// wager limit can end the session. States that differ only in what the
// step does not tell apart are one (streaks beyond the rows' length; the
// game's number between the first and the last). The probability of every
// state is pushed through the step; what ends leaves with its cause and
// final balance. Streaks and the colour bet carry into the next session,
// so a run is its sessions chained on that carried state: a session's
// figures are linear in the distribution it starts from, so each state a
// session can start in is computed once, and every session of the run is
// the mix of them that its start distribution gives.

// The course of a session: after game `game`, the share of the sessions
// that played it, and the 5th to 95th percentiles of the balance over all sessions (one that ended earlier
// keeps its final balance), in units of money. A q-quantile is the
// smallest balance whose cumulative probability reaches q.
struct FanPoint {
  int32_t game = 0;
  double playing = 0;
  double p5 = 0;
  double p25 = 0;
  double p50 = 0;
  double p75 = 0;
  double p95 = 0;
};

// Whether the exact odds keep the course of the run's sessions.
enum class FanCourse : uint8_t { None, Always };

struct ExactRun {
  // Why no figures could be computed: the states would not fit the memory
  // budget (then `needed_bytes` is at least what they would have needed),
  // or empty.
  std::string refused;
  int64_t needed_bytes = 0;

  int64_t sessions = 0;
  // Expected numbers of the run's sessions that ended each way. A game may
  // end a session at both balance limits, so they can sum to more than the
  // sessions.
  EndingCounts<double> ended{};
  // Expected sessions that played at least one game, and the expected
  // number of them ending at each final balance (in quanta of money, as
  // the step counts it), in ascending order.
  double played = 0;
  std::vector<std::pair<int32_t, double>> final_balances;
  double games = 0;  // expected games played
  // Expected sessions by the games they played (0 for one that ended
  // before its first game), in ascending order.
  std::vector<std::pair<int32_t, double>> session_games;
  double wagered = 0;  // in quanta
  // Final balance less the capital, of the sessions that played, in quanta.
  double result = 0;
  int32_t capital = 0;  // in units
  int32_t quanta = 1;
  // The course of the run's sessions, game by game, where asked for
  // (FanCourse): of a session begun in the states the run's sessions begin
  // in, in their shares, so that its last game is the summary's.
  std::vector<FanPoint> fan;

  // What it cost: where refused, the states alive before the game that
  // passed the budget; and the start states whose session was computed.
  int64_t peak_states = 0;
  int64_t sessions_computed = 0;
};

class MemoryBudget;

// Called as the computation goes, from any of its threads: which session
// (from which start state), how far into it (`done` of `of` of what
// `what` names, "game"). A session whose figures the wager limit can
// change is computed a second time, from the start.
using ExactProgress = std::function<void(int64_t session, int64_t done, int64_t of, const char* what)>;

// The exact odds within a memory budget, which computations at once share:
// what the states take is taken from it before it is allocated. The
// sessions from different start states are computed on up to `jobs`
// threads.
ExactRun ComputeExactRun(const SimSettings& settings, MemoryBudget& budget, const ExactProgress& progress = nullptr,
                         int64_t jobs = 1, FanCourse fan = FanCourse::None);
// Within a budget of its own, kExactMemoryBudget.
ExactRun ComputeExactRun(const SimSettings& settings);

// The figures of an exact run, per session of the run.
struct ExactFigures {
  double mean = 0;
  double median = 0;
  double percentile_5 = 0;
  double percentile_95 = 0;
  double at_least_capital = 0;
  double wagered_per_session = 0;
  double mean_games = 0;
  double median_games = 0;
  double p90_games = 0;
  double result_per_unit = 0;
};

ExactFigures FiguresOf(const ExactRun& run);
