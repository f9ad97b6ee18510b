#pragma once

#include <cstdint>
#include <string>

// The system's logical font description, as far as descriptions set it;
// every other field of the system record stays 0.
struct WLogicalFont {
  static constexpr std::size_t kFaceBytes = 32;  // terminator included

  int32_t height = 0;
  int32_t width = 0;
  int32_t weight = 0;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  uint8_t char_set = 0;
  char face[kFaceBytes] = {};
};

// A font as a description text gives it: "size.face[.attribute][,attribute]",
// for example "12.MS Sans Serif.Bold" or "8.MS Sans Serif,Underline".
struct WFontDescription {
  enum class Kind { None, Inherited, Stock, Logical };

  Kind kind = Kind::None;
  // The system's stock object number, for Kind::Stock.
  int32_t stock_object = -1;
  int32_t points = 0;
  WLogicalFont font;
  std::string text;

  // `pixels_per_inch` is the vertical resolution of the device the height
  // is for (the screen when there is no other).
  static WFontDescription Parse(const char* text, int32_t pixels_per_inch);
};

// a * b / c rounded half away from zero, as the system's multiply-divide;
// -1 when c is 0.
int32_t MultiplyDivide(int32_t a, int32_t b, int32_t c);
