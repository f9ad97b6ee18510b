#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "sim/GameStep.h"

// How the ends of sessions are counted, in the window's three counters and
// in the batch program's figures alike: at the max balance or the wager
// limit, at the min balance, at the table limit or the last game; the batch
// program counts two more, a failed check and no count at all (a
// fractional game count). A session that ends at both balance limits
// counts in the first two.
enum class Ending : uint8_t { High, Low, Limit, Check, None };
constexpr std::size_t kEndings = 5;

template <class Count>
using EndingCounts = std::array<Count, kEndings>;

constexpr std::size_t IndexOf(Ending ending) { return static_cast<std::size_t>(ending); }

// How one session ended, as the batch program's sessions CSV says it.
enum class SessionEnding : uint8_t {
  MaxBalanceOrWagerLimit,
  MinBalance,
  BothBalanceLimits,
  TableLimitOrLastGame,
  FailedCheck,
  NoCounter,
};

struct SessionEndingRow {
  const char* csv;
  Ending counted;
  bool also_low;  // counted at the min balance as well
};
const SessionEndingRow& RowOf(SessionEnding ending);

// How the game step's end of a session is counted.
SessionEnding EndingOf(GameEnd end);

// Counts a session's end, once or, at both balance limits, twice.
template <class Count>
void CountEnding(EndingCounts<Count>& counts, SessionEnding ending, Count times) {
  const SessionEndingRow& row = RowOf(ending);
  counts[IndexOf(row.counted)] += times;
  if (row.also_low) counts[IndexOf(Ending::Low)] += times;
}
