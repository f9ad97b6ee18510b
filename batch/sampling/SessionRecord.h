#pragma once

#include <cstdint>

#include "batch/core/Endings.h"

// One session of a batch run, as the window would have shown and kept it;
// its money in the run's quanta.
struct SessionRecord {
  int32_t run = 0;
  // 1 for the session played first.
  int32_t session = 0;
  int32_t final_balance = 0;
  int32_t games = 0;
  int64_t wagered = 0;
  // Final balance less the capital it started with; 0 for a session that
  // played no game.
  int64_t result = 0;
  SessionEnding ending = SessionEnding::NoCounter;
};
