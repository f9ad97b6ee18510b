#pragma once

#include <cstdint>

// 37 stands for 00 on a double-zero wheel.
constexpr int32_t kDoubleZero = 37;

enum class NumberColour { Red, Black, Zero, DoubleZero };

namespace wheel_detail {

constexpr NumberColour R = NumberColour::Red;
constexpr NumberColour B = NumberColour::Black;
// clang-format off
constexpr NumberColour kColours[38] = {
    NumberColour::Zero,
    R, B, R, B, R, B, R, B, R, B,  // 1-10
    B, R, B, R, B, R, B, R, R, B,  // 11-20
    R, B, R, B, R, B, R, B, B, R,  // 21-30
    B, R, B, R, B, R,              // 31-36
    NumberColour::DoubleZero};
// clang-format on

}  // namespace wheel_detail

// Inline: the engine asks once per game.
constexpr NumberColour ColourOf(int32_t number) {
  return number >= 0 && number <= kDoubleZero ? wheel_detail::kColours[number] : NumberColour::Zero;
}
