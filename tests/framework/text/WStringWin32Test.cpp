// What the string class does with the system's own code page and string
// table.
#include "framework/events/WindowsHeadersWin32.h"

#include <gtest/gtest.h>

#include "framework/app/WFrameworkError.h"
#include "framework/text/WString.h"

namespace {

TEST(WStringOnWindows, LoadsStringTableEntriesAndFrameworkErrorsSetTheirCode) {
  WString text("old");
  ASSERT_TRUE(text.LoadString(static_cast<uint32_t>(WFrameworkError::WindowNotCreated)));
  EXPECT_STREQ(text.GetText(), "The window could not successfully be created.");
  EXPECT_FALSE(text.LoadString(999));
  EXPECT_STREQ(text.GetText(), "The window could not successfully be created.") << "a missing entry changes nothing";
  SetFrameworkError(WFrameworkError::NoWindow);
  EXPECT_EQ(GetLastError(), 0x20000004u);
  ASSERT_TRUE(text.LoadString(GetLastError() - kFrameworkErrorBase));
  EXPECT_STREQ(text.GetText(), "The window has not been created or has already been destroyed.");
  EXPECT_EQ(std::u16string(WString("plain text").GetWideText()), u"plain text");
  EXPECT_STREQ(WString::FromWide(u"plain text").GetText(), "plain text");
}

}  // namespace
