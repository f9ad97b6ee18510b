#pragma once

#include <string>

#include "batch/settings/RunSettings.h"
#include "files/SettingsFile.h"
#include "sim/FormOperations.h"

// What the odds are asked of: the form's fields and boxes as the settings
// file would keep them, the settings a run would read from them, and, where
// a field fails the check a run would meet, which and why, in words.
struct OddsInput {
  SettingsFile::Values values;
  RunSettings settings;
  std::string failure;
};

// Read as a start of a run reads the form, through the same checks, but
// without a message box: the form is not changed.
OddsInput OddsInputOf(const FormOperations& form);

// Whether the form showed the same as when `input` was read.
bool SameValues(const SettingsFile::Values& a, const SettingsFile::Values& b);
