// A form made from a dialog template, used the way the program uses its
// main form, and driven through the message queue.
#include "framework/events/WindowsHeadersWin32.h"
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/windows/WControls.h"
#include "framework/windows/WForm.h"
#include "tests/framework/app/PumpMessagesWin32.h"
#include "tests/framework/windows/test_form.h"

namespace {

using Log = std::vector<std::string>;

HWND H(const WWindow& window) { return static_cast<HWND>(window.GetHandle()); }

class TestForm : public WModelessDialog {
 public:
  TestForm() {
    WRichTextBox::GetWindowClassName();
    SetEventHandler(CreateEvent, this, &TestForm::OnCreate);
  }
  ~TestForm() override { Destroy(); }

  bool OnCreate(WObject*, WEventData*) {
    field.CreateFromResource(this, IDC_FIELD);
    label.CreateFromResource(this, IDC_LABEL);
    wrapping.CreateFromResource(this, IDC_WRAPPING);
    button.CreateFromResource(this, IDC_BUTTON);
    check.CreateFromResource(this, IDC_CHECK);
    group.CreateFromResource(this, IDC_GROUP);
    frame.CreateFromResource(this, IDC_FRAME);
    field2.CreateFromResource(this, IDC_FIELD2);
    return false;
  }
  bool Note(WObject* source, WEventData* data) {
    log.push_back(std::string(EventName(data->event)) + (source == &button ? " button" : ""));
    return false;
  }
  bool KeepOpen(WObject* source, WEventData* data) {
    Note(source, data);
    return true;
  }

  WRichTextBox field;
  WLabel label;
  WLabel wrapping;
  WCommandButton button;
  WCheckBox check;
  WGroupBox group;
  WFrame frame;
  WRichTextBox field2;
  Log log;
};

class Form : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.CreateFromResource(nullptr, "ID_Test_Form"));
    ShowWindow(H(form), SW_SHOW);
  }
  void Key(const WWindow& target, WPARAM key, LPARAM data) {
    PostMessageA(H(target), WM_KEYDOWN, key, data);
    PumpQueued();
  }
  TestForm form;
};

TEST_F(Form, BindsControlsByTheirTemplateIDsAndRefusesWhatIsNotThere) {
  EXPECT_EQ(WWindow::FromHandle(GetDlgItem(H(form), IDC_BUTTON)), &form.button);
  EXPECT_EQ(form.check.GetParent(), &form);
  WCheckBox missing;
  EXPECT_FALSE(missing.CreateFromResource(&form, 999));
  EXPECT_FALSE(form.CreateFromResource(nullptr, "ID_TEST_FORM")) << "the window exists already";
  EXPECT_EQ(GetLastError(), 0x20000002u);
  WModelessDialog nowhere;
  EXPECT_FALSE(nowhere.CreateFromResource(nullptr, "NO_SUCH_TEMPLATE"));
  EXPECT_EQ(GetLastError(), 0x20000001u);
}

TEST_F(Form, FontsAndColoursReachTheSystem) {
  const WFont bold("12.MS Sans Serif.Bold");
  form.button.SetFont(bold);
  EXPECT_EQ(reinterpret_cast<void*>(SendMessageA(H(form.button), WM_GETFONT, 0, 0)), bold.GetHandle());
  LOGFONTA described{};
  GetObjectA(static_cast<HFONT>(bold.GetHandle()), sizeof described, &described);
  EXPECT_EQ(described.lfWeight, 700);
  EXPECT_STREQ(described.lfFaceName, "MS Sans Serif");
  form.label.SetBackColor(WColor(WColor::Olive));
  form.label.SetForeColor(WColor(WColor::White));
  HDC device = GetDC(H(form));
  const LRESULT brush = SendMessageA(H(form), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(device),
                                     reinterpret_cast<LPARAM>(form.label.GetHandle()));
  EXPECT_EQ(reinterpret_cast<void*>(brush), form.label.GetBackgroundBrush());
  EXPECT_EQ(GetTextColor(device), RGB(255, 255, 255));
  ReleaseDC(H(form), device);
}

TEST_F(Form, AutoSizedControlsKeepTheirCornerAndFitTheirText) {
  const auto grows = [](auto& control) {
    WRect before, fitted;
    control.GetRectangle(before);
    control.SetText("a much longer caption than before");
    control.SetAutoSize(true);
    control.GetRectangle(fitted);
    EXPECT_EQ(fitted.x, before.x);
    EXPECT_EQ(fitted.y, before.y);
    EXPECT_GT(fitted.width, before.width) << control.GetControlID();
  };
  grows(form.label);
  grows(form.button);
  grows(form.check);
  WRect wrap_before, wrapped;
  form.wrapping.GetRectangle(wrap_before);
  form.wrapping.SetAutoSize(true);
  form.wrapping.SetText("a caption that wraps over several lines of the label");
  form.wrapping.GetRectangle(wrapped);
  EXPECT_LE(wrapped.width, wrap_before.width) << "a wrapping label keeps its width as the limit";
  EXPECT_GT(wrapped.height, wrap_before.height);
}

TEST_F(Form, MenuEventsAndSystemMenuCommandsReachTheirItems) {
  WMenu menu("ID_TEST_MENU", GetModuleHandleA(nullptr), true);
  ASSERT_TRUE(menu.IsLoaded());
  EXPECT_EQ(menu.GetPopup(1), nullptr) << "a command, not a popup";
  EXPECT_EQ(menu.FindItem(IDM_SAVE, false), nullptr) << "in a popup";
  menu.FindItem(IDM_SAVE, true)->SetEventHandler(MenuSelectEvent, &form, &TestForm::Note);
  menu.GetPopup(0)->SetEventHandler(InitPopupMenuEvent, &form, &TestForm::Note);
  ASSERT_TRUE(form.SetMenu(&menu));
  const auto popup = reinterpret_cast<WPARAM>(menu.GetPopup(0)->GetHandle());
  SendMessageA(H(form), WM_INITMENUPOPUP, popup, 0);
  SendMessageA(H(form), WM_MENUSELECT, MAKEWPARAM(IDM_SAVE, MF_HILITE), static_cast<LPARAM>(popup));
  form.SetMenu(nullptr);
  WMenuItem* close = form.GetSystemMenu()->FindItem(static_cast<uint16_t>(SC_CLOSE), true);
  ASSERT_NE(close, nullptr);
  close->SetEventHandler(ClickEvent, &form, &TestForm::KeepOpen);
  SendMessageA(H(form), WM_SYSCOMMAND, SC_CLOSE | 0x2, 0);  // the system sets the low four bits
  EXPECT_EQ(form.log, (Log{"InitPopupMenuEvent", "MenuSelectEvent", "ClickEvent"}));
  EXPECT_TRUE(IsWindow(H(form))) << "the handler took the system menu's command";
}

TEST_F(Form, ABeforeProcessingHandlerCanSkipTheWindowsOwnProcessing) {
  class Skipper : public WObject {
   public:
    bool Skip(WObject*, WEventData* data) {
      auto* before = static_cast<WBeforeProcessingEventData*>(data);
      if (before->message.message == WM_SETTEXT) before->process = false;
      return false;
    }
  } skipper;
  form.label.SetEventHandler(BeforeProcessingEvent, &skipper, &Skipper::Skip);
  form.label.SetEventHandler(AfterProcessingEvent, &form, &TestForm::Note);
  form.label.SetText("ignored");
  EXPECT_EQ(form.label.GetText(), "capital");
  EXPECT_FALSE(form.log.empty()) << "after-processing still runs";
}

TEST_F(Form, HelpShowsATipThatGoesWithItsText) {
  form.label.SetToolTipText("Ihr Anfangskapital");
  HWND tip = static_cast<HWND>(form.label.GetToolTipHandle());
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  HELPINFO help{};
  help.cbSize = sizeof help;
  help.iContextType = HELPINFO_WINDOW;
  help.iCtrlId = IDC_LABEL;
  help.hItemHandle = form.label.GetHandle();
  EXPECT_TRUE(SendMessageA(H(form), WM_HELP, 0, reinterpret_cast<LPARAM>(&help)));
  help.hItemHandle = form.button.GetHandle();
  EXPECT_FALSE(SendMessageA(H(form), WM_HELP, 0, reinterpret_cast<LPARAM>(&help))) << "no tip, no help";
  form.label.SetToolTipText("");
  EXPECT_EQ(form.label.GetToolTipHandle(), nullptr);
  EXPECT_FALSE(IsWindow(tip)) << "the owned tooltip went with the text";
}

TEST_F(Form, AFieldExtendedPieceByPieceLooksAsIfItsWholeTextHadBeenSet) {
  // A list longer than a rich-edit field takes by default.
  std::vector<std::string> pieces;
  std::string whole;
  for (int i = 2400; i > 0; --i) {
    char piece[32];
    std::snprintf(piece, sizeof piece, "%6d.%4d ||%s", i, i % 977, i % 5 == 0 ? "\n" : "");
    pieces.emplace_back(piece);
    whole += piece;
  }
  form.field.SetText(WString(whole.c_str()));
  const std::string set_whole = form.field.GetText().GetText();
  ASSERT_GE(set_whole.size(), whole.size()) << "nothing is cut";
  form.field.SetText(WString(pieces.front().c_str()));
  for (std::size_t i = 1; i < pieces.size(); ++i) form.field.AppendText(WString(pieces[i].c_str()));
  EXPECT_EQ(std::string(form.field.GetText().GetText()), set_whole);
  DWORD start = 1, end = 1;
  SendMessageA(H(form.field), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start + end, 0u) << "the caret back at the start";
  EXPECT_EQ(SendMessageA(H(form.field), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

}  // namespace
