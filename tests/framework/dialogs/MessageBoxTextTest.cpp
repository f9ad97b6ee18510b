#include "framework/dialogs/WMessageBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Format(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::string text = WMessageBox::FormatText(format, arguments);
  va_end(arguments);
  return text;
}

TEST(MessageBoxText, FormatsAndGrowsUntilTheTextFits) {
  EXPECT_EQ(Format("number of sessions: (1 - 500000)"), "number of sessions: (1 - 500000)");
  const std::string value(5000, 'v');
  EXPECT_EQ(Format("<%s>", value.c_str()), "<" + value + ">");
  EXPECT_EQ(Format("%d%%", 50), "50%");
  EXPECT_EQ(Format("x"), "x");
  EXPECT_EQ(Format(""), "");
}

TEST(MessageBoxText, ResultsOutsideTheButtonsBecomeTen) {
  EXPECT_EQ(WMessageBox::MapResult(1), 1);
  EXPECT_EQ(WMessageBox::MapResult(9), 9);
  EXPECT_EQ(WMessageBox::MapResult(0), 10);
  EXPECT_EQ(WMessageBox::MapResult(11), 10);
  EXPECT_EQ(WMessageBox::MapResult(-1), 10);
}

}  // namespace
