#include "ui/odds/DrawingPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

// Where the drawing's units land in the window's pixels.
struct Placement {
  double scale = 1;
  double left = 0;
  double top = 0;
  WPoint At(const DrawnPoint& p) const {
    return {static_cast<int32_t>(std::lround(left + p.x * scale)),
            static_cast<int32_t>(std::lround(top + p.y * scale))};
  }
  int32_t Length(double units) const { return static_cast<int32_t>(std::lround(units * scale)); }
};

Placement PlacementOf(const Drawing& drawing, const WRect& into) {
  Placement place;
  if (drawing.width <= 0 || drawing.height <= 0) return place;
  place.scale = std::min(into.width / drawing.width, into.height / drawing.height);
  place.left = into.x + (into.width - drawing.width * place.scale) / 2;
  place.top = into.y + (into.height - drawing.height * place.scale) / 2;
  return place;
}

// A colour as the pictures name them; none for "none" or a name not known.
std::optional<WColorValue> ColourOf(const std::string& name) {
  if (name == "black") return WRgb(0, 0, 0);
  if (name == "white") return WRgb(255, 255, 255);
  if (name.size() != 7 || name[0] != '#') return std::nullopt;
  char* end = nullptr;
  const unsigned long rgb = std::strtoul(name.c_str() + 1, &end, 16);
  if (end != name.c_str() + 7) return std::nullopt;
  return WRgb(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb));
}

WColorValue OverWhite(WColorValue colour, double opacity) {
  const auto blend = [opacity](uint32_t channel) {
    return static_cast<uint8_t>(std::lround(opacity * channel + (1 - opacity) * 255));
  };
  return WRgb(blend(colour & 0xFF), blend((colour >> 8) & 0xFF), blend((colour >> 16) & 0xFF));
}

// A shape's paint, with the SVG's defaults for what it leaves out.
struct ShapePaint {
  std::optional<WColorValue> fill = WRgb(0, 0, 0);
  std::optional<WColorValue> stroke;
  double fill_opacity = 1;
  double stroke_opacity = 1;
  double width = 1;
  std::vector<double> dash;
};

ShapePaint Read(const Paint& paint) {
  ShapePaint read;
  for (const auto& [look, value] : paint) {
    switch (look) {
      case Look::Fill: read.fill = ColourOf(value); break;
      case Look::FillOpacity: read.fill_opacity = std::atof(value.c_str()); break;
      case Look::Stroke: read.stroke = ColourOf(value); break;
      case Look::StrokeOpacity: read.stroke_opacity = std::atof(value.c_str()); break;
      case Look::StrokeWidth: read.width = std::atof(value.c_str()); break;
      case Look::StrokeDash: {
        read.dash.clear();
        std::istringstream lengths(value);
        for (double length = 0; lengths >> length;) read.dash.push_back(length);
        break;
      }
    }
  }
  return read;
}

void Prepare(WPainter& painter, const ShapePaint& paint, const Placement& place, bool filled) {
  WPen pen;
  pen.width = paint.stroke ? std::max(1, place.Length(paint.width)) : 0;
  pen.colour = paint.stroke ? OverWhite(*paint.stroke, paint.stroke_opacity) : 0;
  for (double length : paint.dash) pen.dash.push_back(std::max(1, place.Length(length)));
  painter.SetPen(pen);
  painter.SetBrush(filled && paint.fill ? std::optional(OverWhite(*paint.fill, paint.fill_opacity)) : std::nullopt);
}

std::vector<WPoint> Corners(const Shape& shape, const Placement& place) {
  std::vector<WPoint> corners;
  corners.reserve(shape.points.size());
  for (const DrawnPoint& p : shape.points) corners.push_back(place.At(p));
  return corners;
}

WTextAlign AlignOf(Anchor anchor) {
  switch (anchor) {
    case Anchor::Middle: return WTextAlign::Center;
    case Anchor::End: return WTextAlign::Right;
    case Anchor::Start: break;
  }
  return WTextAlign::Left;
}

void PaintText(const Drawing& drawing, const Shape& shape, WPainter& painter, const Placement& place) {
  const ShapePaint paint = Read(shape.paint);
  if (!paint.fill) return;  // a text filled with none shows nothing
  WTextStyle style;
  style.height = std::max(1, place.Length(shape.font_size > 0 ? shape.font_size : drawing.font_size));
  style.bold = shape.bold;
  style.upright = shape.upright;
  style.align = AlignOf(shape.anchor);
  style.colour = *paint.fill;
  painter.Text(place.At(shape.points[0]), shape.text, style);
}

void PaintShape(const Drawing& drawing, const Shape& shape, WPainter& painter, const Placement& place) {
  if (shape.points.empty()) return;
  switch (shape.kind) {
    case Shape::Kind::Line:
      Prepare(painter, Read(shape.paint), place, false);
      painter.Line(place.At(shape.points[0]), place.At(shape.points[1]));
      return;
    case Shape::Kind::Polyline:
      Prepare(painter, Read(shape.paint), place, false);
      painter.Polyline(Corners(shape, place));
      return;
    case Shape::Kind::Polygon:
      Prepare(painter, Read(shape.paint), place, true);
      painter.Polygon(Corners(shape, place));
      return;
    case Shape::Kind::Box: {
      Prepare(painter, Read(shape.paint), place, true);
      const WPoint corner = place.At(shape.points[0]);
      const WPoint far = place.At({shape.points[0].x + shape.points[1].x, shape.points[0].y + shape.points[1].y});
      painter.Rectangle({corner.x, corner.y, far.x - corner.x, far.y - corner.y});
      return;
    }
    case Shape::Kind::Diamond: {
      Prepare(painter, Read(shape.paint), place, true);
      const DrawnPoint top = shape.points[0];
      const double r = shape.points[1].x;
      painter.Polygon({place.At(top), place.At({top.x + r, top.y + r}), place.At({top.x, top.y + 2 * r}),
                       place.At({top.x - r, top.y + r})});
      return;
    }
    case Shape::Kind::Text: PaintText(drawing, shape, painter, place); return;
  }
}

}  // namespace

void PaintDrawing(const Drawing& drawing, WPainter& painter, const WRect& into) {
  painter.SetClip(into);
  const Placement place = PlacementOf(drawing, into);
  for (const Shape& shape : drawing.shapes) PaintShape(drawing, shape, painter, place);
}
