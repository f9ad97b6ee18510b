#include "framework/windows/WColor.h"

#include <gtest/gtest.h>

namespace {

uint32_t FakeSystemColour(int32_t number) { return 0x010000u * static_cast<uint32_t>(number); }

TEST(WColor, PaletteValues) {
  EXPECT_EQ(WColor(WColor::Red).GetValue(), 0x0000FFu);
  EXPECT_EQ(WColor(WColor::Green).GetValue(), 0x00FF00u);
  EXPECT_EQ(WColor(WColor::Black).GetValue(), 0u);
  EXPECT_EQ(WColor(WColor::Yellow).GetValue(), 0x00FFFFu);
  EXPECT_EQ(WColor(WColor::Olive).GetValue(), 0x008080u);
  EXPECT_EQ(WColor(WColor::Teal).GetValue(), 0x808000u);
  EXPECT_EQ(WColor(128, 0, 128).GetValue(), 0x800080u);
}

TEST(WColor, OddIndexes) {
  EXPECT_EQ(WColor(0).GetValue(), 0xFFFFFFu) << "index 0 reads as white";
  EXPECT_EQ(WColor(-2).GetIndex(), -2);
  EXPECT_EQ(WColor(-2).GetValue(), 0xFFFFFFu);
  EXPECT_EQ(WColor(44).GetIndex(), 0);
  EXPECT_EQ(WColor(-3).GetIndex(), 0);
}

TEST(WColor, SystemColoursAreReadWhenNeeded) {
  EXPECT_EQ(WColor(17).GetSystemColorNumber(), 4);
  EXPECT_EQ(WColor(22).GetSystemColorNumber(), 20) << "the button highlight";
  EXPECT_EQ(WColor(35).GetSystemColorNumber(), 9) << "the caption text";
  EXPECT_EQ(WColor(43).GetSystemColorNumber(), 18);
  EXPECT_EQ(WColor(16).GetSystemColorNumber(), -1);
  EXPECT_EQ(WColor(35).GetValue(FakeSystemColour), 0x090000u);
}

}  // namespace
