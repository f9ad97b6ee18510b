#pragma once

#include <cstdint>

// How a session ended, by the counters that grew at its end. A session may
// end at both balance limits at once, or with no counter at all (a
// fractional game count).
enum class SessionEnding : uint8_t {
  MaxBalanceOrWagerLimit,
  MinBalance,
  BothBalanceLimits,
  TableLimitOrLastGame,
  FailedCheck,
  NoCounter,
};

const char* EndingName(SessionEnding ending);

// One session of a batch run, as the window would have shown and kept it.
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
