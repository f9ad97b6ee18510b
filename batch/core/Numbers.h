#pragma once

#include <cstdint>
#include <string>

// The one rule by which the batch program reads a number, wherever it
// stands (an option, --set, --sweep, --shard): decimal digits with an
// optional sign, point and exponent, and nothing else: no blanks, no
// hexadecimal, no spelling of infinity or not-a-number. A number too large
// to be held is no number either.
bool ReadNumber(const std::string& text, double& value);

// A whole number by the same rule ("1e6" is a million, "2.5" is not whole)
// that fits 64 bits.
bool ReadWhole(const std::string& text, int64_t& value);

// The shortest decimal text that reads back as exactly this number
// ("0.1", "550.00000001", never "0.10000000000000001").
std::string ExactText(double value);
