#include "framework/dialogs/WFilePath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Split {
  const char* path;
  const char* drive;
  const char* directory;
  const char* name;
  const char* extension;
};

TEST(FilePath, SplitsIntoDriveDirectoryNameAndExtension) {
  const Split cases[] = {
      {".\\*.txt", "", ".\\", "*", ".txt"},
      {"C:", "C:", "", "", ""},
      {"C:\\", "C:", "\\", "", ""},
      {"C:\\reports\\", "C:", "\\reports\\", "", ""},
      {"D:\\a.b\\run.2026.txt", "D:", "\\a.b\\", "run.2026", ".txt"},
      {"notes", "", "", "notes", ""},
      {"archive.", "", "", "archive.", ""},
      {"dir/sub/file.tar.gz", "", "dir/sub/", "file.tar", ".gz"},
      {"\\\\server\\share\\report.txt", "", "\\\\server\\share\\", "report", ".txt"},
      {"..\\up", "", "..\\", "up", ""},
      {"name..", "", "", "name..", ""},
      {"\\:x", "", "\\", ":x", ""},
  };
  for (const Split& c : cases) {
    const WFilePath path(c.path);
    EXPECT_EQ(path.GetDrive(), c.drive) << c.path;
    EXPECT_EQ(path.GetDirectory(), c.directory) << c.path;
    EXPECT_EQ(path.GetName(), c.name) << c.path;
    EXPECT_EQ(path.GetExtension(), c.extension) << c.path;
    EXPECT_STREQ(path.GetText(), c.path);
  }
}

TEST(FilePath, ReplacingPartsRebuildsTheText) {
  WFilePath path("C:\\work\\report.txt");
  EXPECT_EQ(path.GetDriveAndDirectory(), "C:\\work\\");
  path.SetDrive("");
  EXPECT_STREQ(path.GetText(), "\\work\\report.txt");
  path.SetDirectory("");
  EXPECT_STREQ(path.GetText(), "report.txt");
  EXPECT_FALSE(path.HasDriveOrDirectory());
  path.SetDirectory("out\\");
  EXPECT_STREQ(path.GetText(), "out\\report.txt");
  EXPECT_EQ(path.GetName(), "report");
}

TEST(FilePath, CopiesAreIndependent) {
  WFilePath original(".\\*.txt");
  WFilePath copy = original;
  copy.SetDirectory("");
  EXPECT_STREQ(original.GetText(), ".\\*.txt");
  EXPECT_STREQ(copy.GetText(), "*.txt");
  EXPECT_TRUE(WFilePath().IsEmpty());
}

}  // namespace
