// What the string class does with the system's own code page and string
// table.
#include <gtest/gtest.h>

#include "framework/text/WString.h"
#include "tests/framework/text/test_strings.h"

namespace {

TEST(WStringOnWindows, LoadsStringTableEntries) {
  WString text("old");
  ASSERT_TRUE(text.LoadString(kTestStringWindowNotCreated));
  EXPECT_STREQ(text.GetText(), "The window could not successfully be created.");
  EXPECT_FALSE(text.LoadString(kTestStringMissing));
  EXPECT_STREQ(text.GetText(), "The window could not successfully be created.") << "a missing entry changes nothing";
}

TEST(WStringOnWindows, ConvertsWithTheSystemCodePage) {
  const WString ascii("plain text");
  EXPECT_EQ(std::u16string(ascii.GetWideText()), u"plain text");
  const WString back = WString::FromWide(u"plain text");
  EXPECT_STREQ(back.GetText(), "plain text");
}

}  // namespace
