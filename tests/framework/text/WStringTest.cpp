#include "framework/text/WString.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "framework/text/CodePage.h"

namespace {

TEST(WString, NullEmptyAndTextKeepTheirStorage) {
  EXPECT_TRUE(WString().IsNull());
  EXPECT_STREQ(WString().GetText(), "") << "never a null pointer";
  EXPECT_FALSE(WString("").IsNull()) << "an empty text is not the null string";
  EXPECT_TRUE(WString(static_cast<const char*>(nullptr)).IsNull());
  WString holding("abc");
  holding = static_cast<const char*>(nullptr);
  EXPECT_FALSE(holding.IsNull()) << "a string that holds text keeps its storage";
  EXPECT_EQ(holding.GetLength(), 0u);
  const WString& alias = holding = "stay";
  holding = alias;
  EXPECT_EQ(holding, "stay");
}

TEST(WString, CopiesShareUntilOneChanges) {
  WString first("shared text");
  WString second = first;
  EXPECT_EQ(first.GetText(), second.GetText()) << "one storage for both";
  first = "changed";
  WString third = second;
  third += " and more";
  EXPECT_EQ(second, "shared text");
  EXPECT_EQ(first, "changed");
  EXPECT_EQ(third, "shared text and more");
}

TEST(WString, ALengthCountsCharactersAndADoubleByteCharacterCountsOnce) {
  EXPECT_EQ(WString("abcdef", 3), "abc");
  EXPECT_EQ(WString("ab", 10), "ab") << "a length beyond the text stops at its end";
  EXPECT_EQ(WString("abcdef", 0).GetLength(), 0u);
  const CodePage page = CodePage::DoubleByte({{0x81, 0x9F}, {0xE0, 0xFC}});
  WString three;
  three.Assign(
      "\x82\xA0"
      "bcd",
      3, page);
  EXPECT_EQ(std::string(three.GetText()),
            "\x82\xA0"
            "bc");
  EXPECT_EQ(page.CountCharacters("\x82", 1), 1u) << "a lone lead byte at the end counts once";
}

TEST(WString, SprintfFormatsAndGrowsAsNeeded) {
  WString text;
  EXPECT_EQ(text.Sprintf("%8.0lf", 12345.0), 8);
  EXPECT_EQ(text, "   12345");
  const std::string long_value(1000, 'z');
  EXPECT_EQ(text.Sprintf("<%s>", long_value.c_str()), 1002);
  EXPECT_EQ(text.GetText(), "<" + long_value + ">");
  EXPECT_EQ(text.Sprintf("%5.0d", 0), 5);
  EXPECT_EQ(text, "     ");
  EXPECT_EQ(text.Sprintf(nullptr), 0);
  EXPECT_TRUE(text.IsNull());
}

TEST(WString, FormattingAndReleasingOnManyThreadsKeepsEachResult) {
  const WString shared(std::string(200, 'q').c_str());
  std::vector<std::thread> threads;
  std::vector<int> wrong(8, 0);
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([t, &wrong, shared] {
      for (int i = 0; i < 500; ++i) {
        WString text;
        const int width = 100 + i % 50;
        text.Sprintf("%d-%0*d", t, width, i);
        const std::string digits = std::to_string(i);
        if (std::to_string(t) + "-" + std::string(width - digits.size(), '0') + digits != text.GetText()) ++wrong[t];
        WString copy = shared;
        copy = WString(copy);
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(wrong, std::vector<int>(8, 0));
  EXPECT_EQ(shared.GetLength(), 200u);
}

TEST(WString, WideAndNarrowConvertBothWays) {
  const WString latin(
      "Gr\xFC\xDF"
      "e \x80");
  EXPECT_EQ(std::u16string(latin.GetWideText()), u"Gr\u00FC\u00DFe \u20AC");
  const WString from_wide = WString::FromWide(u"caf\u00E9 \u2603");
  EXPECT_EQ(from_wide, "caf\xE9 ?") << "what the code page lacks becomes a question mark";
  EXPECT_EQ(from_wide.GetLength(), 6u);
}

TEST(WString, ConcatenationAppendingAndStreams) {
  WString text("a");
  text += WString("b");
  text += "c";
  EXPECT_EQ(text + WString("d"), "abcd");
  EXPECT_EQ(text, "abc");
  std::ostringstream out;
  out << text << '|' << WString();
  EXPECT_EQ(out.str(), "abc|");

  WString list("");
  std::string expected;
  WString snapshot;
  for (int i = 0; i < 300; ++i) {
    list += (std::to_string(i) + "r").c_str();
    expected += std::to_string(i) + "r";
    if (i == 150) snapshot = list;
  }
  EXPECT_EQ(list.GetText(), expected);
  EXPECT_EQ(list.GetLength(), expected.size());
  EXPECT_EQ(std::string(snapshot.GetText()), expected.substr(0, 494)) << "a copy keeps the text it had";
}

}  // namespace
