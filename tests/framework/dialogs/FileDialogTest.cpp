#include "framework/dialogs/WFileDialog.h"

#include <gtest/gtest.h>

namespace {

TEST(FileDialog, FlagsAlwaysKeepTheHook) {
  WFileDialog dialog;
  EXPECT_EQ(dialog.GetFlags() & 0x2C, 0x2Cu);
  EXPECT_TRUE(dialog.SetFlags(0x8000C));
  EXPECT_EQ(dialog.GetFlags(), 0x8002Cu);
  dialog.SetFlags(0);
  EXPECT_EQ(dialog.GetFlags(), 0x20u);
}

TEST(FileDialog, FilterStringEndsEachPartAndTheList) {
  WFileDialog dialog;
  EXPECT_EQ(dialog.BuildFilterString(), std::string("All Files\0*.*\0\0", 15));
  dialog.AddFilter("Text", "*.txt");
  EXPECT_EQ(dialog.BuildFilterString(), std::string("All Files\0*.*\0Text\0*.txt\0\0", 26));
}

TEST(FileDialog, AProposedDirectoryBecomesTheInitialDirectory) {
  WFileDialog dialog;
  dialog.SetInitialDirectory("C:\\");
  dialog.SetFileName(".\\*.txt", 0);
  EXPECT_EQ(dialog.TakeProposedName(), "*.txt");
  EXPECT_STREQ(dialog.GetInitialDirectory(), ".\\");
  EXPECT_STREQ(dialog.GetFileName(0).GetText(), "*.txt");

  dialog.SetFileName("plain.txt", 0);
  EXPECT_EQ(dialog.TakeProposedName(), "plain.txt");
  EXPECT_STREQ(dialog.GetInitialDirectory(), ".\\") << "kept when the name has no directory";
}

TEST(FileDialog, FileNameEntriesGrowOnDemand) {
  WFileDialog dialog;
  EXPECT_TRUE(dialog.GetFileName(0).IsEmpty());
  EXPECT_TRUE(dialog.GetFileName(5).IsEmpty()) << "an entry never set";
  dialog.SetFileName("third.txt", 2);
  EXPECT_STREQ(dialog.GetFileName(2).GetText(), "third.txt");
  EXPECT_TRUE(dialog.GetFileName(1).IsEmpty());
}

class PromptWatcher : public WObject {
  W_DECLARE_CLASS(PromptWatcher, WObject)

 public:
  bool OnPrompt(WObject* source, WEventData* data) {
    auto* prompt = static_cast<WFileDialogPromptData*>(data);
    auto* dialog = static_cast<WFileDialog*>(source);
    owner_refused = owner_refused || !dialog->SetOwner(nullptr);
    if (!prompt->after) return false;
    prompt->outcome = confirm;
    return true;
  }
  bool confirm = false;
  bool owner_refused = false;
};

TEST(FileDialog, ThePromptEventSurroundsAShowingAndMayDecideTheOutcome) {
  WFileDialog dialog;
  PromptWatcher watcher;
  dialog.SetEventHandler(CommonDialogPromptEvent, &watcher, &PromptWatcher::OnPrompt);
  dialog.SetFileName(".\\*.txt");
#ifndef _WIN32
  EXPECT_FALSE(dialog.ShowSaveDialog());
  watcher.confirm = true;
  EXPECT_TRUE(dialog.ShowSaveDialog());
  EXPECT_TRUE(watcher.owner_refused) << "no new owner while showing";
  EXPECT_STREQ(dialog.GetFileName(0).GetText(), "*.txt") << "only name and extension are left";
#endif
  EXPECT_TRUE(dialog.SetOwner(nullptr));
}

}  // namespace
