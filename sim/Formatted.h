#pragma once

#include "framework/text/WString.h"

// A new string holding the printf-style formatting of the arguments.
WString Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));
