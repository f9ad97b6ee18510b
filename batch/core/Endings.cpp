#include "batch/core/Endings.h"

const std::array<EndingWords, kEndings> kEndingWords = {{
    {"max_balance_or_wager_limit", "ended at max balance or wager limit", "max balance or wager limit", "#2166ac"},
    {"min_balance", "ended at min balance", "min balance", "#d6604d"},
    {"table_limit_or_last_game", "ended at table limit or last game", "table limit or last game", "#7f7f7f"},
    {"failed_check", "ended by a failed check", "failed check", "#1a1a1a"},
    {"no_count", "ended without a count", "no count", "#bbbbbb"},
}};

namespace {

// In the order of SessionEnding.
constexpr SessionEndingRow kSessionEndings[] = {
    {"max balance or wager limit", Ending::High, false},
    {"min balance", Ending::Low, false},
    {"max and min balance", Ending::High, true},
    {"table limit or last game", Ending::Limit, false},
    {"failed check", Ending::Check, false},
    {"no count", Ending::None, false},
};

}  // namespace

const SessionEndingRow& RowOf(SessionEnding ending) { return kSessionEndings[static_cast<std::size_t>(ending)]; }

SessionEnding EndingOf(GameEnd end) {
  switch (end) {
    case GameEnd::WagerLimit:
    case GameEnd::MaxBalance: return SessionEnding::MaxBalanceOrWagerLimit;
    case GameEnd::MinBalance: return SessionEnding::MinBalance;
    case GameEnd::MaxAndMinBalance: return SessionEnding::BothBalanceLimits;
    case GameEnd::TableLimitOrBalance:
    case GameEnd::LastGame: return SessionEnding::TableLimitOrLastGame;
    case GameEnd::FailedCheck: return SessionEnding::FailedCheck;
    case GameEnd::LastGameUncounted:
    case GameEnd::None: break;
  }
  return SessionEnding::NoCounter;
}
