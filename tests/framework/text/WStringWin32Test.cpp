// What the string class does with the system's own code page and string
// table.
#include "framework/events/WindowsHeadersWin32.h"

#include <gtest/gtest.h>

#include "framework/app/WFrameworkError.h"
#include "framework/text/WString.h"

namespace {

TEST(WStringOnWindows, LoadsStringTableEntries) {
  WString text("old");
  ASSERT_TRUE(text.LoadString(static_cast<uint32_t>(WFrameworkError::WindowNotCreated)));
  EXPECT_STREQ(text.GetText(), "The window could not successfully be created.");
  ASSERT_TRUE(text.LoadString(static_cast<uint32_t>(WFrameworkError::RegistryQueryFailed)));
  EXPECT_STREQ(text.GetText(), "The registry query was unsuccessful.");
  EXPECT_FALSE(text.LoadString(999));
  EXPECT_STREQ(text.GetText(), "The registry query was unsuccessful.") << "a missing entry changes nothing";
}

TEST(WStringOnWindows, FrameworkErrorsSetTheirCode) {
  SetLastError(0);
  SetFrameworkError(WFrameworkError::NoWindow);
  EXPECT_EQ(GetLastError(), 0x20000004u);
  WString text;
  ASSERT_TRUE(text.LoadString(GetLastError() - kFrameworkErrorBase));
  EXPECT_STREQ(text.GetText(), "The window has not been created or has already been destroyed.");
}

TEST(WStringOnWindows, ConvertsWithTheSystemCodePage) {
  const WString ascii("plain text");
  EXPECT_EQ(std::u16string(ascii.GetWideText()), u"plain text");
  const WString back = WString::FromWide(u"plain text");
  EXPECT_STREQ(back.GetText(), "plain text");
}

}  // namespace
