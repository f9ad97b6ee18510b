#include "sim/SettingsChecks.h"

#include "sim/DecimalText.h"
#include "sim/SettingTable.h"

namespace {

bool Run(CheckGroup group, FormOperations& form, SimSettings& settings) {
  const CheckList list = ChecksOf(group);
  for (std::size_t k = 0; k < list.count; ++k) {
    const SettingSpec& item = *list.checks[k];
    const double value = ParseDecimal(form.GetText(item.control).GetText()) + item.offset;
    settings.*item.number = value;
    if (!Passes(item, settings, value)) {
      form.ShowInformation("Fehler", item.message);
      return false;
    }
  }
  return true;
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
