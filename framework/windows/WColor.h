#pragma once

#include <cstdint>

#include "framework/events/WObject.h"

// A colour by index: 1 to 16 a fixed palette, 17 to 43 a system colour read
// when drawn, -1 an explicit red-green-blue value.
class WColor : public WObject {
 public:
  enum Palette : int32_t {
    Red = 1,
    Green,
    Blue,
    DarkRed,
    DarkGreen,
    DarkBlue,
    Black,
    White,
    Grey,
    LightGrey,
    Magenta,
    Purple,
    Yellow,
    Olive,
    Cyan,
    Teal
  };
  static constexpr int32_t kExplicit = -1;
  static constexpr int32_t kFirstSystem = 17;
  static constexpr int32_t kLastSystem = 43;

  // 0 and -2 are kept as they are; other indexes outside the table become 0.
  WColor() = default;
  explicit WColor(int32_t index);
  WColor(uint8_t red, uint8_t green, uint8_t blue);

  int32_t GetIndex() const { return index_; }
  bool IsSystemColor() const { return index_ >= kFirstSystem && index_ <= kLastSystem; }
  // The system's colour number of a system colour index, else -1.
  int32_t GetSystemColorNumber() const;
  // Red in the low byte, then green, then blue. A system colour asks
  // `system_value` for its number's value; unknown indexes give white.
  uint32_t GetValue(uint32_t (*system_value)(int32_t number) = nullptr) const;

  friend bool operator==(const WColor& a, const WColor& b) {
    return a.index_ == b.index_ && (a.index_ != kExplicit || a.explicit_ == b.explicit_);
  }
  friend bool operator!=(const WColor& a, const WColor& b) { return !(a == b); }

 private:
  int32_t index_ = 0;
  uint32_t explicit_ = 0;
};
