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

ProgressionRow& RowOf(RunSettings& settings, const SettingSpec& item) { return settings.*item.row; }

// A number as entered: what the window's check lets pass, less what it
// adds to the entry.
double Low(const SettingSpec& item) { return item.low - item.offset; }
double High(const SettingSpec& item) { return item.high - item.offset; }

std::string Range(const SettingSpec& item) {
  switch (item.kind) {
    case SettingKind::Number: return "takes a number from " + Shown(Low(item)) + " to " + Shown(High(item));
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
  int64_t value = 0;
  if (!ReadWhole(text, value) || value < 1 || value > kLargestEntry) return false;
  RowOf(settings, row)[entry] = static_cast<int32_t>(value);
  return true;
}

bool SetRow(RunSettings& settings, const SettingSpec& row, const std::string& text) {
  const std::size_t colon = text.find(':');
  if (colon != std::string::npos) {
    int64_t entry = 0;
    if (!ReadWhole(text.substr(0, colon), entry) || entry < 1 || entry > static_cast<int64_t>(kRowLength)) {
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
    int64_t value = 0;
    if (!ReadWhole(entry, value) || value < 1 || value > kLargestEntry) return false;
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
    const SystemSpec* item = FindSystem(text);
    if (item) settings.system = item->system;
    return item != nullptr;
  }
  if (name == kZeroRuleSetting) {
    const ZeroRuleSpec* item = FindZeroRule(text);
    if (item) settings.zero_rule = item->rule;
    return item != nullptr;
  }
  return SetLine(settings, text);
}

bool SetValue(RunSettings& settings, const SettingSpec& item, const std::string& text) {
  double value = 0;
  switch (item.kind) {
    case SettingKind::Number:
      if (!ReadNumber(text, value) || value < Low(item) || value > High(item)) return false;
      settings.*item.number = value + item.offset;
      return true;
    case SettingKind::Row: return SetRow(settings, item, text);
    case SettingKind::Option:
      if (text != "0" && text != "1") return false;
      settings.*item.option = text == "1";
      return true;
  }
  return false;
}

// The rows that follow a preset, scaled by the first bet as it now stands.
void FollowPreset(RunSettings& settings) {
  if (!settings.preset) return;
  const int32_t scale = std::max(1, TruncateToInt32(settings.first_bet));
  for (std::size_t k = 0; k < kRowLength; ++k) {
    if (settings.wins_follow_preset) settings.bet_after_wins[k] = settings.preset->wins[k] * scale;
    if (settings.losses_follow_preset) settings.bet_after_losses[k] = settings.preset->losses[k] * scale;
  }
}

// What setting one by name does to the rows that follow a preset.
void AfterSet(RunSettings& settings, const SettingSpec& item) {
  if (item.row == &SimSettings::bet_after_wins) settings.wins_follow_preset = false;
  if (item.row == &SimSettings::bet_after_losses) settings.losses_follow_preset = false;
  if (item.number == &SimSettings::first_bet) FollowPreset(settings);
}

}  // namespace

RunSettings ResetDefaults() {
  RunSettings settings;
  for (const SettingSpec& item : kSettings) {
    switch (item.kind) {
      case SettingKind::Number: settings.*item.number = item.reset_value + item.offset; break;
      case SettingKind::Row:
        settings.*item.row = item.row == &SimSettings::bet_after_wins ? kResetBetAfterWins : kResetBetAfterLosses;
        break;
      case SettingKind::Option: settings.*item.option = item.reset_checked; break;
    }
  }
  return settings;
}

RunSettings SettingsFromFile(const SettingsFile::Values& values) {
  RunSettings settings = ResetDefaults();
  for (const SettingSpec& item : kSettings) {
    const std::size_t line = SettingsFile::TextLineOf(item.control);
    switch (item.kind) {
      case SettingKind::Number:
        if (line < SettingsFile::kTextLines) {
          settings.*item.number = ParseDecimal(values.texts[line].c_str()) + item.offset;
        }
        break;
      case SettingKind::Row:
        for (std::size_t k = 0; k < kRowLength; ++k) {
          (settings.*item.row)[k] = TruncateToInt32(ParseDecimal(values.texts[line + k].c_str()));
        }
        break;
      case SettingKind::Option: {
        const std::size_t flag = SettingsFile::OptionLineOf(item.control);
        if (flag < SettingsFile::kFlagLines) settings.*item.option = values.options[flag];
        break;
      }
    }
  }
  return settings;
}

std::vector<std::string> SettingNames() {
  std::vector<std::string> names;
  for (const SettingSpec& item : kSettings) names.emplace_back(item.name);
  for (const char* name : {kSystemSetting, kZeroRuleSetting, kLineSetting}) names.emplace_back(name);
  return names;
}

bool IsNamedSetting(const std::string& name) { return name == kSystemSetting || name == kZeroRuleSetting; }
bool IsLineSetting(const std::string& name) { return name == kLineSetting; }

bool IsNumericSetting(const std::string& name) {
  const SettingSpec* item = FindSetting(name);
  return item && item->kind == SettingKind::Number;
}

bool IsRowSetting(const std::string& name) {
  const SettingSpec* item = FindSetting(name);
  return item && item->kind == SettingKind::Row;
}

MaybeProblem SetByName(RunSettings& settings, const std::string& name, const std::string& text) {
  const std::string beyond = BeyondRange(name);
  if (!beyond.empty()) {
    if (!SetBeyond(settings, name, text)) return Problem{ProblemKind::BadInput, beyond};
    return std::nullopt;
  }
  const SettingSpec* item = FindSetting(name);
  if (!item) return Problem{ProblemKind::BadInput, "is no setting"};
  if (!SetValue(settings, *item, text)) return Problem{ProblemKind::BadInput, Range(*item)};
  AfterSet(settings, *item);
  return std::nullopt;
}

MaybeProblem SetNumber(RunSettings& settings, const std::string& name, double value) {
  const SettingSpec* item = FindSetting(name);
  if (!item || item->kind != SettingKind::Number || !(value >= Low(*item) && value <= High(*item))) {
    return Problem{ProblemKind::BadInput, item ? Range(*item) : "is no numeric setting"};
  }
  settings.*item->number = value + item->offset;
  AfterSet(settings, *item);
  return std::nullopt;
}

MaybeProblem SetNamed(RunSettings& settings, const std::string& assignment) {
  const std::size_t equals = assignment.find('=');
  const std::string name = assignment.substr(0, equals);
  if (!FindSetting(name) && BeyondRange(name).empty()) {
    std::string names;
    for (const std::string& each : SettingNames()) names += (names.empty() ? "" : ", ") + each;
    return Problem{ProblemKind::BadInput,
                   "--set " + assignment + ": there is no setting " + name + " (the settings: " + names + ")"};
  }
  MaybeProblem problem = SetByName(settings, name, equals == std::string::npos ? "" : assignment.substr(equals + 1));
  if (problem) problem->text = "--set " + assignment + ": " + name + " " + problem->text;
  return problem;
}

MaybeProblem ApplySystem(RunSettings& settings, const std::string& system) {
  if (const SystemSpec* item = FindSystem(system)) {
    settings.system = item->system;
    settings.preset = nullptr;
    return std::nullopt;
  }
  const RowPreset* preset = FindPreset(system);
  if (!preset) {
    return Problem{ProblemKind::BadInput, "--system " + system + ": there is no such system (the systems: " +
                                              SystemNames() + "; the presets of the rows: " + PresetNames() + ")"};
  }
  settings.system = BetSystem::Rows;
  settings.preset = nullptr;
  if (std::string(preset->name) == "vantrel") {
    const RunSettings defaults = ResetDefaults();
    settings.bet_after_wins = defaults.bet_after_wins;
    settings.bet_after_losses = defaults.bet_after_losses;
    settings.first_bet_after_win = defaults.first_bet_after_win;
    settings.first_bet_after_loss = defaults.first_bet_after_loss;
    return std::nullopt;
  }
  settings.preset = preset;
  settings.wins_follow_preset = settings.losses_follow_preset = true;
  FollowPreset(settings);
  settings.first_bet_after_win = preset->first_bet_after_win;
  settings.first_bet_after_loss = preset->first_bet_after_loss;
  return std::nullopt;
}

MaybeProblem CombinationProblem(const RunSettings& settings) {
  if (settings.zero_rule != ZeroRule::Lose && settings.double_zero) {
    return Problem{ProblemKind::BadInput,
                   std::string("zero_rule=") + SpecOf(settings.zero_rule).name +
                       " is a rule of the single-zero wheel; these settings play the double zero (double_zero=1)"};
  }
  return std::nullopt;
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
  const SettingSpec* item = FindSetting(name);
  if (!item) return std::string();
  switch (item->kind) {
    case SettingKind::Number: return Shown(settings.*item->number - item->offset);
    case SettingKind::Row: {
      std::string row;
      for (std::size_t k = 0; k < kRowLength; ++k) row += (k ? "," : "") + std::to_string((settings.*item->row)[k]);
      return row;
    }
    case SettingKind::Option: break;
  }
  return settings.*item->option ? "1" : "0";
}

double EnteredValue(const RunSettings& settings, const std::string& name) {
  const SettingSpec* item = FindSetting(name);
  return item && item->kind == SettingKind::Number ? settings.*item->number - item->offset : 0;
}

std::string FirstNotFinite(const RunSettings& settings) {
  for (const SettingSpec& item : kSettings) {
    if (item.kind == SettingKind::Number && !std::isfinite(settings.*item.number)) return item.name;
  }
  return std::string();
}

std::string PrintSettings(const RunSettings& settings) {
  std::string lines;
  for (const std::string& name : SettingNames()) lines += name + "=" + NamedValue(settings, name) + "\n";
  return lines;
}
