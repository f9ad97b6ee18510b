#pragma once

#include "sim/FormOperations.h"
#include "sim/SettingTable.h"
#include "sim/SimSettings.h"

// Reads and checks the settings of one check group. The first failure shows
// its message in a "Fehler" box and stops the group; the failed field keeps
// its out-of-range value, and fields read before it keep their new values.
bool CheckSessionStart(FormOperations& form, SimSettings& settings);
bool CheckBalanceLimits(FormOperations& form, SimSettings& settings);
bool CheckSessionCount(FormOperations& form, SimSettings& settings);

// The groups in the order a run meets them (its count as it starts, each
// session's start, the limits at its first game), read without a word to
// the user: the first setting that fails, or null.
const SettingSpec* FirstFailingCheck(const FormOperations& form, SimSettings& settings);
