#include "batch/settings/RunSettings.h"

#include <cmath>
#include <cstdio>

#include "batch/core/Numbers.h"
#include "batch/settings/Systems.h"
#include "sim/DecimalText.h"
#include "sim/SettingTable.h"

namespace {

// A row's entries may be set to any whole number up to this; the window
// checks none, and a system scaled by the largest first bet stays below.
constexpr double kLargestEntry = 9999999;

std::string Shown(double value) { return ExactText(value); }

bool IsDelay(const SettingSpec& spec) { return spec.number == &SimSettings::delay_ms; }

// The text of a number's field, or of a row's entry.
const std::string& TextOf(const RunSettings& settings, const SettingSpec& spec, std::size_t entry = 0) {
  if (IsDelay(spec)) return settings.delay;
  return settings.values.texts[SettingsFile::TextLineOf(spec.control) + entry];
}

std::string& TextOf(RunSettings& settings, const SettingSpec& spec, std::size_t entry = 0) {
  return const_cast<std::string&>(TextOf(static_cast<const RunSettings&>(settings), spec, entry));
}

bool OptionOf(const RunSettings& settings, const SettingSpec& spec) {
  const std::size_t line = SettingsFile::OptionLineOf(spec.control);
  return line < SettingsFile::kFlagLines ? settings.values.options[line] : settings.show_numbers_live;
}

void SetOption(RunSettings& settings, const SettingSpec& spec, bool value) {
  const std::size_t line = SettingsFile::OptionLineOf(spec.control);
  (line < SettingsFile::kFlagLines ? settings.values.options[line] : settings.show_numbers_live) = value;
}

// A number as entered: what the window's check lets pass, less what it
// adds to the entry.
double Low(const SettingSpec& spec) { return spec.low - spec.offset; }
double High(const SettingSpec& spec) { return spec.high - spec.offset; }

std::string Range(const SettingSpec& spec) {
  switch (spec.kind) {
    case SettingKind::Number: return "takes a number from " + Shown(Low(spec)) + " to " + Shown(High(spec));
    case SettingKind::Row:
      return "takes eleven comma-separated whole numbers from 1 to " + Shown(kLargestEntry) +
             ", or N:VALUE for entry N (1 to " + std::to_string(kRowLength) + ")";
    case SettingKind::Option: break;
  }
  return "takes 0 or 1";
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> entries(1);
  for (char c : text) {
    if (c == ',') {
      entries.emplace_back();
    } else {
      entries.back() += c;
    }
  }
  return entries;
}

bool SetEntry(RunSettings& settings, const SettingSpec& row, std::size_t entry, const std::string& text) {
  double value = 0;
  if (!ReadNumber(text, value) || value != std::floor(value) || value < 1 || value > kLargestEntry) return false;
  TextOf(settings, row, entry) = Shown(value);
  return true;
}

bool SetRow(RunSettings& settings, const SettingSpec& row, const std::string& text) {
  const std::size_t colon = text.find(':');
  if (colon != std::string::npos) {
    double entry = 0;
    if (!ReadNumber(text.substr(0, colon), entry) || entry != std::floor(entry) || entry < 1 ||
        entry > static_cast<double>(kRowLength)) {
      return false;
    }
    return SetEntry(settings, row, static_cast<std::size_t>(entry) - 1, text.substr(colon + 1));
  }
  const std::vector<std::string> entries = Split(text);
  if (entries.size() != kRowLength) return false;
  RunSettings changed = settings;  // all eleven or none
  for (std::size_t k = 0; k < kRowLength; ++k) {
    if (!SetEntry(changed, row, k, entries[k])) return false;
  }
  settings = changed;
  return true;
}

// The settings beyond the window's, by name.
const char* const kSystemSetting = "system";
const char* const kZeroRuleSetting = "zero_rule";
const char* const kLineSetting = "line";

bool SetLine(RunSettings& settings, const std::string& text) {
  const std::vector<std::string> entries = Split(text);
  if (entries.size() > kLongestStartLine) return false;
  StartLine line;
  for (const std::string& entry : entries) {
    double value = 0;
    if (!ReadNumber(entry, value) || value != std::floor(value) || value < 1 || value > kLargestEntry) return false;
    line.units[static_cast<std::size_t>(line.length++)] = static_cast<int32_t>(value);
  }
  settings.line = line;
  return true;
}

// What a setting beyond the window's takes; empty where the name is none.
std::string BeyondRange(const std::string& name) {
  if (name == kSystemSetting) return "takes one of " + SystemNames();
  if (name == kZeroRuleSetting) return "takes one of " + ZeroRuleNames();
  if (name == kLineSetting) {
    return "takes 1 to " + std::to_string(kLongestStartLine) + " comma-separated whole numbers from 1 to " +
           Shown(kLargestEntry);
  }
  return std::string();
}

bool SetBeyond(RunSettings& settings, const std::string& name, const std::string& text) {
  if (name == kSystemSetting) {
    const SystemSpec* spec = FindSystem(text);
    if (spec) settings.system = spec->system;
    return spec != nullptr;
  }
  if (name == kZeroRuleSetting) {
    const ZeroRuleSpec* spec = FindZeroRule(text);
    if (spec) settings.zero_rule = spec->rule;
    return spec != nullptr;
  }
  return SetLine(settings, text);
}

bool SetValue(RunSettings& settings, const SettingSpec& spec, const std::string& text) {
  double value = 0;
  switch (spec.kind) {
    case SettingKind::Number:
      if (!ReadNumber(text, value) || value < Low(spec) || value > High(spec)) return false;
      TextOf(settings, spec) = Shown(value);
      return true;
    case SettingKind::Row: return SetRow(settings, spec, text);
    case SettingKind::Option:
      if (text != "0" && text != "1") return false;
      SetOption(settings, spec, text == "1");
      return true;
  }
  return false;
}

void FillRows(RunSettings& settings, const ProgressionRow& wins, const ProgressionRow& losses, int32_t scale,
              bool first_bet_after_win, bool first_bet_after_loss) {
  for (std::size_t k = 0; k < kRowLength; ++k) {
    TextOf(settings, *FindSetting("bet_after_wins"), k) = std::to_string(wins[k] * scale);
    TextOf(settings, *FindSetting("bet_after_losses"), k) = std::to_string(losses[k] * scale);
  }
  SetOption(settings, *FindSetting("first_bet_after_win"), first_bet_after_win);
  SetOption(settings, *FindSetting("first_bet_after_loss"), first_bet_after_loss);
}

}  // namespace

RunSettings ResetDefaults() {
  RunSettings settings;
  for (const SettingSpec& spec : kSettings) {
    switch (spec.kind) {
      case SettingKind::Number: TextOf(settings, spec) = ResetText(spec); break;
      case SettingKind::Row: {
        const ProgressionRow& row =
            spec.row == &SimSettings::bet_after_wins ? kResetBetAfterWins : kResetBetAfterLosses;
        for (std::size_t k = 0; k < kRowLength; ++k) TextOf(settings, spec, k) = ResetEntryText(row[k]);
        break;
      }
      case SettingKind::Option: SetOption(settings, spec, spec.reset_checked); break;
    }
  }
  return settings;
}

SimSettings Typed(const RunSettings& settings) {
  SimSettings typed;
  for (const SettingSpec& spec : kSettings) {
    switch (spec.kind) {
      case SettingKind::Number: typed.*spec.number = ParseDecimal(TextOf(settings, spec).c_str()) + spec.offset; break;
      case SettingKind::Row:
        for (std::size_t k = 0; k < kRowLength; ++k) {
          (typed.*spec.row)[k] = TruncateToInt32(ParseDecimal(TextOf(settings, spec, k).c_str()));
        }
        break;
      case SettingKind::Option: typed.*spec.option = OptionOf(settings, spec); break;
    }
  }
  typed.system = settings.system;
  typed.zero_rule = settings.zero_rule;
  typed.line = settings.line;
  return typed;
}

std::vector<std::string> SettingNames() {
  std::vector<std::string> names;
  for (const SettingSpec& spec : kSettings) names.emplace_back(spec.name);
  for (const char* name : {kSystemSetting, kZeroRuleSetting, kLineSetting}) names.emplace_back(name);
  return names;
}

bool IsNamedSetting(const std::string& name) { return name == kSystemSetting || name == kZeroRuleSetting; }
bool IsLineSetting(const std::string& name) { return name == kLineSetting; }

bool IsNumericSetting(const std::string& name) {
  const SettingSpec* spec = FindSetting(name);
  return spec && spec->kind == SettingKind::Number;
}

bool IsRowSetting(const std::string& name) {
  const SettingSpec* spec = FindSetting(name);
  return spec && spec->kind == SettingKind::Row;
}

std::string SetNamed(RunSettings& settings, const std::string& assignment) {
  const std::size_t equals = assignment.find('=');
  const std::string name = assignment.substr(0, equals);
  const SettingSpec* spec = FindSetting(name);
  const std::string beyond = BeyondRange(name);
  if (!beyond.empty()) {
    if (equals == std::string::npos || !SetBeyond(settings, name, assignment.substr(equals + 1))) {
      return "--set " + assignment + ": " + name + " " + beyond;
    }
    return std::string();
  }
  if (!spec) {
    std::string names;
    for (const std::string& each : SettingNames()) names += (names.empty() ? "" : ", ") + each;
    return "--set " + assignment + ": there is no setting " + name + " (the settings: " + names + ")";
  }
  if (equals == std::string::npos || !SetValue(settings, *spec, assignment.substr(equals + 1))) {
    return "--set " + assignment + ": " + name + " " + Range(*spec);
  }
  return std::string();
}

std::string ApplySystem(RunSettings& settings, const std::string& system) {
  if (const SystemSpec* spec = FindSystem(system)) {
    settings.system = spec->system;
    return std::string();
  }
  const RowPreset* preset = FindPreset(system);
  if (!preset) {
    return "--system " + system + ": there is no such system (the systems: " + SystemNames() +
           "; the presets of the rows: " + PresetNames() + ")";
  }
  settings.system = BetSystem::Rows;
  if (std::string(preset->name) == "vantrel") {
    const RunSettings defaults = ResetDefaults();
    for (const char* name : {"bet_after_wins", "bet_after_losses"}) {
      for (std::size_t k = 0; k < kRowLength; ++k)
        TextOf(settings, *FindSetting(name), k) = TextOf(defaults, *FindSetting(name), k);
    }
    for (const char* name : {"first_bet_after_win", "first_bet_after_loss"}) {
      SetOption(settings, *FindSetting(name), OptionOf(defaults, *FindSetting(name)));
    }
    return std::string();
  }
  const int32_t first_bet = std::max(1, TruncateToInt32(Typed(settings).first_bet));
  FillRows(settings, preset->wins, preset->losses, first_bet, preset->first_bet_after_win,
           preset->first_bet_after_loss);
  return std::string();
}

std::string CombinationProblem(const RunSettings& settings) {
  if (settings.zero_rule != ZeroRule::Lose && Typed(settings).double_zero) {
    return std::string("zero_rule=") + SpecOf(settings.zero_rule).name +
           " is a rule of the single-zero wheel; these settings play the double zero (double_zero=1)";
  }
  return std::string();
}

std::string NamedValue(const RunSettings& settings, const std::string& name) {
  if (name == kSystemSetting) return SpecOf(settings.system).name;
  if (name == kZeroRuleSetting) return SpecOf(settings.zero_rule).name;
  if (name == kLineSetting) {
    std::string line;
    for (int32_t k = 0; k < settings.line.length; ++k) {
      line += (k ? "," : "") + std::to_string(settings.line.units[static_cast<std::size_t>(k)]);
    }
    return line;
  }
  const SettingSpec* spec = FindSetting(name);
  if (!spec) return std::string();
  switch (spec->kind) {
    case SettingKind::Number: return Shown(ParseDecimal(TextOf(settings, *spec).c_str()));
    case SettingKind::Row: {
      std::string row;
      for (std::size_t k = 0; k < kRowLength; ++k) {
        row += (k ? "," : "") + std::to_string(TruncateToInt32(ParseDecimal(TextOf(settings, *spec, k).c_str())));
      }
      return row;
    }
    case SettingKind::Option: break;
  }
  return OptionOf(settings, *spec) ? "1" : "0";
}

double EnteredValue(const RunSettings& settings, const std::string& name) {
  const SettingSpec* spec = FindSetting(name);
  return spec && spec->kind == SettingKind::Number ? ParseDecimal(TextOf(settings, *spec).c_str()) : 0;
}

std::string FirstNotFinite(const RunSettings& settings) {
  for (const SettingSpec& spec : kSettings) {
    if (spec.kind == SettingKind::Number && !std::isfinite(ParseDecimal(TextOf(settings, spec).c_str())))
      return spec.name;
  }
  return std::string();
}

std::string PrintSettings(const RunSettings& settings) {
  std::string lines;
  for (const std::string& name : SettingNames()) lines += name + "=" + NamedValue(settings, name) + "\n";
  return lines;
}
