// The main form's commands: menu items and their accelerator keys, help,
// info and the sponsor caption; and the program itself, ended every way a
// person can end it.
#include "framework/events/WindowsHeadersWin32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/InfoTexts.h"
#include "tests/ui/MainFormFixtureWin32.h"
#include "ui/ApplicationClass.h"

namespace {

TEST_F(MainFormTest, ResetPutsTheDefaultsBack) {
  Type("rtb_startkapital", "777");
  Type("rtb_v3", "9");
  Click("checkbox_zero_oder_zerozero");
  Command(1004);
  PumpQueued();
  EXPECT_EQ(Text("rtb_startkapital"), "     500");
  EXPECT_EQ(Text("rtb_v3"), "   4");
  EXPECT_FALSE(Checked("checkbox_zero_oder_zerozero"));
}

TEST_F(MainFormTest, HelpShowsItsTextOnceInCourierNew) {
  Command(1012);
  Command(1012);
  PumpQueued();
  EXPECT_EQ(Text("label_alle_zahlen"), InfoTexts::kHelpText) << "replaced, not appended";
  const WFontDescription* font = Window("label_alle_zahlen")->GetFont().GetDescription();
  ASSERT_NE(font, nullptr);
  EXPECT_STREQ(font->font.face, "Courier New");
  EXPECT_EQ(font->points, 8);
}

TEST_F(MainFormTest, InfoShowsTheProgramNotice) {
  MessageBoxAnswerer box("program-info");
  Command(1011);
  PumpQueued();
  ASSERT_EQ(box.Texts().size(), 1u);
  EXPECT_EQ(box.Texts()[0].rfind("Vantrel V1.1", 0), 0u) << box.Texts()[0];
  EXPECT_NE(box.Texts()[0].find(std::string("\n") + InfoTexts::kSponsorHost + "\nsite in English and German language"),
            std::string::npos);
}

TEST_F(MainFormTest, TheSponsorCaptionTurnsPurpleWhenClickedAndShowsItsCursor) {
  HWND caption = ChildHandle("label_werbung_muss_sein");
  PostMessageA(caption, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  PumpQueued();
  EXPECT_EQ(GetCursor(), WCursor(100, GetModuleHandleA(nullptr)).GetHandle());
  EXPECT_EQ(Window("label_werbung_muss_sein")->GetForeColor()->GetIndex(), WColor::Blue);
  PostMessageA(caption, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(caption, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpQueued();
  EXPECT_EQ(*Window("label_werbung_muss_sein")->GetForeColor(), WColor(128, 0, 128));
  EXPECT_EQ(Text("label_werbung_muss_sein"), "Tarnholm - promotions up to date 24/7") << "nothing else changed";
}

TEST_F(MainFormTest, TheContextHelpButtonMakesRightClicksAskForHelp) {
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

// The program as a person starts it.
class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path);
    program = program.substr(0, program.find_last_of("\\/")) + "\\..\\vantrel.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(
        CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
        << program;
    for (int waited = 0; waited < 300 && !window_; ++waited) {
      Sleep(100);
      window_ = FindWindowA(nullptr, "Vantrel V1.1");
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

  // The exit code, once the program has ended; -2 when it did not.
  int32_t ExitCode() {
    if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) return -2;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int32_t>(code);
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
};

TEST_F(Program, EndsWithZeroWhenItsWindowIsClosed) {
  PostMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_EQ(ExitCode(), 0);
}

TEST_F(Program, EndsWithZeroOnTheExitCommand) {
  PostMessageA(window_, WM_COMMAND, 1006, 0);
  EXPECT_EQ(ExitCode(), 0);
}

TEST_F(Program, EndsWithZeroOnCtrlE) {
  Press('E', true);
  EXPECT_EQ(ExitCode(), 0);
}

TEST_F(Program, EndsWithZeroOnEscape) {
  Press(VK_ESCAPE, false);
  EXPECT_EQ(ExitCode(), 0);
}

TEST(ProgramStart, EndsWithMinusOneWhenTheMainFormCannotBeMade) {
  ApplicationClass application("NO_SUCH_TEMPLATE");
  EXPECT_EQ(application.Execute(GetModuleHandleA(nullptr), nullptr, "", SW_SHOW), -1);
  EXPECT_EQ(MainForm(), nullptr);
}

}  // namespace
