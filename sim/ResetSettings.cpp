#include <algorithm>
#include <vector>

#include "sim/DecimalText.h"
#include "sim/Formatted.h"
#include "sim/SettingTable.h"
#include "sim/Simulation.h"

namespace {

// The settings of a kind in the order the reset writes them.
std::vector<const SettingSpec*> InResetOrder(SettingKind kind) {
  std::vector<const SettingSpec*> written;
  for (const SettingSpec& item : kSettings) {
    if (item.kind == kind && item.reset_order >= 0) written.push_back(&item);
  }
  std::sort(written.begin(), written.end(),
            [](const SettingSpec* a, const SettingSpec* b) { return a->reset_order < b->reset_order; });
  return written;
}

constexpr Control kPercentages[] = {Control::label_proz_max, Control::label_proz_min, Control::label_proz_linmit};
constexpr Control kRunDisplays[] = {Control::label_akt_durchlauf, Control::label_akt_gesamtdurchgang,
                                    Control::label_maximal_erreicht, Control::label_minimal_erreicht,
                                    Control::label_tischlimit_oder_maxspiele};
constexpr Control kGameDisplays[] = {Control::label_alle_zahlen, Control::label_akt_kapital,
                                     Control::label_akt_einsatz};

}  // namespace

void Simulation::reset_settings() {
  state_.seed = static_cast<int32_t>(static_cast<uint32_t>(form_.CalendarTime()));
  numbers_.Seed(static_cast<uint32_t>(state_.seed));

  const std::vector<const SettingSpec*> fields = InResetOrder(SettingKind::Number);
  for (const SettingSpec* item : fields) settings_.*item->number = item->reset_value;
  state_.max_count = state_.min_count = state_.limit_count = 0;
  for (const SettingSpec* item : fields) form_.SetText(item->control, WString(ResetText(*item).c_str()));

  const WString empty("");
  form_.SetText(Control::label_infolabel, empty);
  for (Control label : kPercentages) form_.SetText(label, WString(" %"));

  for (std::size_t k = 0; k < kRowLength; ++k) {
    form_.SetText(kBetAfterLosses[k], WString(ResetEntryText(kResetBetAfterLosses[k]).c_str()));
  }
  for (std::size_t k = 0; k < kRowLength; ++k) {
    form_.SetText(kBetAfterWins[k], WString(ResetEntryText(kResetBetAfterWins[k]).c_str()));
  }

  // The boxes only; the stored flags keep what the game loop last read.
  for (const SettingSpec* item : InResetOrder(SettingKind::Option))
    form_.SetChecked(item->control, item->reset_checked);

  for (Control display : kRunDisplays) form_.SetText(display, empty);

  state_.bet = TruncateToInt32(settings_.first_bet);
  state_.balance = TruncateToInt32(settings_.capital);
  state_.numbers.Clear();
  for (Control display : kGameDisplays) form_.SetText(display, empty);
}
