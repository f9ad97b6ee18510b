#pragma once

#include <cstdint>

// 37 stands for 00 on a double-zero wheel.
constexpr int32_t kDoubleZero = 37;

enum class NumberColour { Red, Black, Zero, DoubleZero };

// A raw value of the generator gives the number raw modulo 51; a result
// beyond the wheel's numbers is drawn again. Raw values 0 to 25 modulo 51
// come up once more in 32768 than 26 to 50, so the wheel keeps that slight
// bias.
constexpr int32_t kRawModulus = 51;
constexpr int32_t WheelNumbers(bool double_zero) { return double_zero ? 38 : 37; }

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
