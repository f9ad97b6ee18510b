#include "batch/settings/Systems.h"

#include <array>

namespace {

constexpr std::array<SystemSpec, 7> kSystems = {{
    {"rows", BetSystem::Rows, "the progression rows and the first-bet options, as the window plays them"},
    {"dalembert", BetSystem::DAlembert, "start at u; after a loss one u more, after a win one u less, never below u"},
    {"contra_dalembert", BetSystem::ContraDAlembert,
     "start at u; after a win one u more, after a loss one u less, never below u"},
    {"labouchere", BetSystem::Labouchere,
     "bet u times the first plus the last entry of the line (--set line=1,2,3,4); a win crosses both out, a loss "
     "appends the units lost; an empty line starts again"},
    {"reverse_labouchere", BetSystem::ReverseLabouchere,
     "the line as the labouchere, but a win appends the units won and a loss crosses out"},
    {"oscars_grind", BetSystem::OscarsGrind,
     "cycles that aim at one u of profit: start at u, keep the bet after a loss, one u more after a win but no "
     "more than takes the cycle to one u"},
    {"fibonacci", BetSystem::Fibonacci,
     "levels 1, 1, 2, 3, 5, 8, ... times u from the first; a loss one level up, a win two down"},
}};

constexpr ProgressionRow kOnes = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

constexpr std::array<RowPreset, 7> kPresets = {{
    {"flat", kOnes, kOnes, true, true, "u every game"},
    {"martingale",
     kOnes,
     {2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048},
     true,
     false,
     "double the bet after a loss, u after a win"},
    {"great_martingale",
     kOnes,
     {3, 7, 15, 31, 63, 127, 255, 511, 1023, 2047, 4095},
     true,
     false,
     "double the bet and one u more after a loss, u after a win"},
    {"fibonacci_rows",
     kOnes,
     {1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144},
     true,
     false,
     "the Fibonacci numbers by the losses in a row, u after a win"},
    {"paroli",
     {2, 4, 1, 2, 4, 1, 2, 4, 1, 2, 4},
     kOnes,
     false,
     true,
     "double after a win, three times, u after a loss"},
    {"one_three_two_six",
     {3, 2, 6, 1, 3, 2, 6, 1, 3, 2, 6},
     kOnes,
     false,
     true,
     "1, 3, 2, 6 times u by the wins in a row, u after a loss"},
    {"vantrel", {}, {}, false, false, "the window's reset rows"},
}};

constexpr std::array<ZeroRuleSpec, 3> kZeroRules = {{
    {"lose", ZeroRule::Lose, "a zero loses the colour bet"},
    {"la_partage", ZeroRule::LaPartage, "a zero gives half of the colour bet back (single zero only)"},
    {"en_prison", ZeroRule::EnPrison,
     "a zero imprisons the bet and the wheel turns again: its colour returns it, else it is lost (single zero only)"},
}};

template <class Table>
std::string NamesOf(const Table& table) {
  std::string names;
  for (const auto& each : table) names += std::string(names.empty() ? "" : ", ") + each.name;
  return names;
}

}  // namespace

const SystemSpec* FindSystem(const std::string& name) {
  for (const SystemSpec& item : kSystems) {
    if (name == item.name) return &item;
  }
  return nullptr;
}

const SystemSpec& SpecOf(BetSystem system) {
  for (const SystemSpec& item : kSystems) {
    if (item.system == system) return item;
  }
  return kSystems.front();
}

const RowPreset* FindPreset(const std::string& name) {
  for (const RowPreset& preset : kPresets) {
    if (name == preset.name) return &preset;
  }
  return nullptr;
}

const ZeroRuleSpec* FindZeroRule(const std::string& name) {
  for (const ZeroRuleSpec& item : kZeroRules) {
    if (name == item.name) return &item;
  }
  return nullptr;
}

const ZeroRuleSpec& SpecOf(ZeroRule rule) {
  for (const ZeroRuleSpec& item : kZeroRules) {
    if (item.rule == rule) return item;
  }
  return kZeroRules.front();
}

std::string SystemNames() { return NamesOf(kSystems); }
std::string PresetNames() { return NamesOf(kPresets); }
std::string ZeroRuleNames() { return NamesOf(kZeroRules); }

std::string SystemRules() {
  std::string rules;
  for (const SystemSpec& item : kSystems) rules += std::string("  ") + item.name + ": " + item.rule + "\n";
  for (const RowPreset& preset : kPresets) rules += std::string("  ") + preset.name + " (rows): " + preset.rule + "\n";
  return rules;
}

std::string ZeroRuleRules() {
  std::string rules;
  for (const ZeroRuleSpec& item : kZeroRules) rules += std::string("  ") + item.name + ": " + item.text + "\n";
  return rules;
}
