#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/windows/WRect.h"

// Colours as the system takes them: red in the low byte, then green, then
// blue (WColor::GetValue).
using WColorValue = uint32_t;
constexpr WColorValue WRgb(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<WColorValue>(red) | (static_cast<WColorValue>(green) << 8) |
         (static_cast<WColorValue>(blue) << 16);
}

// How lines are drawn: a colour, a width in pixels (0 draws no line) and,
// where they are dashed, the lengths of the dashes and the gaps between.
struct WPen {
  WColorValue colour = 0;
  int32_t width = 1;
  std::vector<int32_t> dash;
};

enum class WTextAlign : uint8_t { Left, Center, Right };

// How a text is written: its height in pixels, weight, colour, where its
// anchor point lies on its base line, and whether it runs up the page
// (turned a quarter left about the anchor).
struct WTextStyle {
  int32_t height = 13;
  bool bold = false;
  bool upright = false;
  WTextAlign align = WTextAlign::Left;
  WColorValue colour = 0;
};

// What a window that paints itself draws with, in its pixels. Shapes are
// drawn in order, each over the ones before, and only within the clip.
class WPainter {
 public:
  virtual ~WPainter() = default;

  virtual void SetPen(const WPen& pen) = 0;
  // The fill of polygons and rectangles; none leaves them hollow.
  virtual void SetBrush(std::optional<WColorValue> colour) = 0;
  virtual void SetClip(const WRect& clip) = 0;

  virtual void Line(WPoint from, WPoint to) = 0;
  virtual void Polyline(const std::vector<WPoint>& points) = 0;
  // Filled with the brush, outlined with the pen.
  virtual void Polygon(const std::vector<WPoint>& points) = 0;
  virtual void Rectangle(const WRect& rectangle) = 0;
  virtual void Text(WPoint anchor, const std::string& text, const WTextStyle& style) = 0;
};
