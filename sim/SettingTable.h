#pragma once

#include <cstddef>
#include <string>

#include "sim/Control.h"
#include "sim/SimSettings.h"

// Every setting of a simulation, once: the name by which the batch
// program, its JSON and its sweeps know it, where its value lives in
// SimSettings, the window's control it is read from, the range its check
// allows and the "Fehler" text of a failed check, and what the reset
// writes. The window's checks, the reset, the batch program's settings and
// their JSON all read this table.
//
// Beyond the window's fields, the batch program's system, zero rule, a
// Labouchère's line and whether sessions start afresh are rows of the table
// too; they have no control.
enum class SettingKind : unsigned char { Number, Row, Option, System, ZeroRule, Line };

// A check against another setting read before it.
enum class Bound : unsigned char { None, AtMost, AtLeast };

struct SettingSpec {
  const char* name;
  SettingKind kind;
  Control control;  // the field or box; a row's first field
  double SimSettings::*number;
  ProgressionRow SimSettings::*row;
  bool SimSettings::*option;
  // A number's check: the stored value (the entry plus `offset`) lies from
  // `low` to `high` and keeps the bound; else `message` is shown. A number
  // without a check has no message.
  double low;
  double high;
  double offset;
  Bound bound;
  double SimSettings::*other;
  const char* message;
  // The reset's text: a number's value in its format; a box's state.
  double reset_value;
  const char* reset_format;
  bool reset_checked;
  // Where the reset writes it among the fields, or among the boxes; -1
  // where it writes none.
  int reset_order = -1;
  BetSystem SimSettings::*system = nullptr;
  ZeroRule SimSettings::*zero_rule = nullptr;
  StartLine SimSettings::*line = nullptr;
};

constexpr std::size_t kSettingCount = 22;
extern const SettingSpec kSettings[kSettingCount];

// The setting of that name, or null.
const SettingSpec* FindSetting(const std::string& name);

// The reset's progression rows.
extern const ProgressionRow kResetBetAfterWins;
extern const ProgressionRow kResetBetAfterLosses;

// The texts the reset writes: a number's field, and a row's entry.
std::string ResetText(const SettingSpec& item);
std::string ResetEntryText(int32_t entry);

// The groups of checks in the order the engine makes them: at a session's
// start, on the balance limits after its first game, and before a session
// starts.
enum class CheckGroup : unsigned char { SessionStart, BalanceLimits, SessionCount };
struct CheckList {
  const SettingSpec* const* checks;
  std::size_t count;
};
CheckList ChecksOf(CheckGroup group);

// Whether a number's stored value passes its check, given the settings
// read before it.
bool Passes(const SettingSpec& item, const SimSettings& settings, double value);
// The first check of the group that the stored values fail, or null.
const SettingSpec* FirstFailure(CheckGroup group, const SimSettings& settings);
