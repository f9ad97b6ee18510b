#pragma once

// The wheel's exact odds for a bet on one colour, from the way it maps the
// generator's 32768 raw values to its numbers: raw values 0 to 25 modulo 51
// come up once more than 26 to 50, so low numbers are a little likelier than
// high ones.

#include <cstdint>

#include "sim/BetSystem.h"
#include "sim/GameStep.h"

// The chance that a spin shows the colour, and that it shows a zero (0 or 00).
double WinChance(bool double_zero, bool red);
double ZeroChance(bool double_zero);
// The expected result per unit wagered under the zero rule: a win pays the
// stake once; a zero loses it, gives half back (la partage), or imprisons
// it for a spin that returns it on its colour (en prison); the other colour
// loses it.
double ExpectedPerUnit(bool double_zero, bool red, ZeroRule zero_rule = ZeroRule::Lose);
// The same for a wheel given by how many of its equally likely outcomes
// show the colour, a zero, and in all (18, 1 and 37 on a fair single-zero
// wheel).
double ExpectedPerUnit(double won, double zero, double drawn, ZeroRule zero_rule);

// The kinds of number a game's spins show, for the colour bet, with their
// chances and a script of one or two numbers that shows each: red, black,
// and zero (with double zero); en prison, a zero followed by red, black or
// zero again, the second spin of the same game.
constexpr int kMostKinds = 5;
struct WheelKinds {
  int32_t count = 0;
  double chance[kMostKinds] = {};
  int32_t numbers[kMostKinds][2] = {};
};
WheelKinds KindsOf(const GameRules& rules);
