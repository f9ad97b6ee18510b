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

void Drawing::Box(double x, double y, double width, double height, Paint paint) {
  shapes.push_back(ShapeOf(Shape::Kind::Box, {{x, y}, {width, height}}, std::move(paint)));
}

void Drawing::Text(double x, double y, std::string text, Anchor anchor, int font_size, bool upright) {
  Shape shape = ShapeOf(Shape::Kind::Text, {{x, y}}, {});
  shape.text = std::move(text);
  shape.anchor = anchor;
  shape.font_size = font_size;
  shape.upright = upright;
  shapes.push_back(std::move(shape));
}

namespace {

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
      return Svg::Line(s.points[0].x, s.points[0].y, s.points[1].x, s.points[1].y, Attributes(s.paint));
    case Shape::Kind::Polyline:
      return "<polyline points=\"" + Points(s.points) + "\" fill=\"none\" " + Attributes(s.paint) + "/>\n";
    case Shape::Kind::Polygon: return "<polygon points=\"" + Points(s.points) + "\" " + Attributes(s.paint) + "/>\n";
    case Shape::Kind::Box:
      return "<rect x=\"" + Svg::Coordinate(s.points[0].x) + "\" y=\"" + Svg::Coordinate(s.points[0].y) +
             "\" width=\"" + Svg::Number(s.points[1].x) + "\" height=\"" + Svg::Number(s.points[1].y) + "\" " +
             Attributes(s.paint) + "/>\n";
    case Shape::Kind::Text: break;
  }
  std::string extra;
  if (s.font_size > 0) extra += " font-size=\"" + std::to_string(s.font_size) + "\"";
  if (s.upright) {
    extra += " transform=\"rotate(-90 " + Svg::Number(s.points[0].x) + " " + Svg::Coordinate(s.points[0].y) + ")\"";
  }
  return Svg::Text(s.points[0].x, s.points[0].y, Svg::Escaped(s.text), AnchorOf(s.anchor), extra);
}

}  // namespace

std::string SvgOf(const Drawing& drawing) {
  std::string svg = Svg::Start(drawing.width, drawing.height, drawing.font_size);
  for (const Shape& shape : drawing.shapes) svg += SvgOf(shape);
  return svg + Svg::kEnd;
}
