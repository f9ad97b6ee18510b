#pragma once

#include <cstdint>

// Reads decimal floating-point text as typed into a field: leading blanks,
// an optional sign, digits with an optional point and exponent, up to the
// first character that cannot continue the number. Text that does not begin
// with a number reads as 0. Hexadecimal, infinity and not-a-number
// spellings are not numbers here.
double ParseDecimal(const char* text);

// Truncates toward zero; values beyond the 32-bit range saturate at its
// ends rather than being undefined.
int32_t TruncateToInt32(double value);
