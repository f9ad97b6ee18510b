#include "sim/WheelOdds.h"

#include "sim/Wheel.h"

namespace {

struct Odds {
  double won;
  double zero;
  double drawn;
};

Odds Count(bool double_zero, bool red) {
  constexpr int kRawValues = 32768;
  const int numbers = WheelNumbers(double_zero);
  const NumberColour colour = red ? NumberColour::Red : NumberColour::Black;
  long won = 0;
  long zero = 0;
  long drawn = 0;
  for (int raw = 0; raw < kRawValues; ++raw) {
    const int number = raw % kRawModulus;
    if (number >= numbers) continue;  // drawn again
    ++drawn;
    if (ColourOf(number) == colour) ++won;
    if (ColourOf(number) == NumberColour::Zero || ColourOf(number) == NumberColour::DoubleZero) ++zero;
  }
  return {static_cast<double>(won), static_cast<double>(zero), static_cast<double>(drawn)};
}

// Counted once per wheel and colour.
const Odds& OddsOf(bool double_zero, bool red) {
  static const Odds kOdds[2][2] = {{Count(false, false), Count(false, true)}, {Count(true, false), Count(true, true)}};
  return kOdds[double_zero][red];
}

}  // namespace

double WinChance(bool double_zero, bool red) {
  const Odds& odds = OddsOf(double_zero, red);
  return odds.won / odds.drawn;
}

double ZeroChance(bool double_zero) {
  const Odds& odds = OddsOf(double_zero, true);
  return odds.zero / odds.drawn;
}

double ExpectedPerUnit(double won, double zero, double drawn, ZeroRule zero_rule) {
  const double lose_all = (2.0 * won - drawn) / drawn;
  switch (zero_rule) {
    case ZeroRule::Lose: break;
    case ZeroRule::LaPartage: return lose_all + zero / drawn / 2;
    case ZeroRule::EnPrison: return lose_all + zero / drawn * (won / drawn);
  }
  return lose_all;
}

double ExpectedPerUnit(bool double_zero, bool red, ZeroRule zero_rule) {
  const Odds& odds = OddsOf(double_zero, red);
  return ExpectedPerUnit(odds.won, odds.zero, odds.drawn, zero_rule);
}

WheelKinds KindsOf(const GameRules& rules) {
  const double red = WinChance(rules.double_zero, true);
  const double black = WinChance(rules.double_zero, false);
  const double zero = 1 - red - black;
  WheelKinds kinds;
  const auto add = [&kinds](double chance, int32_t first, int32_t second) {
    kinds.chance[kinds.count] = chance;
    kinds.numbers[kinds.count][0] = first;
    kinds.numbers[kinds.count][1] = second;
    ++kinds.count;
  };
  // 1 is red and 2 black on every wheel.
  add(red, 1, 0);
  add(black, 2, 0);
  if (rules.zero_rule == ZeroRule::EnPrison) {
    add(zero * red, 0, 1);
    add(zero * black, 0, 2);
    add(zero * zero, 0, 0);
  } else {
    add(zero, 0, 0);
  }
  return kinds;
}
