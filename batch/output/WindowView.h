#pragma once

#include <array>
#include <string>

#include "batch/sampling/SampledRun.h"
#include "batch/settings/RunSettings.h"
#include "sim/SettingTable.h"

// What the window shows after a run of these settings, and the report its
// save command would then write, rendered from the sampled run: the results
// list, the three counters and their percentages.
struct WindowView {
  std::string results_list;
  std::array<std::string, 3> counters;  // max, min, table limit or last game
  std::array<std::string, 3> percentages;
  std::string report;
};

WindowView WindowViewOf(const RunSettings& settings, const RunOutcome& run);

// A number's field, or a row's entry, as the report shows it: the reset's
// text where the value (the row) is the reset's, else the number as it
// reads back exactly ("600", "2.5").
std::string FieldText(const RunSettings& settings, const SettingSpec& item);
std::string EntryText(const RunSettings& settings, const SettingSpec& row, std::size_t k);

// The list, the counts and the percentages, three lines as the batch prints
// them.
std::string WindowViewText(const WindowView& view);

// Whether the window can play these settings: its rows and the wheel's
// plain rule, not a system beyond them nor a zero rule of the French
// tables, which its form cannot hold.
bool WindowPlays(const RunSettings& settings);
