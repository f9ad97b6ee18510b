#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "batch/sampling/SessionRecord.h"
#include "batch/settings/RunSettings.h"

// One run of the settings played as the window plays it with no pause
// between games: the start-up reset seeds the generator with the seed, the
// run's start with the seed plus 5, and one poll tick before every session
// draws one number.
struct RunOutcome {
  int64_t seed = 0;
  // The texts the window shows at the end of the run.
  std::string results_list;
  std::array<std::string, 3> counters;
  std::array<std::string, 3> percentages;
  // The messages of the "Fehler" boxes, in order.
  std::vector<std::string> messages;
  std::vector<SessionRecord> sessions;
  // The bytes the save command would write after the run.
  std::string report;

  // For the odds: what was wagered on each colour, on which wheel, and the
  // sum of the squared bets.
  bool double_zero = false;
  int64_t wagered_on_red = 0;
  int64_t wagered_on_black = 0;
  int64_t squared_bets = 0;

  // The balances the settings name, for the picture.
  double capital = 0;
  double max_balance = 0;
  double min_balance = 0;
};

// `run` numbers the sessions' records.
RunOutcome PlayRun(const RunSettings& settings, int64_t seed, int32_t run);
