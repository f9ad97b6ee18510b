#include "batch/output/Svg.h"

#include <cmath>
#include <cstdio>

namespace Svg {

std::string Coordinate(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

double TickStep(double span, int count) {
  if (span <= 0) return 1;
  const double raw = span / count;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double factor : {1.0, 2.0, 5.0}) {
    if (raw <= factor * power) return factor * power;
  }
  return 10 * power;
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Start(double width, double height, int font_size) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
         Coordinate(width) + "\" height=\"" + Coordinate(height) + "\" viewBox=\"0 0 " + Coordinate(width) + " " +
         Coordinate(height) + "\" font-family=\"sans-serif\" font-size=\"" + std::to_string(font_size) +
         "\">\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
}

std::string Text(double x, double y, const std::string& text, const char* anchor, const std::string& extra) {
  return "<text x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(y) + "\" text-anchor=\"" + anchor + "\"" + extra + ">" +
         text + "</text>\n";
}

std::string Line(double x1, double y1, double x2, double y2, const std::string& style) {
  return "<line x1=\"" + Coordinate(x1) + "\" y1=\"" + Coordinate(y1) + "\" x2=\"" + Coordinate(x2) + "\" y2=\"" +
         Coordinate(y2) + "\" " + style + "/>\n";
}

std::string Rect(double x, double y, double width, double height, const std::string& fill) {
  return "<rect x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(y) + "\" width=\"" + Coordinate(width) + "\" height=\"" +
         Coordinate(height) + "\" fill=\"" + fill + "\"/>\n";
}

}  // namespace Svg
