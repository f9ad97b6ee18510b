#include "framework/windows/WFontDescription.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int32_t kScreen = 96;

WFontDescription Parse(const char* text) { return WFontDescription::Parse(text, kScreen); }

TEST(FontDescription, SizeFaceAndAttributes) {
  const WFontDescription bold = Parse("12.MS Sans Serif.Bold");
  EXPECT_EQ(bold.kind, WFontDescription::Kind::Logical);
  EXPECT_EQ(bold.points, 12);
  EXPECT_EQ(bold.font.height, -16);
  EXPECT_STREQ(bold.font.face, "MS Sans Serif");
  EXPECT_EQ(bold.font.weight, 700);

  const WFontDescription underlined = Parse("8.MS Sans Serif,Underline");
  EXPECT_EQ(underlined.font.height, -11) << "8 * 96 / 72 = 10.67 rounds to 11";
  EXPECT_TRUE(underlined.font.underline);
  EXPECT_STREQ(underlined.font.face, "MS Sans Serif");

  const WFontDescription black = Parse("22.Arial Black");
  EXPECT_STREQ(black.font.face, "Arial Black");
  EXPECT_EQ(black.font.weight, 0) << "the system's default weight";
  EXPECT_EQ(black.text, "22.Arial Black");
}

TEST(FontDescription, AttributesInTextOrderLaterOnesWin) {
  const WFontDescription font = Parse("8.Arial.Bold,Weight=300.italic.STRIKEOUT,CharSet=2");
  EXPECT_EQ(font.font.weight, 300);
  EXPECT_TRUE(font.font.italic);
  EXPECT_TRUE(font.font.strike_out);
  EXPECT_EQ(font.font.char_set, 2);
  EXPECT_EQ(Parse("8.Arial.Weight").font.weight, 0) << "a weight without value is ignored";
  EXPECT_EQ(Parse("8.Arial.Weight=").font.weight, 0);
  const WFontDescription plain = Parse("8.Arial.Sparkly");
  EXPECT_STREQ(plain.font.face, "Arial");
  EXPECT_FALSE(plain.font.italic || plain.font.underline || plain.font.strike_out);
  EXPECT_EQ(Parse("8.Arial.Heavy.Thin").font.weight, 100);
}

TEST(FontDescription, StockFontsOnlyWithoutSize) {
  const WFontDescription system = Parse("0.System");
  EXPECT_EQ(system.kind, WFontDescription::Kind::Stock);
  EXPECT_EQ(system.stock_object, 13);
  EXPECT_EQ(Parse("0.DefaultGUI").stock_object, 17);
  EXPECT_EQ(Parse(".OEMFixed").stock_object, 10) << "a missing size is 0";

  const WFontDescription sized = Parse("10.System");
  EXPECT_EQ(sized.kind, WFontDescription::Kind::Logical);
  EXPECT_STREQ(sized.font.face, "System");
  EXPECT_EQ(sized.font.height, -13);
}

TEST(FontDescription, InheritedAndNone) {
  EXPECT_EQ(Parse("<Inherited>").kind, WFontDescription::Kind::Inherited);
  EXPECT_EQ(Parse("<inherited>").kind, WFontDescription::Kind::Inherited);
  EXPECT_EQ(Parse("").kind, WFontDescription::Kind::None);
  EXPECT_EQ(Parse(nullptr).kind, WFontDescription::Kind::None);
}

TEST(FontDescription, MalformedDescriptionsParseWithoutHarm) {
  for (const char* text : {".,.,.,", "12.", "12..,,Bold", "  7  .  Courier", "abc", ",,,Bold", "99999999999999.X",
                           "8.Arial.=5", "8.Arial.Weight=99999999999"}) {
    const WFontDescription font = Parse(text);
    EXPECT_LT(std::string(font.font.face).size(), WLogicalFont::kFaceBytes) << text;
  }
  EXPECT_STREQ(Parse("  7.  Courier").font.face, "Courier") << "blanks before the size and the face are skipped";
  EXPECT_EQ(Parse("12..,,Bold").font.face, std::string("Bold")) << "separators run together; the face comes first";

  const std::string long_face(150, 'f');
  const WFontDescription long_one = Parse(("9." + long_face + ".Italic").c_str());
  EXPECT_EQ(std::string(long_one.font.face), long_face.substr(0, 31));
  EXPECT_TRUE(long_one.font.italic) << "a long description parses like a short one";
}

TEST(FontDescription, MultiplyDivideRoundsHalfAwayFromZero) {
  EXPECT_EQ(MultiplyDivide(8, 96, 72), 11);
  EXPECT_EQ(MultiplyDivide(3, 1, 2), 2);
  EXPECT_EQ(MultiplyDivide(-3, 1, 2), -2);
  EXPECT_EQ(MultiplyDivide(5, 1, 0), -1);
}

}  // namespace
