#include "framework/text/WString.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "framework/text/CodePage.h"

namespace {

TEST(WString, NullEmptyAndText) {
  const WString null_string;
  EXPECT_TRUE(null_string.IsNull());
  ASSERT_NE(null_string.GetText(), nullptr);
  EXPECT_STREQ(null_string.GetText(), "");
  EXPECT_EQ(null_string.GetLength(), 0u);

  const WString empty("");
  EXPECT_FALSE(empty.IsNull()) << "an empty text is not the null string";
  EXPECT_EQ(empty.GetLength(), 0u);

  WString from_null(static_cast<const char*>(nullptr));
  EXPECT_TRUE(from_null.IsNull());

  WString holding("abc");
  holding = static_cast<const char*>(nullptr);
  EXPECT_FALSE(holding.IsNull()) << "a string that holds text keeps its storage";
  EXPECT_STREQ(holding.GetText(), "");
}

TEST(WString, CopiesShareUntilOneChanges) {
  WString first("shared text");
  WString second = first;
  EXPECT_EQ(first.GetText(), second.GetText()) << "one storage for both";
  first = "changed";
  EXPECT_STREQ(second.GetText(), "shared text");
  EXPECT_STREQ(first.GetText(), "changed");

  WString third = second;
  third += " and more";
  EXPECT_STREQ(second.GetText(), "shared text");
  EXPECT_STREQ(third.GetText(), "shared text and more");
}

TEST(WString, SelfAssignmentKeepsTheText) {
  WString text("stay");
  const WString& alias = text;
  text = alias;
  EXPECT_STREQ(text.GetText(), "stay");
}

TEST(WString, SixtyFourUnitsInlineBeyondThatOnTheHeap) {
  const std::string sixty_three(63, 'x');
  const std::string sixty_four(64, 'y');
  EXPECT_EQ(WString(sixty_three.c_str()).GetCapacity(), 64u);
  const WString heap(sixty_four.c_str());
  EXPECT_GT(heap.GetCapacity(), 64u);
  EXPECT_EQ(heap.GetText(), sixty_four);

  WString back(sixty_four.c_str());
  back = "short";
  EXPECT_STREQ(back.GetText(), "short");
}

TEST(WString, LengthCountsCharactersOfALength) {
  EXPECT_STREQ(WString("abcdef", 3).GetText(), "abc");
  EXPECT_STREQ(WString("ab", 10).GetText(), "ab") << "a length beyond the text stops at its end";
  EXPECT_EQ(WString("abcdef", 0).GetLength(), 0u);
}

TEST(WString, DoubleByteCharactersCountOnce) {
  const CodePage page = CodePage::DoubleByte({{0x81, 0x9F}, {0xE0, 0xFC}});
  const char text[] =
      "\x82\xA0"
      "bcd";
  WString three;
  three.Assign(text, 3, page);
  EXPECT_EQ(std::string(three.GetText()), std::string("\x82\xA0"
                                                      "bc"))
      << "3 characters are 4 bytes";
  EXPECT_EQ(page.CountCharacters(text, 5), 4u);
  EXPECT_EQ(page.CountCharacters("\x82", 1), 1u) << "a lone lead byte at the end counts once";
}

TEST(WString, SprintfFormatsAndGrowsAsNeeded) {
  WString text;
  EXPECT_EQ(text.Sprintf("%8.0lf", 12345.0), 8);
  EXPECT_STREQ(text.GetText(), "   12345");

  const std::string long_value(1000, 'z');
  EXPECT_EQ(text.Sprintf("<%s>", long_value.c_str()), 1002);
  EXPECT_EQ(text.GetText(), "<" + long_value + ">");

  EXPECT_EQ(text.Sprintf("%5.0d", 0), 5);
  EXPECT_STREQ(text.GetText(), "     ");

  EXPECT_EQ(text.Sprintf(nullptr), 0);
  EXPECT_TRUE(text.IsNull());
}

TEST(WString, FormattingFromManyThreadsKeepsEachResult) {
  std::vector<std::thread> threads;
  std::vector<int> wrong(8, 0);
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([t, &wrong] {
      for (int i = 0; i < 500; ++i) {
        WString text;
        text.Sprintf("%d-%0*d", t, 100 + (i % 50), i);
        const std::string expected =
            std::to_string(t) + "-" + std::string(100 + (i % 50) - std::to_string(i).size(), '0') + std::to_string(i);
        if (expected != text.GetText()) ++wrong[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (int t = 0; t < 8; ++t) EXPECT_EQ(wrong[t], 0) << "thread " << t;
}

TEST(WString, SharedCopiesMayBeReleasedOnOtherThreads) {
  const WString original(std::string(200, 'q').c_str());
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([original] {
      for (int i = 0; i < 1000; ++i) {
        WString copy = original;
        WString another(copy);
        another = copy;
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(original.GetLength(), 200u);
}

TEST(WString, WideAndNarrowConvertBothWays) {
  const WString latin(
      "Gr\xFC\xDF"
      "e \x80");
  const std::u16string wide = latin.GetWideText();
  EXPECT_EQ(wide, u"Gr\u00FC\u00DFe \u20AC");
  EXPECT_STREQ(latin.GetText(),
               "Gr\xFC\xDF"
               "e \x80");

  const WString from_wide = WString::FromWide(u"caf\u00E9 \u2603");
  EXPECT_STREQ(from_wide.GetText(), "caf\xE9 ?") << "what the code page lacks becomes a question mark";
  EXPECT_EQ(from_wide.GetLength(), 6u);
}

TEST(WString, ConcatenationAndStreams) {
  WString text("a");
  text += WString("b");
  text += "c";
  const WString joined = text + WString("d");
  EXPECT_EQ(joined, "abcd");
  EXPECT_EQ(text, "abc");
  WString null_string;
  null_string += "";
  EXPECT_FALSE(null_string.IsNull());

  std::ostringstream out;
  out << joined << '|' << WString();
  EXPECT_EQ(out.str(), "abcd|");
}

TEST(WString, AppendingGrowsInPlaceWithoutTouchingCopies) {
  WString list("");
  std::string expected;
  WString snapshot;
  for (int i = 0; i < 300; ++i) {
    const std::string entry = std::to_string(i) + "r";
    list += entry.c_str();
    expected += entry;
    if (i == 150) snapshot = list;
  }
  EXPECT_EQ(list.GetText(), expected);
  EXPECT_EQ(list.GetLength(), expected.size());
  EXPECT_EQ(std::string(snapshot.GetText()), expected.substr(0, std::string(snapshot.GetText()).size()));
  EXPECT_EQ(snapshot.GetLength(), 494u) << "the copy kept the text it had at entry 150";
}

}  // namespace
