// The parts of the file dialog and file paths that need no system: flags,
// filters, proposed names, and paths split into their parts.
#include "framework/dialogs/WFileDialog.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/dialogs/WFilePath.h"

namespace {

TEST(FileDialog, FlagsFiltersAndAProposedDirectoryThatBecomesTheInitialOne) {
  WFileDialog dialog;
  EXPECT_TRUE(dialog.SetFlags(0x8000C));
  EXPECT_EQ(dialog.GetFlags(), 0x8002Cu);
  dialog.SetFlags(0);
  EXPECT_EQ(dialog.GetFlags(), 0x20u);
  EXPECT_EQ(dialog.BuildFilterString(), std::string("All Files\0*.*\0\0", 15));
  dialog.AddFilter("Text", "*.txt");
  EXPECT_EQ(dialog.BuildFilterString(), std::string("All Files\0*.*\0Text\0*.txt\0\0", 26));
  dialog.SetInitialDirectory("C:\\");
  dialog.SetFileName(".\\*.txt", 0);
  EXPECT_EQ(dialog.TakeProposedName(), "*.txt");
  EXPECT_STREQ(dialog.GetInitialDirectory(), ".\\");
  dialog.SetFileName("plain.txt", 0);
  EXPECT_EQ(dialog.TakeProposedName(), "plain.txt");
  EXPECT_STREQ(dialog.GetInitialDirectory(), ".\\") << "kept when the name has no directory";
  EXPECT_TRUE(dialog.GetFileName(5).IsEmpty()) << "an entry never set";
  dialog.SetFileName("third.txt", 2);
  EXPECT_STREQ(dialog.GetFileName(2).GetText(), "third.txt");
}

class PromptWatcher : public WObject {
  W_DECLARE_CLASS(PromptWatcher, WObject)

 public:
  bool OnPrompt(WObject* source, WEventData* data) {
    auto* prompt = static_cast<WFileDialogPromptData*>(data);
    owner_refused = owner_refused || !static_cast<WFileDialog*>(source)->SetOwner(nullptr);
    if (!prompt->after) return false;
    prompt->outcome = confirm;
    return true;
  }
  bool confirm = false;
  bool owner_refused = false;
};

#ifndef _WIN32
TEST(FileDialog, ThePromptEventSurroundsAShowingAndMayDecideTheOutcome) {
  WFileDialog dialog;
  PromptWatcher watcher;
  dialog.SetEventHandler(CommonDialogPromptEvent, &watcher, &PromptWatcher::OnPrompt);
  dialog.SetFileName(".\\*.txt");
  EXPECT_FALSE(dialog.ShowSaveDialog());
  watcher.confirm = true;
  EXPECT_TRUE(dialog.ShowSaveDialog());
  EXPECT_TRUE(watcher.owner_refused) << "no new owner while showing";
  EXPECT_STREQ(dialog.GetFileName(0).GetText(), "*.txt") << "only name and extension are left";
  EXPECT_TRUE(dialog.SetOwner(nullptr));
}
#endif

struct Split {
  const char *path, *drive, *directory, *name, *extension;
};

TEST(FilePath, SplitsIntoDriveDirectoryNameAndExtension) {
  const Split cases[] = {
      {".\\*.txt", "", ".\\", "*", ".txt"},
      {"C:", "C:", "", "", ""},
      {"C:\\reports\\", "C:", "\\reports\\", "", ""},
      {"D:\\a.b\\run.2026.txt", "D:", "\\a.b\\", "run.2026", ".txt"},
      {"notes", "", "", "notes", ""},
      {"archive.", "", "", "archive.", ""},
      {"dir/sub/file.tar.gz", "", "dir/sub/", "file.tar", ".gz"},
      {"\\\\server\\share\\report.txt", "", "\\\\server\\share\\", "report", ".txt"},
      {"name..", "", "", "name..", ""},
      {"\\:x", "", "\\", ":x", ""},
  };
  for (const Split& c : cases) {
    const WFilePath path(c.path);
    const auto text = [](const WString& part) { return std::string(part.GetText()) + "|"; };
    EXPECT_EQ(text(path.GetDrive()) + text(path.GetDirectory()) + text(path.GetName()) + text(path.GetExtension()),
              std::string(c.drive) + "|" + c.directory + "|" + c.name + "|" + c.extension + "|");
    EXPECT_STREQ(path.GetText(), c.path);
  }
}

}  // namespace
