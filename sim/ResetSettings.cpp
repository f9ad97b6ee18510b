#include "sim/DecimalText.h"
#include "sim/Formatted.h"
#include "sim/Simulation.h"

namespace {

struct DefaultValue {
  double SimSettings::*field;
  double value;
  Control control;
  const char* format;
};

// In the order the fields are written.
constexpr DefaultValue kDefaults[] = {
    {&SimSettings::capital, 500, Control::rtb_startkapital, "%8.0lf"},
    {&SimSettings::games_per_session, 500, Control::rtb_anzahl_durchlauf, "%8.0lf"},
    {&SimSettings::delay_ms, 0, Control::rtb_verzoegerung, "%6.0lf"},
    {&SimSettings::first_bet, 1, Control::rtb_erster_einsatz, "%4.0lf"},
    {&SimSettings::max_balance, 550, Control::rtb_soll_kapital, "%8.0lf"},
    {&SimSettings::min_balance, 0, Control::rtb_min_kapital, "%8.0lf"},
    {&SimSettings::table_limit, 1000, Control::rtb_tischlimit, "%6.0lf"},
    {&SimSettings::session_count, 10, Control::rtb_anzahl_gesamtdurchgaenge, "%6.0lf"},
    {&SimSettings::wager_limit, 100000, Control::rtb_min_einsatz, "%6.0lf"},
};

constexpr int32_t kDefaultBetAfterLosses[11] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
constexpr int32_t kDefaultBetAfterWins[11] = {2, 5, 11, 23, 47, 95, 191, 382, 765, 1531, 3063};

struct DefaultCheck {
  Control box;
  bool checked;
};

constexpr DefaultCheck kDefaultChecks[] = {
    {Control::checkbox_rot_oder_schwarz, false},
    {Control::checkbox_tauschen_bei_gewinn, false},
    {Control::checkbox_zahlen_des_letzten_durchganges, true},
    {Control::checkbox_bei_gewinn_erster_einsatz, false},
    {Control::checkbox_bei_verlust_erster_einsatz, true},
    {Control::checkbox_bei_tischlimit_neueinsatz, true},
    {Control::checkbox_zero_oder_zerozero, false},
};

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

  for (const DefaultValue& entry : kDefaults) settings_.*entry.field = entry.value;
  state_.max_count = state_.min_count = state_.limit_count = 0;
  for (const DefaultValue& entry : kDefaults)
    form_.SetText(entry.control, Formatted(entry.format, settings_.*entry.field));

  const WString empty("");
  form_.SetText(Control::label_infolabel, empty);
  for (Control label : kPercentages) form_.SetText(label, WString(" %"));

  for (int k = 0; k < 11; ++k) form_.SetText(kBetAfterLosses[k], Formatted("%4d", kDefaultBetAfterLosses[k]));
  for (int k = 0; k < 11; ++k) form_.SetText(kBetAfterWins[k], Formatted("%4d", kDefaultBetAfterWins[k]));

  // The boxes only; the stored flags keep what the game loop last read.
  for (const DefaultCheck& entry : kDefaultChecks) form_.SetChecked(entry.box, entry.checked);

  for (Control display : kRunDisplays) form_.SetText(display, empty);

  state_.bet = TruncateToInt32(settings_.first_bet);
  state_.balance = TruncateToInt32(settings_.capital);
  state_.numbers.Clear();
  for (Control display : kGameDisplays) form_.SetText(display, empty);
}
