#include "sim/SettingsChecks.h"

#include "sim/DecimalText.h"

namespace {

enum class Bound { None, AtMost, AtLeast };

struct NumericCheck {
  Control control;
  double SimSettings::*field;
  double low;
  double high;
  // The stored value is the entry plus this.
  double offset;
  // An extra condition against another, already read setting.
  Bound bound;
  double SimSettings::*other;
  const char* message;
};

constexpr NumericCheck kSessionStart[] = {
    {Control::rtb_startkapital, &SimSettings::capital, 1, 1000000, 0, Bound::None, nullptr, "balance: (1 - 1000000)"},
    {Control::rtb_anzahl_durchlauf, &SimSettings::games_per_session, 1, 10000, 0, Bound::None, nullptr,
     "games per session (1 - 10000)"},
    {Control::rtb_verzoegerung, &SimSettings::delay_ms, 0, 5000, 0, Bound::None, nullptr, "delay: (0 - 5000)"},
    {Control::rtb_erster_einsatz, &SimSettings::first_bet, 1, 1000, 0, Bound::AtMost, &SimSettings::capital,
     "first bet: (1 - 1000)"},
    {Control::rtb_min_einsatz, &SimSettings::wager_limit, 1, 9999999, 0, Bound::None, nullptr,
     "minimum bet: (1 - 9999999)"},
    {Control::rtb_tischlimit, &SimSettings::table_limit, 1, 20000, 1, Bound::None, nullptr, "table limit: (1 - 20000)"},
};

constexpr NumericCheck kBalanceLimits[] = {
    {Control::rtb_soll_kapital, &SimSettings::max_balance, 1, 1000000, 0, Bound::AtLeast, &SimSettings::capital,
     "max amount: (1 - 1000000)"},
    {Control::rtb_min_kapital, &SimSettings::min_balance, 0, 1000000, 0, Bound::AtMost, &SimSettings::max_balance,
     "min amount (0 - 1000000)"},
};

constexpr NumericCheck kSessionCount[] = {
    {Control::rtb_anzahl_gesamtdurchgaenge, &SimSettings::session_count, 1, 500000, 0, Bound::None, nullptr,
     "number of sessions: (1 - 500000)"},
};

bool Passes(const NumericCheck& check, const SimSettings& settings, double value) {
  if (!(check.low <= value && value <= check.high)) return false;
  switch (check.bound) {
    case Bound::AtMost: return value <= settings.*check.other;
    case Bound::AtLeast: return value >= settings.*check.other;
    case Bound::None: break;
  }
  return true;
}

template <std::size_t N>
bool Run(const NumericCheck (&checks)[N], FormOperations& form, SimSettings& settings) {
  for (const NumericCheck& check : checks) {
    const double value = ParseDecimal(form.GetText(check.control).GetText()) + check.offset;
    settings.*check.field = value;
    if (!Passes(check, settings, value)) {
      form.ShowInformation("Fehler", check.message);
      return false;
    }
  }
  return true;
}

}  // namespace

bool CheckSessionStart(FormOperations& form, SimSettings& settings) { return Run(kSessionStart, form, settings); }

bool CheckBalanceLimits(FormOperations& form, SimSettings& settings) { return Run(kBalanceLimits, form, settings); }

bool CheckSessionCount(FormOperations& form, SimSettings& settings) { return Run(kSessionCount, form, settings); }
