#pragma once

#include <cstdint>
#include <map>

#include "batch/sampling/SampledRun.h"
#include "batch/sampling/Spread.h"

// What a batch keeps of its runs: counts and sums, not sessions, so its
// memory stays flat however many sessions it plays, and tallies of parts of
// a batch add up to the tally of the whole. The final balances are whole
// numbers of quanta, so a count per balance gives the exact median and
// percentiles; the money is in quanta throughout.
struct RunTally {
  int64_t runs = 0;
  int64_t sessions = 0;
  // How the sessions ended (a session at both balance limits counts twice).
  EndingCounts<int64_t> ended{};
  // Sessions that played at least one game, by final balance.
  std::map<int32_t, int64_t> final_balances;
  int64_t games = 0;  // the games the sessions played
  // Every session by the games it played (0 for one that ended before its
  // first), for the median and percentiles of how long a session lasts.
  std::map<int32_t, int64_t> session_games;
  int64_t wagered = 0;
  int64_t result = 0;
  int64_t wagered_on_red = 0;
  int64_t wagered_on_black = 0;
  // A played bet is at most the table limit, 20001 (40002 quanta), so the
  // squares of the largest batch's games still sum exactly.
  int64_t squared_bets = 0;
  bool double_zero = false;
  int32_t quanta = 1;
  // The capital the sessions started with, in units: the figures measure
  // against it.
  int32_t capital = 0;
  ZeroRule zero_rule = ZeroRule::Lose;
  // How the runs and the sessions spread, for the figures' intervals.
  Spread spread;

  void Add(const RunOutcome& run);
  // Adds the tally of another part; false, with this tally unchanged,
  // where a sum would pass what a count holds.
  bool Add(const RunTally& other);
};
