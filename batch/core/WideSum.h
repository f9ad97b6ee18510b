#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A signed sum of products of 64-bit whole numbers, kept exactly in 128
// bits, so that sums of squares added in any order and any grouping (runs
// on threads, shards merged) come out the same. The shipped 32-bit build
// has no 128-bit type, so the sum keeps two 64-bit halves itself.
class WideSum {
 public:
  // Adds a * b, or leaves the sum as it was and gives false where the
  // result would not fit.
  [[nodiscard]] bool AddProduct(int64_t a, int64_t b);
  [[nodiscard]] bool Add(const WideSum& other);

  bool Negative() const { return (high_ >> 63) != 0; }
  double Value() const;
  // In decimal digits, with a minus sign where negative.
  std::string Text() const;
  // The sum those digits write, or nothing where they are not a sum's.
  static std::optional<WideSum> FromText(std::string_view text);

  friend bool operator==(const WideSum& a, const WideSum& b) { return a.high_ == b.high_ && a.low_ == b.low_; }

 private:
  uint64_t high_ = 0;
  uint64_t low_ = 0;
};
