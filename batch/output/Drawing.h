#pragma once

#include <string>
#include <utility>
#include <vector>

// A picture as a list of what is drawn, in the logical units of its canvas
// (the SVG's view box): the model that the SVG renderer writes and that any
// other renderer (the window's painting) can draw the same. Shapes are drawn
// in order, each over the ones before.
enum class Look : unsigned char { Fill, FillOpacity, Stroke, StrokeOpacity, StrokeWidth, StrokeDash };

// How a shape is drawn, as the picture states it, look by look in order:
// colours as "#rrggbb" (or "black", "none"), widths and opacities as
// decimals, a dash as lengths ("6 4") or "none".
using Paint = std::vector<std::pair<Look, std::string>>;

struct DrawnPoint {
  double x = 0;
  double y = 0;
};

enum class Anchor : unsigned char { Start, Middle, End };

struct Shape {
  enum class Kind : unsigned char { Line, Polyline, Polygon, Box, Text };
  Kind kind = Kind::Line;
  // A line's ends, a polyline's or polygon's corners; a box's corner and
  // its width and height; a text's anchor point.
  std::vector<DrawnPoint> points;
  Paint paint;
  std::string text;  // as it reads, not escaped
  Anchor anchor = Anchor::Start;
  int font_size = 0;     // 0: the picture's
  bool upright = false;  // turned a quarter left about its anchor point
};

struct Drawing {
  double width = 0;
  double height = 0;
  int font_size = 13;
  std::vector<Shape> shapes;

  void Line(double x1, double y1, double x2, double y2, Paint paint);
  void Lines(Shape::Kind kind, std::vector<DrawnPoint> points, Paint paint);
  void Box(double x, double y, double width, double height, Paint paint);
  void Text(double x, double y, std::string text, Anchor anchor, int font_size = 0, bool upright = false);
};

// The drawing as an SVG document.
std::string SvgOf(const Drawing& drawing);
