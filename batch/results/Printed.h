#pragma once

#include <cstdarg>
#include <string>

// The printf-style formatting of the arguments: for the batch program's
// lines of text, which stay short (up to 511 characters are kept).
std::string Printed(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string VPrinted(const char* format, va_list arguments);
