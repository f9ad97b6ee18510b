#include "sim/SessionEnding.h"

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
