#include "batch/WheelOdds.h"

#include "sim/Wheel.h"

namespace {

double Count(bool double_zero, bool red) {
  constexpr int kRawValues = 32768;
  const int numbers = WheelNumbers(double_zero);
  const NumberColour colour = red ? NumberColour::Red : NumberColour::Black;
  long won = 0;
  long drawn = 0;
  for (int raw = 0; raw < kRawValues; ++raw) {
    const int number = raw % kRawModulus;
    if (number >= numbers) continue;  // drawn again
    ++drawn;
    if (ColourOf(number) == colour) ++won;
  }
  // A win pays the stake once; anything else loses it.
  return (2.0 * static_cast<double>(won) - static_cast<double>(drawn)) / static_cast<double>(drawn);
}

}  // namespace

double ExpectedPerUnit(bool double_zero, bool red) {
  // Counted once per wheel and colour.
  static const double kExpected[2][2] = {{Count(false, false), Count(false, true)},
                                         {Count(true, false), Count(true, true)}};
  return kExpected[double_zero][red];
}
