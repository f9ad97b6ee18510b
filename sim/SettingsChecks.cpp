#include "sim/SettingsChecks.h"

#include "sim/DecimalText.h"
#include "sim/SettingTable.h"

namespace {

const SettingSpec* FirstFailing(CheckGroup group, const FormOperations& form, SimSettings& settings) {
  const CheckList list = ChecksOf(group);
  for (std::size_t k = 0; k < list.count; ++k) {
    const SettingSpec& item = *list.checks[k];
    const double value = ParseDecimal(form.GetText(item.control).GetText()) + item.offset;
    settings.*item.number = value;
    if (!Passes(item, settings, value)) return &item;
  }
  return nullptr;
}

bool Run(CheckGroup group, FormOperations& form, SimSettings& settings) {
  const SettingSpec* failed = FirstFailing(group, form, settings);
  if (failed) form.ShowInformation("Fehler", failed->message);
  return !failed;
}

}  // namespace

bool CheckSessionStart(FormOperations& form, SimSettings& settings) {
  return Run(CheckGroup::SessionStart, form, settings);
}

bool CheckBalanceLimits(FormOperations& form, SimSettings& settings) {
  return Run(CheckGroup::BalanceLimits, form, settings);
}

bool CheckSessionCount(FormOperations& form, SimSettings& settings) {
  return Run(CheckGroup::SessionCount, form, settings);
}

const SettingSpec* FirstFailingCheck(const FormOperations& form, SimSettings& settings) {
  for (CheckGroup group : {CheckGroup::SessionCount, CheckGroup::SessionStart, CheckGroup::BalanceLimits}) {
    if (const SettingSpec* failed = FirstFailing(group, form, settings)) return failed;
  }
  return nullptr;
}
