#include "sim/RunStart.h"

#include "sim/DecimalText.h"

RunStart StartOf(const SimSettings& settings) {
  RunStart start;
  start.count_failure = FirstFailure(CheckGroup::SessionCount, settings);
  start.start_failure = FirstFailure(CheckGroup::SessionStart, settings);
  start.limits_failure = FirstFailure(CheckGroup::BalanceLimits, settings);
  start.rules = RulesOf(settings, start.limits_failure == nullptr);
  start.sessions = start.count_failure ? 0 : TruncateToInt32(settings.session_count);
  start.capital = TruncateToInt32(settings.capital);
  start.reset_balance = TruncateToInt32(FindSetting("capital")->reset_value) * start.rules.quanta;
  return start;
}
