#include "batch/sampling/SessionRecord.h"

const char* EndingName(SessionEnding ending) {
  switch (ending) {
    case SessionEnding::MaxBalanceOrWagerLimit: return "max balance or wager limit";
    case SessionEnding::MinBalance: return "min balance";
    case SessionEnding::BothBalanceLimits: return "max and min balance";
    case SessionEnding::TableLimitOrLastGame: return "table limit or last game";
    case SessionEnding::FailedCheck: return "failed check";
    case SessionEnding::NoCounter: return "no count";
  }
  return "";
}
