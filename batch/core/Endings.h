#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "sim/GameStep.h"

// How the batch program counts the ends of sessions: at the max balance or
// the wager limit, at the min balance, at the table limit or the last game,
// by a failed check, and with no count at all (a fractional game count).
// A session that ends at both balance limits counts in the first two.
enum class Ending : uint8_t { High, Low, Limit, Check, None };
constexpr std::size_t kEndings = 5;

template <class Count>
using EndingCounts = std::array<Count, kEndings>;

constexpr std::size_t IndexOf(Ending ending) { return static_cast<std::size_t>(ending); }

// What an ending is called: its key in the JSON's "ended", its line in the
// text ("ended at min balance"), its name in a picture's legend, and the
// colour every picture draws it in.
struct EndingWords {
  const char* key;
  const char* label;
  const char* name;
  const char* colour;
};
extern const std::array<EndingWords, kEndings> kEndingWords;

// How one session ended, as its row of the sessions' CSV says it.
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
