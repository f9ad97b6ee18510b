#pragma once

// The exact expected result per unit wagered on one colour, from the way
// the wheel maps the generator's 32768 raw values to its numbers: raw
// values 0 to 25 modulo 51 come up once more than 26 to 50, so low numbers
// are a little likelier than high ones.
double ExpectedPerUnit(bool double_zero, bool red);
