// The system's message box and save dialog, answered by the tests
// themselves from inside the dialogs' own message loops.
#include "framework/events/WindowsHeadersWin32.h"
#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/dialogs/WFileDialog.h"
#include "framework/dialogs/WMessageBox.h"
#include "tests/framework/dialogs/DialogAnswererWin32.h"

namespace {

std::string box_text;

// Reads the box's text, then presses OK.
void CALLBACK AnswerInformationBox(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindWindowA(nullptr, "Vantrel information");
  if (!box) return;
  KillTimer(nullptr, id);
  char text[8192] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  box_text = text;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(MessageBoxOnWindows, ShowsTheWholeFormattedTextAndReturnsTheButton) {
  const std::string long_value(3000, 'w');
  SetTimer(nullptr, 0, 20, &AnswerInformationBox);
  const int32_t result =
      WMessageBox::ShowInformation(nullptr, "Vantrel information", "value %d: %s|", 42, long_value.c_str());
  EXPECT_EQ(result, 1);
  EXPECT_EQ(box_text, "value 42: " + long_value + "|");
}

std::string TempPath(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

TEST(FileDialogOnWindows, AConfirmedSaveDialogGivesTheChosenPath) {
  WFileDialog dialog;
  DialogAnswerer answerer;
  answerer.path = TempPath("vantrel-report.txt");
  dialog.SetEventHandler(MessageHookEvent, &answerer, &DialogAnswerer::OnHook);
  dialog.SetEventHandler(CommonDialogPromptEvent, &answerer, &DialogAnswerer::OnPrompt);
  dialog.SetFlags(0x8002C);
  dialog.SetInitialDirectory("C:\\");
  dialog.SetFileName(".\\*.txt", 0);
  ASSERT_TRUE(dialog.ShowSaveDialog());
  EXPECT_STRCASEEQ(dialog.GetFileName(0).GetText(), answerer.path.c_str());
  EXPECT_EQ(answerer.prompts, "before after ");
}

TEST(FileDialogOnWindows, ACancelledSaveDialogKeepsOnlyNameAndExtension) {
  WFileDialog dialog;
  DialogAnswerer answerer;
  answerer.confirm = false;
  dialog.SetEventHandler(MessageHookEvent, &answerer, &DialogAnswerer::OnHook);
  dialog.SetFileName(".\\*.txt", 0);
  EXPECT_FALSE(dialog.ShowSaveDialog());
  EXPECT_STREQ(dialog.GetFileName(0).GetText(), "*.txt");
  EXPECT_STREQ(dialog.GetInitialDirectory(), ".\\");
}

}  // namespace
