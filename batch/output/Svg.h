#pragma once

#include <string>

// Pieces of the batch program's SVG pictures; coordinates with one decimal.
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
// The document's start: its size, a sans-serif font and a white page.
std::string Start(double width, double height, int font_size);
constexpr const char* kEnd = "</svg>\n";
std::string Text(double x, double y, const std::string& text, const char* anchor, const std::string& extra = "");
std::string Line(double x1, double y1, double x2, double y2, const std::string& style);
std::string Rect(double x, double y, double width, double height, const std::string& fill);

}  // namespace Svg
