// Font descriptions as text ("12.MS Sans Serif.Bold"), and colours.
#include "framework/windows/WFontDescription.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/windows/WColor.h"

namespace {

WFontDescription Parse(const char* text) { return WFontDescription::Parse(text, 96); }

TEST(FontDescription, SizeFaceAndAttributesInTextOrderLaterOnesWin) {
  const WFontDescription bold = Parse("12.MS Sans Serif.Bold");
  EXPECT_EQ(bold.kind, WFontDescription::Kind::Logical);
  EXPECT_EQ(bold.points, 12);
  EXPECT_EQ(bold.font.height, -16);
  EXPECT_STREQ(bold.font.face, "MS Sans Serif");
  EXPECT_EQ(bold.font.weight, 700);
  EXPECT_EQ(Parse("8.MS Sans Serif,Underline").font.height, -11) << "8 * 96 / 72 = 10.67 rounds to 11";
  EXPECT_EQ(Parse("22.Arial Black").font.weight, 0) << "the system's default weight";
  const WFontDescription font = Parse("8.Arial.Bold,Weight=300.italic.STRIKEOUT,CharSet=2");
  EXPECT_EQ(font.font.weight, 300);
  EXPECT_TRUE(font.font.italic && font.font.strike_out && !font.font.underline);
  EXPECT_EQ(font.font.char_set, 2);
  EXPECT_EQ(Parse("8.Arial.Weight=").font.weight, 0) << "a weight without value is ignored";
  EXPECT_EQ(Parse("8.Arial.Heavy.Thin").font.weight, 100);
}

TEST(FontDescription, StockInheritedAndNone) {
  EXPECT_EQ(Parse("0.System").kind, WFontDescription::Kind::Stock);
  EXPECT_EQ(Parse("0.System").stock_object, 13);
  EXPECT_EQ(Parse(".OEMFixed").stock_object, 10) << "a missing size is 0";
  EXPECT_EQ(Parse("10.System").font.height, -13) << "a stock name with a size is a logical font";
  EXPECT_EQ(Parse("<inherited>").kind, WFontDescription::Kind::Inherited);
  EXPECT_EQ(Parse("").kind, WFontDescription::Kind::None);
  EXPECT_EQ(Parse(nullptr).kind, WFontDescription::Kind::None);
}

TEST(FontDescription, MalformedDescriptionsParseWithoutHarm) {
  for (const char* text : {".,.,.,", "12.", "abc", ",,,Bold", "99999999999999.X", "8.Arial.Weight=99999999999"}) {
    EXPECT_LT(std::string(Parse(text).font.face).size(), WLogicalFont::kFaceBytes) << text;
  }
  EXPECT_STREQ(Parse("  7.  Courier").font.face, "Courier") << "blanks before the size and the face are skipped";
  EXPECT_STREQ(Parse("12..,,Bold").font.face, "Bold") << "separators run together; the face comes first";
  const std::string long_face(150, 'f');
  const WFontDescription long_one = Parse(("9." + long_face + ".Italic").c_str());
  EXPECT_EQ(std::string(long_one.font.face), long_face.substr(0, 31));
  EXPECT_TRUE(long_one.font.italic) << "a long description parses like a short one";
  EXPECT_EQ(MultiplyDivide(-3, 1, 2), -2) << "half away from zero";
  EXPECT_EQ(MultiplyDivide(5, 1, 0), -1);
}

TEST(WColor, PaletteSystemAndOddIndexes) {
  EXPECT_EQ(WColor(WColor::Red).GetValue(), 0x0000FFu);
  EXPECT_EQ(WColor(WColor::Olive).GetValue(), 0x008080u);
  EXPECT_EQ(WColor(128, 0, 128).GetValue(), 0x800080u);
  EXPECT_EQ(WColor(0).GetValue(), 0xFFFFFFu) << "index 0 reads as white";
  EXPECT_EQ(WColor(44).GetIndex(), 0);
  EXPECT_EQ(WColor(-3).GetIndex(), 0);
  EXPECT_EQ(WColor(22).GetSystemColorNumber(), 20) << "the button highlight";
  EXPECT_EQ(WColor(16).GetSystemColorNumber(), -1);
  EXPECT_EQ(WColor(35).GetValue([](int32_t number) { return 0x010000u * static_cast<uint32_t>(number); }), 0x090000u);
}

}  // namespace
