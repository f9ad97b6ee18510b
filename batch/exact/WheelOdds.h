#pragma once

// The wheel's exact odds for a bet on one colour, from the way it maps the
// generator's 32768 raw values to its numbers: raw values 0 to 25 modulo 51
// come up once more than 26 to 50, so low numbers are a little likelier than
// high ones.

// The chance that a spin shows the colour.
double WinChance(bool double_zero, bool red);
// The expected result per unit wagered.
double ExpectedPerUnit(bool double_zero, bool red);
