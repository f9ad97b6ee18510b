#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/text/WString.h"

// The numbers drawn in the current session. The list display shows them as
// one text, each number as "%4d" (or "  00") followed directly by its colour
// word; that text is built only when it is asked for, and then only for the
// numbers added since the last time, so a long session costs the same per
// game whether its list is shown or not.
class SessionNumbers {
 public:
  void Clear();
  void Add(int32_t number) { numbers_.push_back(static_cast<uint8_t>(number)); }
  uint32_t Count() const { return static_cast<uint32_t>(numbers_.size()); }

  // The list text of the first `count` numbers (all of them if fewer).
  WString Text(uint32_t count) const;
  WString Text() const { return Text(Count()); }

 private:
  void RenderUpTo(uint32_t count) const;

  std::vector<uint8_t> numbers_;
  // The text of the numbers rendered so far, and where each one's entry ends.
  mutable std::string text_;
  mutable std::vector<uint32_t> ends_;
};
