#include "sim/DecimalText.h"
#include "sim/Formatted.h"
#include "sim/SettingTable.h"
#include "sim/Simulation.h"

namespace {

// The order in which the reset writes the fields, and the boxes.
constexpr const char* kFieldOrder[] = {"capital",     "games_per_session", "delay_ms",      "first_bet",  "max_balance",
                                       "min_balance", "table_limit",       "session_count", "wager_limit"};
constexpr const char* kBoxOrder[] = {"bet_on_red",          "switch_after_win",     "show_numbers_live",
                                     "first_bet_after_win", "first_bet_after_loss", "first_bet_at_table_limit",
                                     "double_zero"};

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

  for (const char* name : kFieldOrder) {
    const SettingSpec& item = *FindSetting(name);
    settings_.*item.number = item.reset_value;
  }
  state_.max_count = state_.min_count = state_.limit_count = 0;
  for (const char* name : kFieldOrder) {
    const SettingSpec& item = *FindSetting(name);
    form_.SetText(item.control, WString(ResetText(item).c_str()));
  }

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
  for (const char* name : kBoxOrder) {
    const SettingSpec& item = *FindSetting(name);
    form_.SetChecked(item.control, item.reset_checked);
  }

  for (Control display : kRunDisplays) form_.SetText(display, empty);

  state_.bet = TruncateToInt32(settings_.first_bet);
  state_.balance = TruncateToInt32(settings_.capital);
  state_.numbers.Clear();
  for (Control display : kGameDisplays) form_.SetText(display, empty);
}
