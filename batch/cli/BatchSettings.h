#pragma once

#include <string>
#include <vector>

#include "batch/cli/BatchOptions.h"
#include "batch/core/Problem.h"
#include "batch/settings/RunSettings.h"

// The settings a command line asks for: the reset defaults or a settings
// file, read as the window's load command reads it, then every --set, the
// system, and every --set again, so that a set value wins over the system
// and the system is scaled by the first bet.
MaybeProblem BuildSettings(const BatchOptions& options, RunSettings& settings);

// What a user may not expect of these settings, in English, a line each:
// every session ending at once on a balance limit at or past the capital,
// a capital or first bet whose fraction the engine drops. Said on standard
// error before a run, beside the window's own "Fehler" lines.
std::vector<std::string> SettingsNotes(const RunSettings& settings);
