#include "batch/settings/RunSettings.h"

#include <algorithm>
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

// The balance limits that may be given relative to the capital.
struct RelativeSpec {
  const char* name;
  double SimSettings::*number;
  std::optional<RelativeLimit> RunSettings::*given;
};
constexpr RelativeSpec kRelative[] = {{"max_balance", &SimSettings::max_balance, &RunSettings::max_given},
                                      {"min_balance", &SimSettings::min_balance, &RunSettings::min_given}};

const RelativeSpec* RelativeOf(const SettingSpec& item) {
  for (const RelativeSpec& relative : kRelative) {
    if (item.number == relative.number) return &relative;
  }
  return nullptr;
}

// A number as entered: what the window's check lets pass, less what it
// adds to the entry.
double Low(const SettingSpec& item) { return item.low - item.offset; }
double High(const SettingSpec& item) { return item.high - item.offset; }

std::string Range(const SettingSpec& item) {
  switch (item.kind) {
    case SettingKind::Number:
      return "takes a number from " + Shown(Low(item)) + " to " + Shown(High(item)) +
             (RelativeOf(item) ? ", or one relative to the capital (+50, -300, +10%, -60%) that comes to one" : "");
    case SettingKind::Row:
      return "takes eleven comma-separated whole numbers from 1 to " + Shown(kLargestEntry) +
             ", or N:VALUE for entry N (1 to " + std::to_string(kRowLength) + ")";
    case SettingKind::System: return "takes one of " + SystemNames();
    case SettingKind::ZeroRule: return "takes one of " + ZeroRuleNames();
    case SettingKind::Line:
      return "takes 1 to " + std::to_string(kLongestStartLine) + " comma-separated whole numbers from 1 to " +
             Shown(kLargestEntry);
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

bool IsEntry(int64_t value) { return value >= 1 && value <= kLargestEntry; }

// A number as entered, where the window's check lets it pass.
bool WriteNumber(RunSettings& settings, const SettingSpec& item, double value) {
  if (!(value >= Low(item) && value <= High(item))) return false;
  settings.*item.number = value + item.offset;
  return true;
}

// A row's eleven entries, or a line's one to twenty, set whole where each
// is an entry.
bool WriteWholes(RunSettings& settings, const SettingSpec& item, const std::vector<int64_t>& values) {
  const bool row = item.kind == SettingKind::Row;
  const bool fits = row ? values.size() == kRowLength
                        : item.kind == SettingKind::Line && !values.empty() && values.size() <= kLongestStartLine;
  if (!fits || !std::all_of(values.begin(), values.end(), IsEntry)) return false;
  if (row) {
    for (std::size_t k = 0; k < kRowLength; ++k) (settings.*item.row)[k] = static_cast<int32_t>(values[k]);
    return true;
  }
  StartLine line;
  for (int64_t value : values) line.units[static_cast<std::size_t>(line.length++)] = static_cast<int32_t>(value);
  settings.*item.line = line;
  return true;
}

// Comma-separated whole numbers, each read by the one rule.
bool ReadWholes(const std::string& text, std::vector<int64_t>& values) {
  for (const std::string& entry : Split(text)) {
    int64_t value = 0;
    if (!ReadWhole(entry, value)) return false;
    values.push_back(value);
  }
  return true;
}

bool SetEntry(RunSettings& settings, const SettingSpec& row, std::size_t entry, const std::string& text) {
  int64_t value = 0;
  if (!ReadWhole(text, value) || !IsEntry(value)) return false;
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
  std::vector<int64_t> values;
  return ReadWholes(text, values) && WriteWholes(settings, row, values);
}

bool SetValue(RunSettings& settings, const SettingSpec& item, const std::string& text) {
  double value = 0;
  switch (item.kind) {
    case SettingKind::Number: {
      const RelativeSpec* relative = RelativeOf(item);
      const std::optional<RelativeLimit> given = relative ? ReadRelativeLimit(text) : std::nullopt;
      if (given) {
        if (!WriteNumber(settings, item, given->With(settings.capital))) return false;
        settings.*relative->given = given;
        return true;
      }
      if (!ReadNumber(text, value) || !WriteNumber(settings, item, value)) return false;
      if (relative) (settings.*relative->given).reset();
      return true;
    }
    case SettingKind::Row: return SetRow(settings, item, text);
    case SettingKind::Option:
      if (text != "0" && text != "1") return false;
      settings.*item.option = text == "1";
      return true;
    case SettingKind::System: {
      const SystemSpec* system = FindSystem(text);
      if (system) settings.*item.system = system->system;
      return system != nullptr;
    }
    case SettingKind::ZeroRule: {
      const ZeroRuleSpec* rule = FindZeroRule(text);
      if (rule) settings.*item.zero_rule = rule->rule;
      return rule != nullptr;
    }
    case SettingKind::Line: {
      std::vector<int64_t> values;
      return ReadWholes(text, values) && WriteWholes(settings, item, values);
    }
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

// The balance limits given relative to the capital, from the capital as it
// now stands; what is wrong where one comes out of its range.
MaybeProblem FollowCapital(RunSettings& settings) {
  for (const RelativeSpec& relative : kRelative) {
    const std::optional<RelativeLimit>& given = settings.*relative.given;
    if (!given) continue;
    const SettingSpec& item = *FindSetting(relative.name);
    const double value = given->With(settings.capital);
    if (!WriteNumber(settings, item, value)) {
      char shown[32];
      std::snprintf(shown, sizeof shown, "%.10g", value);
      return Problem{ProblemKind::BadInput, "makes " + std::string(item.name) + "=" + given->Text() + " come to " +
                                                shown + ", beyond " + Shown(Low(item)) + " to " + Shown(High(item))};
    }
  }
  return std::nullopt;
}

// What setting one by name does to the rows that follow a preset, and to
// the balance limits that follow the capital.
MaybeProblem AfterSet(RunSettings& settings, const SettingSpec& item) {
  if (item.row == &SimSettings::bet_after_wins) settings.wins_follow_preset = false;
  if (item.row == &SimSettings::bet_after_losses) settings.losses_follow_preset = false;
  if (item.number == &SimSettings::first_bet) FollowPreset(settings);
  if (item.number == &SimSettings::capital) return FollowCapital(settings);
  return std::nullopt;
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
      // Beyond the window's: the record's own defaults, the rows on a plain zero.
      case SettingKind::System:
      case SettingKind::ZeroRule:
      case SettingKind::Line: break;
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
      case SettingKind::System:  // the window's file holds none of these
      case SettingKind::ZeroRule:
      case SettingKind::Line: break;
    }
  }
  return settings;
}

std::vector<std::string> SettingNames() {
  std::vector<std::string> names;
  for (const SettingSpec& item : kSettings) names.emplace_back(item.name);
  return names;
}

bool IsNumericSetting(const std::string& name) {
  const SettingSpec* item = FindSetting(name);
  return item && item->kind == SettingKind::Number;
}

bool IsRowSetting(const std::string& name) {
  const SettingSpec* item = FindSetting(name);
  return item && item->kind == SettingKind::Row;
}

MaybeProblem SetByName(RunSettings& settings, const std::string& name, const std::string& text) {
  const SettingSpec* item = FindSetting(name);
  if (!item) return Problem{ProblemKind::BadInput, "is no setting"};
  if (!SetValue(settings, *item, text)) return Problem{ProblemKind::BadInput, Range(*item)};
  return AfterSet(settings, *item);
}

MaybeProblem SetWholes(RunSettings& settings, const SettingSpec& item, const std::vector<int64_t>& values) {
  if (!WriteWholes(settings, item, values)) return Problem{ProblemKind::BadInput, Range(item)};
  return AfterSet(settings, item);
}

MaybeProblem SetNumber(RunSettings& settings, const std::string& name, double value) {
  const SettingSpec* item = FindSetting(name);
  if (!item || item->kind != SettingKind::Number || !WriteNumber(settings, *item, value)) {
    return Problem{ProblemKind::BadInput, item ? Range(*item) : "is no numeric setting"};
  }
  if (const RelativeSpec* relative = RelativeOf(*item)) (settings.*relative->given).reset();
  return AfterSet(settings, *item);
}

MaybeProblem SetNamed(RunSettings& settings, const std::string& assignment) {
  const std::size_t equals = assignment.find('=');
  const std::string name = assignment.substr(0, equals);
  if (!FindSetting(name)) {
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
  const SettingSpec* item = FindSetting(name);
  if (!item) return std::string();
  switch (item->kind) {
    case SettingKind::Number: {
      const std::string given = GivenLimit(settings, name);
      return given.empty() ? Shown(settings.*item->number - item->offset) : given;
    }
    case SettingKind::Row: {
      std::string row;
      for (std::size_t k = 0; k < kRowLength; ++k) row += (k ? "," : "") + std::to_string((settings.*item->row)[k]);
      return row;
    }
    case SettingKind::System: return SpecOf(settings.*item->system).name;
    case SettingKind::ZeroRule: return SpecOf(settings.*item->zero_rule).name;
    case SettingKind::Line: {
      const StartLine& line = settings.*item->line;
      std::string text;
      for (int32_t k = 0; k < line.length; ++k) {
        text += (k ? "," : "") + std::to_string(line.units[static_cast<std::size_t>(k)]);
      }
      return text;
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

std::string GivenLimit(const RunSettings& settings, const std::string& name) {
  const SettingSpec* item = FindSetting(name);
  const RelativeSpec* relative = item ? RelativeOf(*item) : nullptr;
  return relative && settings.*relative->given ? (settings.*relative->given)->Text() : std::string();
}

std::string CameTo(const RunSettings& settings, const std::string& name) {
  if (GivenLimit(settings, name).empty()) return std::string();
  return "comes to " + Shown(EnteredValue(settings, name)) + " with the capital " + Shown(settings.capital);
}

std::string PrintSettings(const RunSettings& settings) {
  std::string lines;
  for (const std::string& name : SettingNames()) {
    lines += name + "=" + NamedValue(settings, name) + "\n";
    const std::string came_to = CameTo(settings, name);
    if (!came_to.empty()) lines.append("# ").append(name).append(" ").append(came_to).append("\n");
  }
  return lines;
}
