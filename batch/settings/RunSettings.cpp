#include "batch/settings/RunSettings.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "batch/settings/Numbers.h"
#include "sim/DecimalText.h"
#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

namespace {

enum class Kind { Number, Row, Option };

// Where a setting lives: a text of the settings file, the delay field, a
// row of eleven texts, an option of the file, or the live list's box.
constexpr std::size_t kDelay = 100;
constexpr std::size_t kLiveList = 101;

struct Setting {
  const char* name;
  Kind kind;
  std::size_t place;  // index of values.texts or values.options, or kDelay, kLiveList
  double low;
  double high;
};

// In the order of the window's fields; the ranges are those its checks
// allow (the table limit as entered).
// clang-format off
constexpr Setting kSettings[] = {
    {"capital",                  Kind::Number, 0,  1, 1000000},
    {"games_per_session",        Kind::Number, 6,  1, 10000},
    {"delay_ms",                 Kind::Number, kDelay, 0, 5000},
    {"first_bet",                Kind::Number, 2,  1, 1000},
    {"wager_limit",              Kind::Number, 3,  1, 9999999},
    {"table_limit",              Kind::Number, 4,  0, 19999},
    {"max_balance",              Kind::Number, 5,  1, 1000000},
    {"min_balance",              Kind::Number, 7,  0, 1000000},
    {"session_count",            Kind::Number, 1,  1, 500000},
    {"bet_after_wins",           Kind::Row,    8,  1, 9999999},
    {"bet_after_losses",         Kind::Row,    19, 1, 9999999},
    {"bet_on_red",               Kind::Option, 5,  0, 1},
    {"switch_after_win",         Kind::Option, 2,  0, 1},
    {"first_bet_after_win",      Kind::Option, 0,  0, 1},
    {"first_bet_after_loss",     Kind::Option, 1,  0, 1},
    {"first_bet_at_table_limit", Kind::Option, 3,  0, 1},
    {"double_zero",              Kind::Option, 4,  0, 1},
    {"show_numbers_live",        Kind::Option, kLiveList, 0, 1},
};
// clang-format on

const Setting* Find(const std::string& name) {
  for (const Setting& setting : kSettings) {
    if (name == setting.name) return &setting;
  }
  return nullptr;
}

std::string Shown(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

bool Number(const std::string& text, double& value) { return ReadNumber(text, value); }

std::string Range(const Setting& setting) {
  switch (setting.kind) {
    case Kind::Number: return "takes a number from " + Shown(setting.low) + " to " + Shown(setting.high);
    case Kind::Row:
      return "takes eleven comma-separated whole numbers from 1 to " + Shown(setting.high) +
             ", or N:VALUE for entry N (1 to 11)";
    case Kind::Option: break;
  }
  return "takes 0 or 1";
}

std::string& Text(RunSettings& settings, std::size_t place) {
  return place == kDelay ? settings.delay : settings.values.texts[place];
}

bool SetEntry(RunSettings& settings, const Setting& row, std::size_t entry, const std::string& text) {
  double value = 0;
  if (!Number(text, value) || value != std::floor(value) || value < row.low || value > row.high) return false;
  settings.values.texts[row.place + entry] = Shown(value);
  return true;
}

bool SetRow(RunSettings& settings, const Setting& row, const std::string& text) {
  const std::size_t colon = text.find(':');
  if (colon != std::string::npos) {
    double entry = 0;
    if (!Number(text.substr(0, colon), entry) || entry != std::floor(entry) || entry < 1 || entry > 11) return false;
    return SetEntry(settings, row, static_cast<std::size_t>(entry) - 1, text.substr(colon + 1));
  }
  std::vector<std::string> entries(1);
  for (char c : text) {
    if (c == ',') {
      entries.emplace_back();
    } else {
      entries.back() += c;
    }
  }
  if (entries.size() != 11) return false;
  RunSettings changed = settings;  // all eleven or none
  for (std::size_t k = 0; k < 11; ++k) {
    if (!SetEntry(changed, row, k, entries[k])) return false;
  }
  settings = changed;
  return true;
}

bool SetValue(RunSettings& settings, const Setting& setting, const std::string& text) {
  double value = 0;
  switch (setting.kind) {
    case Kind::Number:
      if (!Number(text, value) || value < setting.low || value > setting.high) return false;
      Text(settings, setting.place) = Shown(value);
      return true;
    case Kind::Row: return SetRow(settings, setting, text);
    case Kind::Option:
      if (text != "0" && text != "1") return false;
      if (setting.place == kLiveList) {
        settings.show_numbers_live = text == "1";
      } else {
        settings.values.options[setting.place] = text == "1";
      }
      return true;
  }
  return false;
}

void FillRows(RunSettings& settings, const int32_t (&wins)[11], const int32_t (&losses)[11], int32_t scale,
              bool first_bet_after_win, bool first_bet_after_loss) {
  for (std::size_t k = 0; k < 11; ++k) {
    settings.values.texts[8 + k] = std::to_string(wins[k] * scale);
    settings.values.texts[19 + k] = std::to_string(losses[k] * scale);
  }
  settings.values.options[0] = first_bet_after_win;
  settings.values.options[1] = first_bet_after_loss;
}

}  // namespace

RunSettings ResetDefaults() {
  MemoryForm form;
  Simulation simulation(form);
  simulation.reset_settings();
  RunSettings settings;
  settings.values = SettingsFile::Collect(form);
  settings.delay = form.GetText(Control::rtb_verzoegerung).GetText();
  settings.show_numbers_live = form.GetChecked(Control::checkbox_zahlen_des_letzten_durchganges);
  return settings;
}

std::vector<std::string> SettingNames() {
  std::vector<std::string> names;
  for (const Setting& setting : kSettings) names.emplace_back(setting.name);
  return names;
}

bool IsNumericSetting(const std::string& name) {
  const Setting* setting = Find(name);
  return setting && setting->kind == Kind::Number;
}

bool IsRowSetting(const std::string& name) {
  const Setting* setting = Find(name);
  return setting && setting->kind == Kind::Row;
}

std::string SetNamed(RunSettings& settings, const std::string& assignment) {
  const std::size_t equals = assignment.find('=');
  const std::string name = assignment.substr(0, equals);
  const Setting* setting = Find(name);
  if (!setting) {
    std::string names;
    for (const Setting& each : kSettings) names += std::string(names.empty() ? "" : ", ") + each.name;
    return "--set " + assignment + ": there is no setting " + name + " (the settings: " + names + ")";
  }
  if (equals == std::string::npos || !SetValue(settings, *setting, assignment.substr(equals + 1))) {
    return "--set " + assignment + ": " + name + " " + Range(*setting);
  }
  return std::string();
}

const char* const kSystemNames = "flat, martingale, fibonacci, paroli, vantrel";

std::string ApplySystem(RunSettings& settings, const std::string& system) {
  constexpr int32_t kOnes[11] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  constexpr int32_t kDoubling[11] = {2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048};
  constexpr int32_t kFibonacci[11] = {1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144};
  constexpr int32_t kParoli[11] = {2, 4, 1, 2, 4, 1, 2, 4, 1, 2, 4};
  const int32_t first_bet = std::max(1, TruncateToInt32(ParseDecimal(settings.values.texts[2].c_str())));
  if (system == "flat") {
    FillRows(settings, kOnes, kOnes, first_bet, true, true);
  } else if (system == "martingale") {
    FillRows(settings, kOnes, kDoubling, first_bet, true, false);
  } else if (system == "fibonacci") {
    FillRows(settings, kOnes, kFibonacci, first_bet, true, false);
  } else if (system == "paroli") {
    FillRows(settings, kParoli, kOnes, first_bet, false, true);
  } else if (system == "vantrel") {
    const RunSettings defaults = ResetDefaults();
    for (std::size_t k = 8; k < 30; ++k) settings.values.texts[k] = defaults.values.texts[k];
    settings.values.options[0] = defaults.values.options[0];
    settings.values.options[1] = defaults.values.options[1];
  } else {
    return "--system " + system + ": there is no such system (the systems: " + kSystemNames + ")";
  }
  return std::string();
}

std::string NamedValue(const RunSettings& settings, const std::string& name) {
  const Setting* setting = Find(name);
  if (!setting) return std::string();
  const auto read = [&](std::size_t place) {
    return ParseDecimal((place == kDelay ? settings.delay : settings.values.texts[place]).c_str());
  };
  switch (setting->kind) {
    case Kind::Number: return Shown(read(setting->place));
    case Kind::Row: {
      std::string row;
      for (std::size_t k = 0; k < 11; ++k) {
        row += (k ? "," : "") + std::to_string(TruncateToInt32(read(setting->place + k)));
      }
      return row;
    }
    case Kind::Option: break;
  }
  return (setting->place == kLiveList ? settings.show_numbers_live : settings.values.options[setting->place]) ? "1"
                                                                                                              : "0";
}

std::string FirstNotFinite(const RunSettings& settings) {
  for (const Setting& setting : kSettings) {
    if (setting.kind != Kind::Number) continue;
    const std::string& text = setting.place == kDelay ? settings.delay : settings.values.texts[setting.place];
    if (!std::isfinite(ParseDecimal(text.c_str()))) return setting.name;
  }
  return std::string();
}

std::string PrintSettings(const RunSettings& settings) {
  std::string lines;
  for (const Setting& setting : kSettings)
    lines += std::string(setting.name) + "=" + NamedValue(settings, setting.name) + "\n";
  return lines;
}
