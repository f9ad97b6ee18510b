#include "sim/SettingTable.h"

#include "sim/Formatted.h"

namespace {

constexpr double SimSettings::*kNoNumber = nullptr;
constexpr ProgressionRow SimSettings::*kNoRow = nullptr;
constexpr bool SimSettings::*kNoOption = nullptr;

constexpr SettingSpec Number(const char* name, Control control, double SimSettings::*field, double low, double high,
                             double offset, Bound bound, double SimSettings::*other, const char* message,
                             double reset_value, const char* reset_format, int reset_order) {
  return {name,    SettingKind::Number, control,      field, kNoRow,     kNoOption, low, high, offset, bound, other,
          message, reset_value,         reset_format, false, reset_order};
}

constexpr SettingSpec Row(const char* name, Control first, ProgressionRow SimSettings::*field) {
  return {name, SettingKind::Row, first,   kNoNumber, field, kNoOption, 0,    0,
          0,    Bound::None,      nullptr, nullptr,   0,     nullptr,   false};
}

constexpr SettingSpec Option(const char* name, Control box, bool SimSettings::*field, bool reset_checked,
                             int reset_order) {
  return {name,    SettingKind::Option, box,        kNoNumber, kNoRow, field, 0, 1, 0, Bound::None, nullptr, nullptr, 0,
          nullptr, reset_checked,       reset_order};
}

// The batch program's settings beyond the window's: no control, no check.
constexpr SettingSpec Beyond(const char* name, SettingKind kind) {
  SettingSpec item{name, kind,        kNoControl, kNoNumber, kNoRow, kNoOption, 0,    0,
                   0,    Bound::None, nullptr,    nullptr,   0,      nullptr,   false};
  if (kind == SettingKind::System) item.system = &SimSettings::system;
  if (kind == SettingKind::ZeroRule) item.zero_rule = &SimSettings::zero_rule;
  if (kind == SettingKind::Line) item.line = &SimSettings::line;
  return item;
}

constexpr SettingSpec BeyondOption(const char* name, bool SimSettings::*field) {
  SettingSpec item = Beyond(name, SettingKind::Option);
  item.option = field;
  return item;
}

}  // namespace

// In the order of the window's fields.
// clang-format off
const SettingSpec kSettings[kSettingCount] = {
    Number("capital", Control::rtb_startkapital, &SimSettings::capital, 1, 1000000, 0, Bound::None, nullptr,
           "balance: (1 - 1000000)", 500, "%8.0lf", 0),
    Number("games_per_session", Control::rtb_anzahl_durchlauf, &SimSettings::games_per_session, 1, 10000, 0,
           Bound::None, nullptr, "games per session (1 - 10000)", 500, "%8.0lf", 1),
    Number("delay_ms", Control::rtb_verzoegerung, &SimSettings::delay_ms, 0, 5000, 0, Bound::None, nullptr,
           "delay: (0 - 5000)", 0, "%6.0lf", 2),
    Number("first_bet", Control::rtb_erster_einsatz, &SimSettings::first_bet, 1, 1000, 0, Bound::AtMost,
           &SimSettings::capital, "first bet: (1 - 1000)", 1, "%4.0lf", 3),
    Number("wager_limit", Control::rtb_min_einsatz, &SimSettings::wager_limit, 1, 9999999, 0, Bound::None, nullptr,
           "minimum bet: (1 - 9999999)", 100000, "%6.0lf", 8),
    // Stored as the entry plus one.
    Number("table_limit", Control::rtb_tischlimit, &SimSettings::table_limit, 1, 20000, 1, Bound::None, nullptr,
           "table limit: (1 - 20000)", 1000, "%6.0lf", 6),
    Number("max_balance", Control::rtb_soll_kapital, &SimSettings::max_balance, 1, 1000000, 0, Bound::AtLeast,
           &SimSettings::capital, "max amount: (1 - 1000000)", 550, "%8.0lf", 4),
    Number("min_balance", Control::rtb_min_kapital, &SimSettings::min_balance, 0, 1000000, 0, Bound::AtMost,
           &SimSettings::max_balance, "min amount (0 - 1000000)", 0, "%8.0lf", 5),
    Number("session_count", Control::rtb_anzahl_gesamtdurchgaenge, &SimSettings::session_count, 1, 500000, 0,
           Bound::None, nullptr, "number of sessions: (1 - 500000)", 10, "%6.0lf", 7),
    Row("bet_after_wins", Control::rtb_g1, &SimSettings::bet_after_wins),
    Row("bet_after_losses", Control::rtb_v1, &SimSettings::bet_after_losses),
    Option("bet_on_red", Control::checkbox_rot_oder_schwarz, &SimSettings::bet_on_red, false, 0),
    Option("switch_after_win", Control::checkbox_tauschen_bei_gewinn, &SimSettings::switch_after_win, false, 1),
    Option("first_bet_after_win", Control::checkbox_bei_gewinn_erster_einsatz, &SimSettings::first_bet_after_win,
           false, 3),
    Option("first_bet_after_loss", Control::checkbox_bei_verlust_erster_einsatz, &SimSettings::first_bet_after_loss,
           true, 4),
    Option("first_bet_at_table_limit", Control::checkbox_bei_tischlimit_neueinsatz,
           &SimSettings::first_bet_at_table_limit, true, 5),
    Option("double_zero", Control::checkbox_zero_oder_zerozero, &SimSettings::double_zero, false, 6),
    Option("show_numbers_live", Control::checkbox_zahlen_des_letzten_durchganges, &SimSettings::show_numbers_live,
           true, 2),
    Beyond("system", SettingKind::System),
    Beyond("zero_rule", SettingKind::ZeroRule),
    Beyond("line", SettingKind::Line),
    BeyondOption("fresh_sessions", &SimSettings::fresh_sessions),
};
// clang-format on

const ProgressionRow kResetBetAfterWins = {2, 5, 11, 23, 47, 95, 191, 382, 765, 1531, 3063};
const ProgressionRow kResetBetAfterLosses = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

std::string ResetText(const SettingSpec& item) { return Formatted(item.reset_format, item.reset_value).GetText(); }

std::string ResetEntryText(int32_t entry) { return Formatted("%4d", entry).GetText(); }

const SettingSpec* FindSetting(const std::string& name) {
  for (const SettingSpec& item : kSettings) {
    if (name == item.name) return &item;
  }
  return nullptr;
}

namespace {

const SettingSpec* const kSessionStart[] = {&kSettings[0], &kSettings[1], &kSettings[2],
                                            &kSettings[3], &kSettings[4], &kSettings[5]};
const SettingSpec* const kBalanceLimits[] = {&kSettings[6], &kSettings[7]};
const SettingSpec* const kSessionCount[] = {&kSettings[8]};

}  // namespace

CheckList ChecksOf(CheckGroup group) {
  switch (group) {
    case CheckGroup::SessionStart: return {kSessionStart, std::size(kSessionStart)};
    case CheckGroup::BalanceLimits: return {kBalanceLimits, std::size(kBalanceLimits)};
    case CheckGroup::SessionCount: break;
  }
  return {kSessionCount, std::size(kSessionCount)};
}

bool Passes(const SettingSpec& item, const SimSettings& settings, double value) {
  if (!(item.low <= value && value <= item.high)) return false;
  switch (item.bound) {
    case Bound::AtMost: return value <= settings.*item.other;
    case Bound::AtLeast: return value >= settings.*item.other;
    case Bound::None: break;
  }
  return true;
}

const SettingSpec* FirstFailure(CheckGroup group, const SimSettings& settings) {
  const CheckList list = ChecksOf(group);
  for (std::size_t k = 0; k < list.count; ++k) {
    const SettingSpec& item = *list.checks[k];
    if (!Passes(item, settings, settings.*item.number)) return &item;
  }
  return nullptr;
}
