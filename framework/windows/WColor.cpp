#include "framework/windows/WColor.h"

namespace {

constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) { return red | (green << 8) | (blue << 16); }

constexpr uint32_t kWhite = Rgb(255, 255, 255);

constexpr uint32_t kPalette[16] = {Rgb(255, 0, 0),     Rgb(0, 255, 0),     Rgb(0, 0, 255),   Rgb(128, 0, 0),
                                   Rgb(0, 128, 0),     Rgb(0, 0, 128),     Rgb(0, 0, 0),     kWhite,
                                   Rgb(128, 128, 128), Rgb(192, 192, 192), Rgb(255, 0, 255), Rgb(128, 0, 128),
                                   Rgb(255, 255, 0),   Rgb(128, 128, 0),   Rgb(0, 255, 255), Rgb(0, 128, 128)};

// System colour numbers of indexes 17 to 43.
constexpr int32_t kSystemColorNumbers[27] = {4,  7,  5, 8, 6, 20, 15, 16, 5,  15, 1,  0,  17, 10,
                                             11, 12, 2, 3, 9, 19, 13, 14, 23, 24, 21, 22, 18};

bool IsKnownIndex(int32_t index) {
  return index == WColor::kExplicit || index == 0 || index == -2 || (index >= 1 && index <= WColor::kLastSystem);
}

}  // namespace

WColor::WColor(int32_t index) : index_(IsKnownIndex(index) ? index : 0) {}

WColor::WColor(uint8_t red, uint8_t green, uint8_t blue) : index_(kExplicit), explicit_(Rgb(red, green, blue)) {}

int32_t WColor::GetSystemColorNumber() const {
  return IsSystemColor() ? kSystemColorNumbers[index_ - kFirstSystem] : -1;
}

uint32_t WColor::GetValue(uint32_t (*system_value)(int32_t number)) const {
  if (index_ == kExplicit) return explicit_;
  if (index_ >= Red && index_ <= Teal) return kPalette[index_ - Red];
  if (IsSystemColor() && system_value) return system_value(GetSystemColorNumber());
  return kWhite;
}
