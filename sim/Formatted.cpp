#include "sim/Formatted.h"

#include <cstdio>

WString Formatted(const char* format, ...) {
  // The engine's texts are short: they are formatted on the stack, so runs
  // on several threads do not queue for the string class's shared buffer.
  char line[128];
  va_list arguments;
  va_start(arguments, format);
  va_list copy;
  va_copy(copy, arguments);
  const int written = std::vsnprintf(line, sizeof line, format, copy);
  va_end(copy);
  WString text;
  if (written >= 0 && static_cast<std::size_t>(written) < sizeof line) {
    text = line;
  } else {
    text.VSprintf(format, arguments);
  }
  va_end(arguments);
  return text;
}
