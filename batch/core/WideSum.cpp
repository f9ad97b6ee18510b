#include "batch/core/WideSum.h"

#include <algorithm>
#include <cmath>

namespace {

struct Halves {
  uint64_t high;
  uint64_t low;
};

Halves Negated(Halves value) {
  value.low = ~value.low + 1;
  value.high = ~value.high + (value.low == 0 ? 1 : 0);
  return value;
}

uint64_t Magnitude(int64_t value) {
  return value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
}

// The full product of two 64-bit magnitudes, from their 32-bit halves.
Halves Product(uint64_t a, uint64_t b) {
  const uint64_t a0 = a & 0xffffffffu, a1 = a >> 32, b0 = b & 0xffffffffu, b1 = b >> 32;
  const uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
  const uint64_t middle = (p00 >> 32) + (p01 & 0xffffffffu) + (p10 & 0xffffffffu);
  return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (p00 & 0xffffffffu) | (middle << 32)};
}

// The sum, or nothing where two numbers of one sign give the other.
std::optional<Halves> Sum(Halves a, Halves b) {
  Halves sum{a.high + b.high, a.low + b.low};
  if (sum.low < a.low) ++sum.high;
  const bool a_negative = (a.high >> 63) != 0, b_negative = (b.high >> 63) != 0;
  if (a_negative == b_negative && ((sum.high >> 63) != 0) != a_negative) return std::nullopt;
  return sum;
}

}  // namespace

bool WideSum::AddProduct(int64_t a, int64_t b) {
  Halves product = Product(Magnitude(a), Magnitude(b));
  if ((product.high >> 63) != 0) return false;
  if ((a < 0) != (b < 0)) product = Negated(product);
  const std::optional<Halves> sum = Sum({high_, low_}, product);
  if (!sum) return false;
  high_ = sum->high;
  low_ = sum->low;
  return true;
}

bool WideSum::Add(const WideSum& other) {
  const std::optional<Halves> sum = Sum({high_, low_}, {other.high_, other.low_});
  if (!sum) return false;
  high_ = sum->high;
  low_ = sum->low;
  return true;
}

double WideSum::Value() const {
  const Halves magnitude = Negative() ? Negated({high_, low_}) : Halves{high_, low_};
  const double value = std::ldexp(static_cast<double>(magnitude.high), 64) + static_cast<double>(magnitude.low);
  return Negative() ? -value : value;
}

std::string WideSum::Text() const {
  Halves magnitude = Negative() ? Negated({high_, low_}) : Halves{high_, low_};
  std::string digits;
  // Long division by ten over 32-bit pieces, a digit at a time.
  do {
    uint32_t pieces[4] = {static_cast<uint32_t>(magnitude.high >> 32), static_cast<uint32_t>(magnitude.high),
                          static_cast<uint32_t>(magnitude.low >> 32), static_cast<uint32_t>(magnitude.low)};
    uint64_t remainder = 0;
    for (uint32_t& piece : pieces) {
      const uint64_t part = (remainder << 32) | piece;
      piece = static_cast<uint32_t>(part / 10);
      remainder = part % 10;
    }
    digits += static_cast<char>('0' + remainder);
    magnitude = {(uint64_t{pieces[0]} << 32) | pieces[1], (uint64_t{pieces[2]} << 32) | pieces[3]};
  } while (magnitude.high != 0 || magnitude.low != 0);
  if (Negative()) digits += '-';
  std::reverse(digits.begin(), digits.end());
  return digits;
}

std::optional<WideSum> WideSum::FromText(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 39 || (text.size() > 1 && text.front() == '0')) return std::nullopt;
  WideSum sum;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    // sum * 10 + digit, each step checked.
    WideSum times10;
    for (int k = 0; k < 10; ++k) {
      if (!times10.Add(sum)) return std::nullopt;
    }
    if (!times10.AddProduct(c - '0', 1)) return std::nullopt;
    sum = times10;
  }
  if (negative) {
    const Halves negated = Negated({sum.high_, sum.low_});
    sum.high_ = negated.high;
    sum.low_ = negated.low;
  }
  return sum;
}
