#include "framework/events/WAssertionReport.h"

#include <gtest/gtest.h>

namespace {

TEST(AssertionReport, TextListsWhatFailedWhere) {
  WAssertionFailure failure;
  failure.function = "bool WModelessDialog::Load()";
  failure.file = "wdialog";
  failure.line = 42;
  failure.expression = "hdl != 0";
  failure.message = "Unable to find dialog resource";
  EXPECT_EQ(AssertionText(failure),
            "Assertion Failure - Expecting:\n\n"
            "    Function bool WModelessDialog::Load()\n"
            "    File 'wdialog'\n"
            "    Line 42\n\n"
            "    hdl != 0\n"
            "    Unable to find dialog resource\n"
            "\nDo you wish to continue running?");

  failure.expression = nullptr;
  failure.message = nullptr;
  EXPECT_EQ(AssertionText(failure).find("hdl"), std::string::npos);
}

TEST(AssertionReport, TitleCutsLongProgramNames) {
  EXPECT_EQ(AssertionTitle("vantrel.exe", 0x1a, 0x2b), "vantrel.exe: Debug Message [Process 1a Thread 2b]");
  const std::string long_name(150, 'n');
  EXPECT_EQ(AssertionTitle(long_name.c_str(), 1, 2), std::string(100, 'n') + ": Debug Message [Process 1 Thread 2]");
}

}  // namespace
