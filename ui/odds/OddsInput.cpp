#include "ui/odds/OddsInput.h"

#include "sim/SettingsChecks.h"

OddsInput OddsInputOf(const FormOperations& form) {
  OddsInput input;
  input.values = SettingsFile::Collect(form);
  // A file of what the form shows reads back as the batch program reads
  // it, so that the odds here are the batch's of the same settings.
  input.settings = SettingsFromFile(input.values);
  SimSettings checked = input.settings;
  if (const SettingSpec* failed = FirstFailingCheck(form, checked)) {
    input.failure = std::string("The ") + failed->name + " field does not pass the check a run makes (" +
                    failed->message + "), so there are no odds to show until it does.";
  }
  return input;
}

bool SameValues(const SettingsFile::Values& a, const SettingsFile::Values& b) {
  return a.texts == b.texts && a.options == b.options;
}
