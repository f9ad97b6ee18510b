#include "framework/text/CodePage.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, SingleByteTextRoundTripsThroughUtf16) {
  std::string all;
  for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
  const std::u16string wide = WideFromNarrow(all.data(), all.size());
  ASSERT_EQ(wide.size(), all.size());
  EXPECT_EQ(wide[0x80 - 1], u'\u20AC') << "the euro sign";
  EXPECT_EQ(wide[0xE9 - 1], u'\u00E9');
  EXPECT_EQ(NarrowFromWide(wide.data(), wide.size()), all);
}

TEST(CodePage, LeadBytesOnlyOnDoubleBytePages) {
  EXPECT_EQ(CodePage().BytesOfCharacters("\x82\xA0xy", 2), 2u);
  const CodePage page = CodePage::DoubleByte({{0x81, 0x9F}});
  EXPECT_TRUE(page.IsLeadByte('\x81') && page.IsLeadByte('\x9F') && !page.IsLeadByte('\xA0'));
  EXPECT_EQ(page.BytesOfCharacters("\x82\xA0xy", 2), 3u);
  EXPECT_EQ(page.BytesOfCharacters("x\x82", 5), 2u) << "a lead byte before the terminator stands alone";
  EXPECT_EQ(page.CountCharacters("\x82\xA0"
                                 "bcd",
                                 5),
            4u);
}

}  // namespace
