#pragma once

#include <cstddef>
#include <string>

#include "sim/BetSystem.h"
#include "sim/SimSettings.h"

// The names a batch knows systems and zero rules by, with their rules in a
// line each for --help and the README: the systems the step plays beyond
// the rows, the well-known progressions the rows express (presets that
// fill both rows and the first-bet options, scaled by the first bet), and
// the zero rules.
struct SystemSpec {
  const char* name;
  BetSystem system;
  const char* rule;
};

struct RowPreset {
  const char* name;
  ProgressionRow wins;
  ProgressionRow losses;
  bool first_bet_after_win;
  bool first_bet_after_loss;
  const char* rule;
};

struct ZeroRuleSpec {
  const char* name;
  ZeroRule rule;
  const char* text;
};

const SystemSpec* FindSystem(const std::string& name);
const SystemSpec& SpecOf(BetSystem system);
// A preset of the rows; "vantrel" (the reset defaults) is found but has no rows here.
const RowPreset* FindPreset(const std::string& name);
const ZeroRuleSpec* FindZeroRule(const std::string& name);
const ZeroRuleSpec& SpecOf(ZeroRule rule);

// "dalembert, contra_dalembert, ..." and the like, for messages and help.
std::string SystemNames();
std::string PresetNames();
std::string ZeroRuleNames();
// Every system and preset with its rule, and every zero rule, a line each.
std::string SystemRules();
std::string ZeroRuleRules();
