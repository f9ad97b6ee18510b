// Whole-file writes that replace a file in one step, and reads.
#include "files/FileAccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

class FileAccessTest : public ::testing::Test {
 protected:
  std::size_t Entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {})); }
  std::string Read(const fs::path& path) const {
    std::string bytes = "left over";
    EXPECT_EQ(FileAccess::Read(path.string(), bytes), "");
    return bytes;
  }

  const ScratchFolder scratch{"vantrel-files-"};
  const fs::path folder = scratch.path();
};

TEST_F(FileAccessTest, AWriteReplacesTheFileWholeWithTheBytesGivenAndLeavesNothingElse) {
  const fs::path path = folder / "report.txt";
  for (const std::string& bytes : {std::string("first\r\nreport\r\n"), std::string("a\0b\r\n", 5)}) {
    ASSERT_EQ(FileAccess::WriteReplacing(path.string(), bytes), "");
    EXPECT_EQ(Read(path), bytes);
  }
  EXPECT_EQ(Entries(), 1u) << "no temporary file stays";
}

TEST_F(FileAccessTest, ALinkStaysALinkAndItsTargetIsReplacedWhereverItLeads) {
  // A relative link is read from its own folder, not from where the
  // program runs; an absolute one from the root; a chain of both is followed.
  fs::create_directory(folder / "reports");
  fs::create_directory(folder / "links");
  const fs::path target = folder / "reports" / "report.txt";
  std::ofstream(target) << "old";
  fs::create_symlink("../reports/report.txt", folder / "links" / "relative.txt");
  fs::create_symlink(folder / "links" / "relative.txt", folder / "absolute.txt");
  for (const char* link : {"links/relative.txt", "absolute.txt"}) {
    const std::string bytes = std::string("through ") + link;
    ASSERT_EQ(FileAccess::WriteReplacing((folder / link).string(), bytes), "") << link;
    EXPECT_TRUE(fs::is_symlink(folder / link));
    EXPECT_EQ(Read(target), bytes);
  }
  EXPECT_EQ(Entries(), 3u) << "no temporary file stays";
}

TEST_F(FileAccessTest, AFailedWriteOrReadSaysWhyAndLeavesWhatWasThere) {
  const fs::path nowhere = folder / "no such folder" / "report.txt";
  EXPECT_NE(FileAccess::WriteReplacing(nowhere.string(), "x"), "");
  EXPECT_FALSE(fs::exists(nowhere));

  const fs::path blocked = folder / "blocked";  // a folder where the file should be
  fs::create_directory(blocked);
  std::ofstream(blocked / "kept.txt") << "kept";
  EXPECT_NE(FileAccess::WriteReplacing(blocked.string(), "new"), "");
  EXPECT_EQ(Read(blocked / "kept.txt"), "kept");
  EXPECT_EQ(Entries(), 1u) << "the temporary file is gone again";

  const fs::path kept = folder / "kept.txt";
  std::ofstream(kept) << "an earlier report";
  fs::permissions(kept, fs::perms::owner_read);
  EXPECT_NE(FileAccess::WriteReplacing(kept.string(), "new"), "");
  EXPECT_EQ(Read(kept), "an earlier report") << "a read-only file is never replaced, whoever asks";

  std::string bytes = "left over";
  EXPECT_NE(FileAccess::Read((folder / "roul_dat.dat").string(), bytes), "");
  EXPECT_EQ(bytes, "");
}

}  // namespace
