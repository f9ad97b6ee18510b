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

// How a box's width and height are written: as short numbers, or to a
// tenth like its corner. Each picture keeps the form it has always had, so
// that a picture drawn again reads the same, byte for byte.
enum class BoxSize : unsigned char { Short, Tenths, WidthInTenths };

struct Shape {
  // A diamond is a marker: its top corner, and its half width in the
  // second point's x.
  enum class Kind : unsigned char { Line, Polyline, Polygon, Box, Diamond, Text };
  Kind kind = Kind::Line;
  // A line's ends, a polyline's or polygon's corners; a box's corner and
  // its width and height; a text's anchor point.
  std::vector<DrawnPoint> points;
  Paint paint;       // a text's fill only
  std::string text;  // as it reads, not escaped
  Anchor anchor = Anchor::Start;
  int font_size = 0;     // 0: the picture's
  bool upright = false;  // turned a quarter left about its anchor point
  bool bold = false;
  BoxSize box_size = BoxSize::Short;
};

struct Drawing {
  double width = 0;
  double height = 0;
  int font_size = 13;
  std::vector<Shape> shapes;

  void Line(double x1, double y1, double x2, double y2, Paint paint);
  void Lines(Shape::Kind kind, std::vector<DrawnPoint> points, Paint paint);
  Shape& Box(double x, double y, double width, double height, Paint paint);
  void Diamond(double x, double top, double half_width, Paint paint);
  Shape& Text(double x, double y, std::string text, Anchor anchor, int font_size = 0, bool upright = false);
};

// The drawing as an SVG document.
std::string SvgOf(const Drawing& drawing);
