#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "batch/settings/RunSettings.h"

// The exact odds of a run, computed rather than sampled.
//
// Exact: the engine's game loop with every rule and option (both wheels,
// the colour switch, the first-bet options, the table-limit reset or stop,
// the wager limit, fractional game counts, a game that ends a session at
// both balance limits), read from the settings by the engine's own checks.
// Assumed: every spin is an independent draw with the generator's number
// weights (raw values 0 to 25 modulo 51 come from 643 of its 32768
// outputs, 26 to 50 from 642; a raw value beyond the wheel is drawn
// again). The real generator's outputs follow from each other; sampling
// plays that, this does not.
//
// A session is a Markov chain on the state before each game: the balance,
// the bet, the wins or losses in a row (beyond 11 the bet no longer
// changes, so 12 stands for more), the colour bet, and the amount wagered
// where the wager limit can end the session. The probability of every
// state is pushed through the games; what ends leaves with its cause and
// final balance. Streaks and the colour bet carry into the next session,
// so a run is its sessions chained on that carried state. Once the carried
// state's distribution repeats from one session to the next, to the
// rounding of doubles, every later session repeats the last one's figures.
struct ExactRun {
  // Why no figures could be computed: the states would not fit the memory
  // budget (then `needed_bytes` is at least what they would have needed),
  // or empty.
  std::string refused;
  int64_t needed_bytes = 0;

  int64_t sessions = 0;
  // Expected numbers of the run's sessions that ended by each cause. A game
  // may end a session at both balance limits, so the causes can sum to
  // more than the sessions.
  double ended_high = 0;
  double ended_low = 0;
  double ended_limit = 0;
  double ended_none = 0;
  double ended_check = 0;
  // Expected sessions that played at least one game, and the expected
  // number of them ending at each final balance, in ascending order.
  double played = 0;
  std::vector<std::pair<int32_t, double>> final_balances;
  double wagered = 0;
  // Final balance less the capital, of the sessions that played.
  double result = 0;
  int32_t capital = 0;

  // What it cost: the most states alive before one game, and the sessions
  // computed before the carried state repeated.
  int64_t peak_states = 0;
  int64_t sessions_computed = 0;
};

class MemoryBudget;

// Called after every game computed, with the session and the game.
using ExactProgress = std::function<void(int64_t session, int32_t game)>;

// The exact odds within a memory budget, which computations at once share:
// the states' tables are taken from it before they are allocated.
ExactRun ComputeExactRun(const RunSettings& settings, MemoryBudget& budget, const ExactProgress& progress = nullptr);
// Within a budget of its own, kExactMemoryBudget.
ExactRun ComputeExactRun(const RunSettings& settings);

// The figures of an exact run, per session of the run.
struct ExactFigures {
  double mean = 0;
  double median = 0;
  double percentile_5 = 0;
  double percentile_95 = 0;
  double at_least_capital = 0;
  double wagered_per_session = 0;
  double result_per_unit = 0;
};

ExactFigures FiguresOf(const ExactRun& run);
