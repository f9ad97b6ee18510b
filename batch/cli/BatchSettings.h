#pragma once

#include <string>

#include "batch/cli/BatchOptions.h"
#include "batch/core/Problem.h"
#include "batch/settings/RunSettings.h"

// The settings a command line asks for: the reset defaults or a settings
// file, read as the window's load command reads it, then every --set, the
// system, and every --set again, so that a set value wins over the system
// and the system is scaled by the first bet.
MaybeProblem BuildSettings(const BatchOptions& options, RunSettings& settings);
