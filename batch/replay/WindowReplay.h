#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "batch/settings/RunSettings.h"

// What the window shows at the end of a run of these settings with this
// seed, and the report its save command would then write: the run played
// again by the window's own engine on a form in memory, its fields filled
// as the settings' texts hold them. The batch program prints it for a
// batch of one run; what it counts comes from its sampled run, and the two
// agree (its tests hold them side by side).
struct WindowView {
  std::vector<std::string> messages;  // of the "Fehler" boxes, in order
  std::string results_list;
  std::array<std::string, 3> counters;  // max, min, table limit or last game
  std::array<std::string, 3> percentages;
  std::string report;
};

WindowView ReplayInWindow(const RunSettings& settings, int64_t seed);

// Whether the window can play these settings: its rows and the wheel's
// plain rule, not a system beyond them nor a zero rule of the French
// tables, which its form cannot hold.
bool WindowPlays(const RunSettings& settings);
