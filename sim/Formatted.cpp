#include "sim/Formatted.h"

WString Formatted(const char* format, ...) {
  WString text;
  va_list arguments;
  va_start(arguments, format);
  text.VSprintf(format, arguments);
  va_end(arguments);
  return text;
}
