#pragma once

#include <cstdint>

// A rectangle in a window's pixels: its top left corner and its size.
struct WRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};

struct WPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const WPoint& a, const WPoint& b) { return a.x == b.x && a.y == b.y; }
};
