#include "sim/DecimalText.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const char* SkipDigits(const char* p) {
  while (IsDigit(*p)) ++p;
  return p;
}

// End of the longest decimal number at the start of `p`, or `p` itself.
const char* EndOfNumber(const char* p) {
  const char* start = p;
  if (*p == '+' || *p == '-') ++p;
  const char* digits = p;
  p = SkipDigits(p);
  bool any_digit = p != digits;
  if (*p == '.') {
    const char* fraction = p + 1;
    const char* after = SkipDigits(fraction);
    if (any_digit || after != fraction) {
      any_digit = true;
      p = after;
    }
  }
  if (!any_digit) return start;
  if (*p == 'e' || *p == 'E') {
    const char* exponent = p + 1;
    if (*exponent == '+' || *exponent == '-') ++exponent;
    if (IsDigit(*exponent)) p = SkipDigits(exponent);
  }
  return p;
}

}  // namespace

double ParseDecimal(const char* text) {
  if (!text) return 0.0;
  while (std::isspace(static_cast<unsigned char>(*text))) ++text;
  const char* end = EndOfNumber(text);
  if (end == text) return 0.0;
  const std::string number(text, end);
  return std::strtod(number.c_str(), nullptr);
}

int32_t TruncateToInt32(double value) {
  constexpr double kLowest = std::numeric_limits<int32_t>::min();
  constexpr double kHighest = std::numeric_limits<int32_t>::max();
  if (std::isnan(value)) return 0;
  if (value <= kLowest) return std::numeric_limits<int32_t>::min();
  if (value >= kHighest) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}
