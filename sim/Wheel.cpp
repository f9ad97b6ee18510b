#include "sim/Wheel.h"

namespace {

constexpr bool kRed[37] = {
    false,                                                    // 0
    true,  false, true,  false, true,  false, true,  false, true,  false,  // 1-10
    false, true,  false, true,  false, true,  false, true,  true,  false,  // 11-20
    true,  false, true,  false, true,  false, true,  false, false, true,   // 21-30
    false, true,  false, true,  false, true};                              // 31-36

}  // namespace

NumberColour ColourOf(int32_t number) {
  if (number == kDoubleZero) return NumberColour::DoubleZero;
  if (number <= 0 || number > 36) return NumberColour::Zero;
  return kRed[number] ? NumberColour::Red : NumberColour::Black;
}
