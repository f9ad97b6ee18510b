#include "sim/SettingsChecks.h"

#include "sim/DecimalText.h"
#include "sim/SettingTable.h"

namespace {

bool Run(CheckGroup group, FormOperations& form, SimSettings& settings) {
  const CheckList list = ChecksOf(group);
  for (std::size_t k = 0; k < list.count; ++k) {
    const SettingSpec& spec = *list.checks[k];
    const double value = ParseDecimal(form.GetText(spec.control).GetText()) + spec.offset;
    settings.*spec.number = value;
    if (!Passes(spec, settings, value)) {
      form.ShowInformation("Fehler", spec.message);
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
