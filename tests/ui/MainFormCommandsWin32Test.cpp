// The main form's commands: reset, help, info and the sponsor caption; and
// the program itself, ended every way a person can end it.
#include "framework/events/WindowsHeadersWin32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "files/InfoTexts.h"
#include "framework/events/WAssertionReport.h"
#include "tests/ScratchFolder.h"
#include "tests/ui/MainFormFixtureWin32.h"
#include "ui/ApplicationClass.h"

namespace {

TEST_F(MainFormTest, ResetPutsTheDefaultsBackAndHelpReplacesTheListInCourierNew) {
  Type("rtb_startkapital", "777");
  Click("checkbox_zero_oder_zerozero");
  Command(1004);
  Command(1012);
  Command(1012);
  PumpQueued();
  EXPECT_EQ(Text("rtb_startkapital"), "     500");
  EXPECT_FALSE(Checked("checkbox_zero_oder_zerozero"));
  EXPECT_EQ(Text("label_alle_zahlen"), InfoTexts::kHelpText) << "replaced, not appended";
  EXPECT_STREQ(Window("label_alle_zahlen")->GetFont().GetDescription()->text.c_str(), "8.Courier New");
}

TEST_F(MainFormTest, InfoShowsTheNoticeAndTheContextHelpButtonMakesRightClicksAskForHelp) {
  MessageBoxAnswerer box(InfoTexts::kInfoCaption);
  Command(1011);
  PumpQueued();
  EXPECT_EQ(box.Texts(), std::vector<std::string>{InfoTexts::kInfoNotice});
  class HelpLog : public WObject {
   public:
    bool Asked(WObject*, WEventData* data) {
      events.push_back(data->event);
      return false;
    }
    std::vector<int32_t> events;
  } help;
  form.SetEventHandler(ContextHelpEvent, &help, &HelpLog::Asked);
  form.SetEventHandler(ContextMenuEvent, &help, &HelpLog::Asked);
  SendMessageA(Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), -1);
  EXPECT_EQ(help.events, std::vector<int32_t>{ContextHelpEvent});
}

TEST_F(MainFormTest, TheSponsorCaptionShowsItsCursorAndTurnsPurpleWhenClicked) {
  HWND caption = ChildHandle("label_werbung_muss_sein");
  PostMessageA(caption, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  PumpQueued();
  EXPECT_EQ(GetCursor(), WCursor(100, GetModuleHandleA(nullptr)).GetHandle());
  EXPECT_EQ(Window("label_werbung_muss_sein")->GetForeColor()->GetIndex(), WColor::Blue);
  PostMessageA(caption, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(caption, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpQueued();
  EXPECT_EQ(*Window("label_werbung_muss_sein")->GetForeColor(), WColor(128, 0, 128));
}

TEST_F(MainFormTest, ACloseWhileABoxIsOpenLeavesTheFormToTheHandlerThatShowedIt) {
  // As "End task" asks every window to close, here while the info box waits.
  MessageBoxAnswerer box(InfoTexts::kInfoCaption, [this] { SendMessageA(Handle(), WM_CLOSE, 0, 0); });
  Command(1011);
  PumpQueued();
  ASSERT_EQ(box.Texts().size(), 1u);
  EXPECT_EQ(AssertionFailures(), 0) << "nothing the running handler holds was freed under it";
  EXPECT_TRUE(IsWindow(Handle()));
}

// The program as a person starts it, and one way of ending it, with a box
// or dialog open where one is named.
struct Ending {
  const char* name;
  UINT message;  // posted to the window, or a key pressed with WM_KEYDOWN
  WPARAM value;
  bool control;
  WPARAM opening = 0;            // a command that opens a box or dialog first
  const char* opened = nullptr;  // its caption
};

class Program : public ::testing::TestWithParam<Ending> {
 protected:
  void SetUp() override {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path);
    program = program.substr(0, program.find_last_of("\\/")) + "\\..\\vantrel.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               folder_.path().string().c_str(), &startup, &process_))
        << program;
    for (int waited = 0; waited < 300 && !window_; ++waited) {
      Sleep(100);
      window_ = FindWindowA(nullptr, "Vantrel V" VANTREL_VERSION);
    }
    ASSERT_NE(window_, nullptr) << "the main window came up";
    // The window exists before its form has finished making its controls.
    WaitForInputIdle(process_.hProcess, 20000);
  }
  void TearDown() override {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  // Gives the command and waits for the box or dialog it opens.
  HWND Open(WPARAM command, const char* caption) {
    PostMessageA(window_, WM_COMMAND, command, 0);
    for (int waited = 0; waited < 100; ++waited) {
      Sleep(100);
      if (HWND opened = FindWindowA(nullptr, caption)) return opened;
    }
    return nullptr;
  }

  // A key pressed in the program's focused control, with Ctrl held when
  // asked: the two threads share one keyboard state while attached.
  void Press(WPARAM key, bool control) {
    const DWORD program_thread = GetWindowThreadProcessId(window_, nullptr);
    AttachThreadInput(GetCurrentThreadId(), program_thread, TRUE);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
    HWND focus = GetFocus();
    PostMessageA(focus ? focus : window_, WM_KEYDOWN, key, 0x00000001);
    WaitForInputIdle(process_.hProcess, 5000);  // the key is taken while Ctrl is down
    Sleep(200);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    AttachThreadInput(GetCurrentThreadId(), program_thread, FALSE);
  }

  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  const ScratchFolder folder_{"vantrel-ending-"};  // where no settings file is; removed after the program ended
};

constexpr WPARAM kOddsCommand = 1013;

// Settings whose odds take seconds (to be refused in the end): capital,
// max balance, games and table limit.
constexpr std::pair<int, const char*> kSlowOdds[] = {{102, "100000"}, {124, "200000"}, {104, "10000"}, {141, "19999"}};

bool Computing(HWND odds) {
  char status[64] = {};
  GetDlgItemTextA(odds, 2002, status, sizeof status);
  return std::string(status).rfind("computing", 0) == 0;
}

TEST_P(Program, EndsWithExitCodeZero) {
  const Ending& ending = GetParam();
  DWORD closed_at = 0;
  if (ending.opening == kOddsCommand) {
    for (const auto& [id, text] : kSlowOdds) SetDlgItemTextA(window_, id, text);
    HWND odds = Open(ending.opening, ending.opened);
    ASSERT_NE(odds, nullptr);
    for (int waited = 0; waited < 100 && !Computing(odds); ++waited) Sleep(50);
    ASSERT_TRUE(Computing(odds));
    closed_at = GetTickCount();
    PostMessageA(window_, WM_CLOSE, 0, 0);
  } else if (ending.opening != 0) {
    HWND opened = Open(ending.opening, ending.opened);
    ASSERT_NE(opened, nullptr) << ending.opened;
    // As the task manager's "End task" does: every top-level window is asked to close.
    PostMessageA(window_, WM_CLOSE, 0, 0);
    PostMessageA(opened, WM_CLOSE, 0, 0);
  } else if (ending.message == WM_KEYDOWN) {
    Press(ending.value, ending.control);
  } else {
    PostMessageA(window_, ending.message, ending.value, 0);
  }
  ASSERT_EQ(WaitForSingleObject(process_.hProcess, 20000), WAIT_OBJECT_0) << "the program ended";
  DWORD code = 99;
  GetExitCodeProcess(process_.hProcess, &code);
  EXPECT_EQ(code, 0u);
  if (closed_at != 0) {
    EXPECT_LT(GetTickCount() - closed_at, 1000u) << "the odds' work stopped at once";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, Program,
    ::testing::Values(Ending{"WindowClosed", WM_CLOSE, 0, false}, Ending{"ExitCommand", WM_COMMAND, 1006, false},
                      Ending{"CtrlE", WM_KEYDOWN, 'E', true}, Ending{"Escape", WM_KEYDOWN, VK_ESCAPE, false},
                      Ending{"ClosedWithTheInfoBoxOpen", WM_CLOSE, 0, false, 1011, "program-info"},
                      Ending{"ClosedWithAFehlerBoxOpen", WM_CLOSE, 0, false, 1010, "Fehler"},
                      Ending{"ClosedWithTheSaveDialogOpen", WM_CLOSE, 0, false, 1008, "Save As"},
                      Ending{"ClosedWhileTheOddsCompute", WM_CLOSE, 0, false, kOddsCommand, "Vantrel odds"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramStart, EndsWithMinusOneWhenTheMainFormCannotBeMade) {
  ApplicationClass application("NO_SUCH_TEMPLATE");
  EXPECT_EQ(application.Execute(GetModuleHandleA(nullptr), nullptr, "", SW_SHOW), -1);
  EXPECT_EQ(MainForm(), nullptr);
}

}  // namespace
