#pragma once

#include <string>

// How the batch program's pictures write numbers and text: coordinates
// with one decimal.
namespace Svg {

std::string Coordinate(double value);
// Text with XML's five special characters escaped, for any text that comes
// from the user (a settings file's name); the page's HTML takes it too.
std::string Escaped(const std::string& text);
// A number for a tick's label: six significant digits at most.
std::string Number(double value);
// A step of 1, 2 or 5 times a power of ten giving about `count` ticks over
// the span.
double TickStep(double span, int count);

}  // namespace Svg
