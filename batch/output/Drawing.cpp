#include "batch/output/Drawing.h"

#include "batch/output/Svg.h"

namespace {

Shape ShapeOf(Shape::Kind kind, std::vector<DrawnPoint> points, Paint paint) {
  Shape shape;
  shape.kind = kind;
  shape.points = std::move(points);
  shape.paint = std::move(paint);
  return shape;
}

}  // namespace

void Drawing::Line(double x1, double y1, double x2, double y2, Paint paint) {
  shapes.push_back(ShapeOf(Shape::Kind::Line, {{x1, y1}, {x2, y2}}, std::move(paint)));
}

void Drawing::Lines(Shape::Kind kind, std::vector<DrawnPoint> points, Paint paint) {
  shapes.push_back(ShapeOf(kind, std::move(points), std::move(paint)));
}

Shape& Drawing::Box(double x, double y, double width, double height, Paint paint) {
  return shapes.emplace_back(ShapeOf(Shape::Kind::Box, {{x, y}, {width, height}}, std::move(paint)));
}

void Drawing::Diamond(double x, double top, double half_width, Paint paint) {
  shapes.push_back(ShapeOf(Shape::Kind::Diamond, {{x, top}, {half_width, 0}}, std::move(paint)));
}

Shape& Drawing::Text(double x, double y, std::string text, Anchor anchor, int font_size, bool upright) {
  Shape shape = ShapeOf(Shape::Kind::Text, {{x, y}}, {});
  shape.text = std::move(text);
  shape.anchor = anchor;
  shape.font_size = font_size;
  shape.upright = upright;
  return shapes.emplace_back(std::move(shape));
}

namespace {

// The document's start: its size, a sans-serif font and a white page.
std::string SvgStart(double width, double height, int font_size) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
         Svg::Coordinate(width) + "\" height=\"" + Svg::Coordinate(height) + "\" viewBox=\"0 0 " +
         Svg::Coordinate(width) + " " + Svg::Coordinate(height) + "\" font-family=\"sans-serif\" font-size=\"" +
         std::to_string(font_size) + "\">\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
}

std::string SvgText(double x, double y, const std::string& text, const char* anchor, const std::string& extra) {
  return "<text x=\"" + Svg::Coordinate(x) + "\" y=\"" + Svg::Coordinate(y) + "\" text-anchor=\"" + anchor + "\"" +
         extra + ">" + text + "</text>\n";
}

std::string SvgLine(double x1, double y1, double x2, double y2, const std::string& style) {
  return "<line x1=\"" + Svg::Coordinate(x1) + "\" y1=\"" + Svg::Coordinate(y1) + "\" x2=\"" + Svg::Coordinate(x2) +
         "\" y2=\"" + Svg::Coordinate(y2) + "\" " + style + "/>\n";
}

const char* AttributeOf(Look look) {
  switch (look) {
    case Look::Fill: return "fill";
    case Look::FillOpacity: return "fill-opacity";
    case Look::Stroke: return "stroke";
    case Look::StrokeOpacity: return "stroke-opacity";
    case Look::StrokeWidth: return "stroke-width";
    case Look::StrokeDash: break;
  }
  return "stroke-dasharray";
}

std::string Attributes(const Paint& paint) {
  std::string out;
  for (const auto& [look, value] : paint)
    out += std::string(out.empty() ? "" : " ") + AttributeOf(look) + "=\"" + value + "\"";
  return out;
}

std::string Points(const std::vector<DrawnPoint>& points) {
  std::string out;
  for (const DrawnPoint& p : points) out += Svg::Coordinate(p.x) + "," + Svg::Coordinate(p.y) + " ";
  return out;
}

const char* AnchorOf(Anchor anchor) {
  switch (anchor) {
    case Anchor::Start: return "start";
    case Anchor::Middle: return "middle";
    case Anchor::End: break;
  }
  return "end";
}

std::string SvgOf(const Shape& s) {
  switch (s.kind) {
    case Shape::Kind::Line:
      return SvgLine(s.points[0].x, s.points[0].y, s.points[1].x, s.points[1].y, Attributes(s.paint));
    case Shape::Kind::Polyline:
      return "<polyline points=\"" + Points(s.points) + "\" fill=\"none\" " + Attributes(s.paint) + "/>\n";
    case Shape::Kind::Polygon: return "<polygon points=\"" + Points(s.points) + "\" " + Attributes(s.paint) + "/>\n";
    case Shape::Kind::Box: {
      const bool wide_tenths = s.box_size != BoxSize::Short;
      const bool high_tenths = s.box_size == BoxSize::Tenths;
      return "<rect x=\"" + Svg::Coordinate(s.points[0].x) + "\" y=\"" + Svg::Coordinate(s.points[0].y) +
             "\" width=\"" + (wide_tenths ? Svg::Coordinate : Svg::Number)(s.points[1].x) + "\" height=\"" +
             (high_tenths ? Svg::Coordinate : Svg::Number)(s.points[1].y) + "\" " + Attributes(s.paint) + "/>\n";
    }
    case Shape::Kind::Diamond: {
      const std::string r = Svg::Number(s.points[1].x);
      return "<path d=\"M" + Svg::Coordinate(s.points[0].x) + " " + Svg::Coordinate(s.points[0].y) + " l" + r + " " +
             r + " l-" + r + " " + r + " l-" + r + " -" + r + " z\" " + Attributes(s.paint) + "/>\n";
    }
    case Shape::Kind::Text: break;
  }
  std::string extra;
  if (!s.paint.empty()) extra += " " + Attributes(s.paint);
  if (s.bold) extra += " font-weight=\"bold\"";
  if (s.font_size > 0) extra += " font-size=\"" + std::to_string(s.font_size) + "\"";
  if (s.upright) {
    extra += " transform=\"rotate(-90 " + Svg::Number(s.points[0].x) + " " + Svg::Coordinate(s.points[0].y) + ")\"";
  }
  return SvgText(s.points[0].x, s.points[0].y, Svg::Escaped(s.text), AnchorOf(s.anchor), extra);
}

}  // namespace

std::string SvgOf(const Drawing& drawing) {
  std::string svg = SvgStart(drawing.width, drawing.height, drawing.font_size);
  for (const Shape& shape : drawing.shapes) svg += SvgOf(shape);
  return svg + "</svg>\n";
}
