#include "batch/core/Numbers.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool Digits(const std::string& text, std::size_t& at) {
  const std::size_t start = at;
  while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
  return at > start;
}

bool Sign(const std::string& text, std::size_t& at) {
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  return true;
}

// [sign] digits [. [digits]] | [sign] . digits, then [e [sign] digits].
bool Spelled(const std::string& text) {
  std::size_t at = 0;
  Sign(text, at);
  bool mantissa = Digits(text, at);
  if (at < text.size() && text[at] == '.') {
    ++at;
    mantissa = Digits(text, at) || mantissa;
  }
  if (!mantissa) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    Sign(text, at);
    if (!Digits(text, at)) return false;
  }
  return at == text.size();
}

}  // namespace

bool ReadNumber(const std::string& text, double& value) {
  if (!Spelled(text)) return false;
  errno = 0;
  const double read = std::strtod(text.c_str(), nullptr);
  // Underflow to a tiny or zero value is still the number meant.
  if (!std::isfinite(read) || (errno == ERANGE && std::fabs(read) > 1)) return false;
  value = read;
  return true;
}

bool ReadWhole(const std::string& text, int64_t& value) {
  double read = 0;
  if (!ReadNumber(text, read) || read != std::floor(read)) return false;
  if (text.find_first_of(".eE") == std::string::npos) {
    // Digits alone are read exactly, beyond what a double holds.
    errno = 0;
    const long long whole = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE) return false;
    value = whole;
    return true;
  }
  // Spelled with a point or an exponent: only where the double is exact.
  if (std::fabs(read) > 9007199254740992.0) return false;
  value = static_cast<int64_t>(read);
  return true;
}

std::string ExactText(double value) {
  char text[40];
  for (int digits = 15; digits <= 17; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    if (std::strtod(text, nullptr) == value) break;
  }
  return text;
}
