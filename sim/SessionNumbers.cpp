#include "sim/SessionNumbers.h"

#include <algorithm>

#include "sim/Wheel.h"

namespace {

const char* ColourWord(NumberColour colour) {
  switch (colour) {
    case NumberColour::Red: return "r";
    case NumberColour::Black: return "s";
    case NumberColour::Zero: return "zero";
    case NumberColour::DoubleZero: return "zerozero";
  }
  return "";
}

void AppendEntry(std::string& text, int32_t number) {
  char padded[8];
  if (number == kDoubleZero) {
    text += "  00";
  } else {
    // "%4d" of 0 to 36.
    padded[0] = ' ';
    padded[1] = ' ';
    padded[2] = number >= 10 ? static_cast<char>('0' + number / 10) : ' ';
    padded[3] = static_cast<char>('0' + number % 10);
    text.append(padded, 4);
  }
  text += ColourWord(ColourOf(number));
}

}  // namespace

void SessionNumbers::Clear() {
  numbers_.clear();
  text_.clear();
  ends_.clear();
}

void SessionNumbers::RenderUpTo(uint32_t count) const {
  for (auto i = static_cast<uint32_t>(ends_.size()); i < count; ++i) {
    AppendEntry(text_, numbers_[i]);
    ends_.push_back(static_cast<uint32_t>(text_.size()));
  }
}

WString SessionNumbers::Text(uint32_t count) const {
  count = std::min(count, Count());
  RenderUpTo(count);
  const uint32_t length = count == 0 ? 0 : ends_[count - 1];
  return WString(text_.c_str(), static_cast<int32_t>(length));
}
