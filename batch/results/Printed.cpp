#include "batch/results/Printed.h"

#include <cstdio>

std::string VPrinted(const char* format, va_list arguments) {
  char text[512];
  std::vsnprintf(text, sizeof text, format, arguments);
  return text;
}

std::string Printed(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::string text = VPrinted(format, arguments);
  va_end(arguments);
  return text;
}
