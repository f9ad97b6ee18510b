// Whole-file writes that replace a file in one step, and reads.
#include "files/FileAccess.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class FileAccessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vantrel-files-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
  }
  void TearDown() override { fs::remove_all(folder); }
  std::size_t Entries() const {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
    return count;
  }

  fs::path folder;
};

TEST_F(FileAccessTest, AWriteReplacesTheFileWholeAndLeavesNothingElseBehind) {
  const std::string path = (folder / "report.txt").string();
  ASSERT_EQ(FileAccess::WriteReplacing(path, std::string("first\r\nreport\r\n")), "");
  ASSERT_EQ(FileAccess::WriteReplacing(path, std::string("second\r\n")), "");
  std::string bytes;
  ASSERT_EQ(FileAccess::Read(path, bytes), "");
  EXPECT_EQ(bytes, "second\r\n") << "cut, not appended to";
  EXPECT_EQ(Entries(), 1u) << "no temporary file stays";

  const std::string binary("a\0b\r\n", 5);
  ASSERT_EQ(FileAccess::WriteReplacing(path, binary), "");
  ASSERT_EQ(FileAccess::Read(path, bytes), "");
  EXPECT_EQ(bytes, binary) << "bytes as given";
}

TEST_F(FileAccessTest, AFailedWriteSaysWhyAndLeavesThePreviousFile) {
  const std::string nowhere = (folder / "no such folder" / "report.txt").string();
  EXPECT_NE(FileAccess::WriteReplacing(nowhere, "x"), "");
  EXPECT_FALSE(fs::exists(nowhere));

  // A folder where the file should be: the last step fails.
  const fs::path blocked = folder / "blocked";
  fs::create_directory(blocked);
  fs::path inside = blocked / "kept.txt";
  std::FILE* file = std::fopen(inside.string().c_str(), "wb");
  std::fputs("kept", file);
  std::fclose(file);
  EXPECT_NE(FileAccess::WriteReplacing(blocked.string(), "new"), "");
  std::string bytes;
  ASSERT_EQ(FileAccess::Read(inside.string(), bytes), "");
  EXPECT_EQ(bytes, "kept");
  EXPECT_EQ(Entries(), 1u) << "the temporary file is gone again";
}

TEST_F(FileAccessTest, AMissingFileCannotBeRead) {
  std::string bytes = "left over";
  EXPECT_NE(FileAccess::Read((folder / "roul_dat.dat").string(), bytes), "");
  EXPECT_EQ(bytes, "");
}

}  // namespace
