#pragma once

#include <cstdint>

// 37 stands for 00 on a double-zero wheel.
constexpr int32_t kDoubleZero = 37;

enum class NumberColour { Red, Black, Zero, DoubleZero };

NumberColour ColourOf(int32_t number);
