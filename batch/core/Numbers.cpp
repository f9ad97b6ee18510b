#include "batch/core/Numbers.h"

#include <algorithm>
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

// Whole by its digits, not by a double: "2.0000000000000001" and "1e-400"
// are not whole, though a double would round them to one.
bool ReadWhole(const std::string& text, int64_t& value) {
  if (!Spelled(text)) return false;
  std::size_t at = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) ++at;
  std::string digits;  // the mantissa's digits, the point left out
  int64_t scale = 0;   // the power of ten of the last of them
  for (; at < text.size() && text[at] != 'e' && text[at] != 'E'; ++at) {
    if (text[at] == '.') continue;
    digits += text[at];
    if (text.find('.') < at) --scale;
  }
  if (at < text.size()) {
    // An exponent beyond any digits a count could hold only matters as a sign.
    const std::string exponent = text.substr(at + 1);
    const long long read = std::strtoll(exponent.c_str(), nullptr, 10);
    scale += std::max(-100000LL, std::min(100000LL, read));
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.empty()) {
    value = 0;
    return true;
  }
  if (scale < 0) {
    const auto fraction = static_cast<std::size_t>(-scale);
    if (fraction >= digits.size() || digits.find_first_not_of('0', digits.size() - fraction) != std::string::npos) {
      return false;
    }
    digits.resize(digits.size() - fraction);
  } else if (scale > 19 || digits.size() + static_cast<std::size_t>(scale) > 19) {
    return false;
  } else {
    digits.append(static_cast<std::size_t>(scale), '0');
  }
  errno = 0;
  const long long whole = std::strtoll(((negative ? "-" : "") + digits).c_str(), nullptr, 10);
  if (errno == ERANGE) return false;
  value = whole;
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
