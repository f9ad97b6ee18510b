// Fuzz target: the settings-file reader and the number conversion of its
// option lines take any bytes without crashing, hanging or reading out of
// bounds, and whatever a complete file gives is written and read back the
// same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "files/SettingsFile.h"
#include "sim/DecimalText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const SettingsFile::Parsed parsed = SettingsFile::Parse(bytes);
  if (parsed.lines > SettingsFile::kLines || parsed.complete != (parsed.lines == SettingsFile::kLines)) {
    __builtin_trap();
  }
  if (parsed.complete) {
    const SettingsFile::Parsed again = SettingsFile::Parse(SettingsFile::Format(parsed.values));
    if (!again.complete || again.values.texts != parsed.values.texts || again.values.options != parsed.values.options) {
      __builtin_trap();
    }
  }
  (void)TruncateToInt32(ParseDecimal(bytes.c_str()));
  return 0;
}
