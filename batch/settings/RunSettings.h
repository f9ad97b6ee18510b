#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/core/Problem.h"
#include "batch/settings/RelativeLimit.h"
#include "batch/settings/Systems.h"
#include "files/SettingsFile.h"
#include "sim/BetSystem.h"
#include "sim/SettingTable.h"
#include "sim/SimSettings.h"

// The settings of a batch run, typed once: every setting as the engine
// plays it (the window's fields as its checks read them, the table limit
// plus one, and beyond the window's the system, the zero rule and a
// Labouchère's line), each read and set by its name in the settings' table
// ("capital", "bet_after_wins", "double_zero"). Text is met only where it
// comes in or goes out: a settings file, --set, --print-settings and JSON.
struct RunSettings : SimSettings {
  // The rows a preset of the rows filled (--system martingale) follow the
  // first bet wherever it is set after, a sweep's or a solved value's too,
  // as they would had it been set before; a row set by name no longer does.
  const RowPreset* preset = nullptr;
  bool wins_follow_preset = false;
  bool losses_follow_preset = false;
  // The balance limits where given relative to the capital: their numbers
  // above follow the capital wherever it is set.
  std::optional<RelativeLimit> max_given;
  std::optional<RelativeLimit> min_given;
};

// The balance limits given relative to the capital, as --set takes them
// ("max_balance", "+50"), "" where a limit is a plain number.
std::string GivenLimit(const RunSettings& settings, const std::string& name);
// What such a limit came to ("comes to 550 with the capital 500"), "" for
// every other setting.
std::string CameTo(const RunSettings& settings, const std::string& name);

// The fields and boxes as the reset writes them.
RunSettings ResetDefaults();

// A settings file's values as the window reads its fields and boxes after
// the load command: a number as decimal text, a row's entries truncated;
// the delay and the live list, which the file does not keep, as the reset
// writes them.
RunSettings SettingsFromFile(const SettingsFile::Values& values);

// The names of the settings, in the order they are printed.
std::vector<std::string> SettingNames();
// Whether the setting takes a number that may be swept, or is a progression
// row of eleven whole numbers.
bool IsNumericSetting(const std::string& name);
bool IsRowSetting(const std::string& name);

// Sets one setting by name from its text, or says what the setting takes
// ("takes a number from 1 to 20000"). Numbers take what the window's check
// of the field lets pass (the table limit as entered); progression rows
// take eleven comma-separated entries, or "N:VALUE" for entry N alone;
// options take 0 or 1.
MaybeProblem SetByName(RunSettings& settings, const std::string& name, const std::string& text);
// A progression row's eleven entries, or a Labouchère's line, set whole.
MaybeProblem SetWholes(RunSettings& settings, const SettingSpec& item, const std::vector<int64_t>& values);
// A numeric setting set to a value as entered (a sweep's, a solved one).
MaybeProblem SetNumber(RunSettings& settings, const std::string& name, double value);
// "name=value" as --set takes it; the problem is one line naming it.
MaybeProblem SetNamed(RunSettings& settings, const std::string& assignment);

// A system by name ("dalembert"), or a well-known progression of the rows
// in both rows and the first-bet options, scaled by the first bet
// ("martingale"; "vantrel" the reset defaults).
MaybeProblem ApplySystem(RunSettings& settings, const std::string& system);

// Where settings that each passed cannot be played together (a zero rule
// of the single-zero wheel on the double-zero wheel): what is wrong.
MaybeProblem CombinationProblem(const RunSettings& settings);

// The value of a setting as the engine reads it: a number ("500",
// "2.5"), a row of eleven entries ("2,5,11,...") or an option ("0", "1").
std::string NamedValue(const RunSettings& settings, const std::string& name);

// A number as it was entered: the table limit without the one the engine
// adds to it.
double EnteredValue(const RunSettings& settings, const std::string& name);

// The first numeric setting whose text reads as too large to hold (a
// settings file may hold "1e400"), or empty.
std::string FirstNotFinite(const RunSettings& settings);

// Every setting as "name=value", one a line.
std::string PrintSettings(const RunSettings& settings);
