// A form made from a dialog template, used the way the program uses its
// main form, and driven through the message queue.
#include "framework/events/WindowsHeadersWin32.h"
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/app/WMessageLoop.h"
#include "framework/app/WSystemMessageWin32.h"
#include "framework/windows/WControls.h"
#include "framework/windows/WForm.h"
#include "tests/framework/windows/test_form.h"

namespace {

// Dispatches what is queued now, through the framework's own retrieval so
// that its filters run, up to a marker posted behind it.
void RunQueuedMessages() {
  constexpr UINT kMarker = WM_APP + 77;
  PostThreadMessageA(GetCurrentThreadId(), kMarker, 0, 0);
  for (int guard = 0; guard < 1000; ++guard) {
    WMessage message;
    bool dispatch = false;
    if (GetThreadMessage(&message, MessageWait::Wait, MessageRemoval::Remove, nullptr, 0, 0, HookFiltering::On,
                         &dispatch) != 1)
      return;
    if (message.message == kMarker && message.window == nullptr) return;
    if (!dispatch) continue;
    const MSG msg = ToSystemMessage(message);
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

class TestForm : public WModelessDialog {
 public:
  TestForm() {
    WRichTextBox::GetWindowClassName();
    SetEventHandler(CreateEvent, this, &TestForm::OnCreate);
  }
  ~TestForm() override { Destroy(); }

  bool OnCreate(WObject*, WEventData*) {
    created = true;
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
  bool KeepOpen(WObject*, WEventData* data) {
    log.push_back(EventName(data->event));
    return true;
  }

  bool created = false;
  WRichTextBox field;
  WLabel label;
  WLabel wrapping;
  WCommandButton button;
  WCheckBox check;
  WGroupBox group;
  WFrame frame;
  WRichTextBox field2;
  std::vector<std::string> log;
};

class Form : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.CreateFromResource(nullptr, "ID_Test_Form"));
    ShowWindow(static_cast<HWND>(form.GetHandle()), SW_SHOW);
  }
  TestForm form;
};

TEST_F(Form, BindsControlsByTheirTemplateIDs) {
  EXPECT_TRUE(form.created);
  EXPECT_EQ(form.field.GetControlID(), IDC_FIELD);
  EXPECT_EQ(WWindow::FromHandle(GetDlgItem(static_cast<HWND>(form.GetHandle()), IDC_BUTTON)), &form.button);
  EXPECT_EQ(form.check.GetParent(), &form);
  WCheckBox missing;
  EXPECT_FALSE(missing.CreateFromResource(&form, 999));
  EXPECT_FALSE(form.CreateFromResource(nullptr, "ID_TEST_FORM")) << "the window exists already";
  EXPECT_EQ(GetLastError(), 0x20000002u);
  WModelessDialog nowhere;
  EXPECT_FALSE(nowhere.CreateFromResource(nullptr, "NO_SUCH_TEMPLATE"));
  EXPECT_EQ(GetLastError(), 0x20000001u);
}

TEST_F(Form, TextsNamesChecksFontsAndColours) {
  EXPECT_TRUE(form.field.SetText("     500"));
  EXPECT_EQ(form.field.GetText(), "     500");
  EXPECT_EQ(form.label.GetText(), "capital");
  form.label.SetName("label_startkapital");
  EXPECT_EQ(form.label.GetName(), "label_startkapital");

  EXPECT_TRUE(form.check.SetChecked(true));
  EXPECT_TRUE(form.check.GetChecked());
  EXPECT_TRUE(form.check.SetChecked(true)) << "already checked";
  EXPECT_TRUE(form.check.SetChecked(false));
  EXPECT_FALSE(form.check.GetChecked());

  const WFont bold("12.MS Sans Serif.Bold");
  form.button.SetFont(bold);
  EXPECT_EQ(reinterpret_cast<void*>(SendMessageA(static_cast<HWND>(form.button.GetHandle()), WM_GETFONT, 0, 0)),
            bold.GetHandle());
  LOGFONTA described{};
  GetObjectA(static_cast<HFONT>(bold.GetHandle()), sizeof described, &described);
  EXPECT_EQ(described.lfWeight, 700);
  EXPECT_STREQ(described.lfFaceName, "MS Sans Serif");

  form.label.SetBackColor(WColor(WColor::Olive));
  form.label.SetForeColor(WColor(WColor::White));
  ASSERT_NE(form.label.GetBackColor(), nullptr);
  EXPECT_EQ(form.label.GetBackColor()->GetIndex(), WColor::Olive);
  HDC device = GetDC(static_cast<HWND>(form.GetHandle()));
  const LRESULT brush =
      SendMessageA(static_cast<HWND>(form.GetHandle()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(device),
                   reinterpret_cast<LPARAM>(form.label.GetHandle()));
  EXPECT_EQ(reinterpret_cast<void*>(brush), form.label.GetBackgroundBrush());
  EXPECT_EQ(GetTextColor(device), RGB(255, 255, 255));
  ReleaseDC(static_cast<HWND>(form.GetHandle()), device);
}

TEST_F(Form, AutoSizedLabelsKeepTheirCornerAndGrowWithTheirText) {
  WRect before;
  ASSERT_TRUE(form.label.GetRectangle(before));
  form.label.SetAutoSize(true);
  WRect fitted;
  form.label.GetRectangle(fitted);
  EXPECT_EQ(fitted.x, before.x);
  EXPECT_EQ(fitted.y, before.y);
  form.label.SetText("a much longer caption than before");
  WRect grown;
  form.label.GetRectangle(grown);
  EXPECT_EQ(grown.x, before.x);
  EXPECT_EQ(grown.y, before.y);
  EXPECT_GT(grown.width, fitted.width);

  WRect wrap_before;
  form.wrapping.GetRectangle(wrap_before);
  form.wrapping.SetAutoSize(true);
  form.wrapping.SetText("a caption that wraps over several lines of the label");
  WRect wrapped;
  form.wrapping.GetRectangle(wrapped);
  EXPECT_LE(wrapped.width, wrap_before.width) << "a wrapping label keeps its width as the limit";
  EXPECT_GT(wrapped.height, wrap_before.height);
}

TEST_F(Form, AButtonClickReachesClickEvent) {
  form.button.SetEventHandler(ClickEvent, &form, &TestForm::Note);
  PostMessageA(static_cast<HWND>(form.button.GetHandle()), BM_CLICK, 0, 0);
  RunQueuedMessages();
  EXPECT_EQ(form.log, std::vector<std::string>{"ClickEvent button"});
}

TEST_F(Form, MenuCommandsAndAcceleratorsReachTheItems) {
  WMenu menu("ID_TEST_MENU", GetModuleHandleA(nullptr), true);
  ASSERT_TRUE(menu.IsLoaded());
  ASSERT_NE(menu.GetPopup(0), nullptr);
  EXPECT_EQ(menu.GetPopup(1), nullptr) << "a command, not a popup";
  WMenuItem* save = menu.FindItem(IDM_SAVE, true);
  WMenuItem* info = menu.FindItem(IDM_INFO, true);
  ASSERT_NE(save, nullptr);
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(menu.FindItem(IDM_SAVE, false), nullptr) << "in a popup";
  save->SetEventHandler(ClickEvent, &form, &TestForm::Note);
  info->SetEventHandler(ClickEvent, &form, &TestForm::Note);
  ASSERT_TRUE(form.SetMenu(&menu));

  PostMessageA(static_cast<HWND>(form.GetHandle()), WM_COMMAND, IDM_INFO, 0);
  RunQueuedMessages();
  EXPECT_EQ(form.log, std::vector<std::string>{"ClickEvent"});

  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(static_cast<HWND>(form.field.GetHandle()), WM_KEYDOWN, 'S', 0x001F0001);
  RunQueuedMessages();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(form.log, (std::vector<std::string>{"ClickEvent", "ClickEvent"})) << "Ctrl+S reached save";
  form.SetMenu(nullptr);
}

TEST_F(Form, EscapeRaisesTheCancelEvent) {
  form.SetEventHandler(CancelEvent, &form, &TestForm::Note);
  PostMessageA(static_cast<HWND>(form.check.GetHandle()), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  RunQueuedMessages();
  EXPECT_EQ(form.log, std::vector<std::string>{"CancelEvent"});
}

TEST_F(Form, TabMovesTheFocusInChildOrder) {
  SetForegroundWindow(static_cast<HWND>(form.GetHandle()));
  SetFocus(static_cast<HWND>(form.field.GetHandle()));
  ASSERT_EQ(GetFocus(), form.field.GetHandle());
  PostMessageA(static_cast<HWND>(form.field.GetHandle()), WM_KEYDOWN, VK_TAB, 0x000F0001);
  RunQueuedMessages();
  EXPECT_EQ(GetFocus(), form.button.GetHandle());
}

TEST_F(Form, ACloseHandlerThatReturnsTrueKeepsTheFormOpen) {
  form.SetEventHandler(CloseEvent, &form, &TestForm::KeepOpen);
  SendMessageA(static_cast<HWND>(form.GetHandle()), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(static_cast<HWND>(form.GetHandle())));
  EXPECT_EQ(form.log, std::vector<std::string>{"CloseEvent"});
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

TEST_F(Form, TooltipsBelongToTheWindowThatGotATipText) {
  EXPECT_EQ(form.label.GetToolTipHandle(), nullptr);
  form.label.SetToolTipText("Ihr Anfangskapital f\xfcr den folgenden Durchgang.");
  HWND tip = static_cast<HWND>(form.label.GetToolTipHandle());
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  char text[128] = {};
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = static_cast<HWND>(form.GetHandle());
  info.uId = reinterpret_cast<UINT_PTR>(form.label.GetHandle());
  info.lpszText = text;
  SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, "Ihr Anfangskapital f\xfcr den folgenden Durchgang.");

  form.label.SetToolTipText("");
  EXPECT_EQ(form.label.GetToolTipHandle(), nullptr);
  EXPECT_FALSE(IsWindow(tip)) << "the owned tooltip went with the text";
}

TEST_F(Form, CursorAndIconComeFromTheResources) {
  const WCursor link(100, GetModuleHandleA(nullptr));
  ASSERT_NE(link.GetHandle(), nullptr);
  EXPECT_TRUE(form.label.SetCursor(link));
  EXPECT_EQ(GetCursor(), link.GetHandle());
  EXPECT_FALSE(form.label.SetCursor(WCursor(99, GetModuleHandleA(nullptr)))) << "no such cursor";

  ASSERT_TRUE(form.SetIcon(true, 101));
  HWND window = static_cast<HWND>(form.GetHandle());
  EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_EQ(GetClassLongPtrA(window, GCLP_HICON), SendMessageA(window, WM_GETICON, ICON_BIG, 0));
  EXPECT_FALSE(form.SetIcon(false, 555)) << "no such icon";
}

std::vector<int> ChildIDs(HWND window) {
  std::vector<int> ids;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ids.push_back(GetDlgCtrlID(child));
  }
  return ids;
}

TEST_F(Form, ChildOrderFollowsTheListAfterTheSurplusChildren) {
  HWND window = static_cast<HWND>(form.GetHandle());
  ASSERT_EQ(ChildIDs(window), (std::vector<int>{102, 103, 104, 105, 106, 107, 108, 109}));
  void* const reversed[] = {form.field2.GetHandle(), form.check.GetHandle(), form.button.GetHandle(),
                            form.field.GetHandle()};
  ASSERT_TRUE(form.SetChildOrder(4, reversed));
  EXPECT_EQ(ChildIDs(window), (std::vector<int>{103, 104, 107, 108, 109, 106, 105, 102}))
      << "the four children not listed keep the top";
}

}  // namespace

namespace {

class CreationWatcher : public WWindow {
 public:
  CreationWatcher() { SetEventHandler(CreateEvent, this, &CreationWatcher::OnCreate); }
  bool OnCreate(WObject*, WEventData* data) {
    saw_create = GetHandle() != nullptr && static_cast<WMessageEventData*>(data)->message.message == WM_CREATE;
    return false;
  }
  bool saw_create = false;
};

TEST(FrameworkWindow, AWindowOfTheFrameworkClassSeesItsOwnCreation) {
  CreationWatcher window;
  window.Show(true);
  ASSERT_TRUE(window.Create(nullptr, "framework window", WS_OVERLAPPEDWINDOW, {10, 10, 200, 100}));
  EXPECT_TRUE(window.saw_create);
  char class_name[32] = {};
  GetClassNameA(static_cast<HWND>(window.GetHandle()), class_name, sizeof class_name);
  EXPECT_STREQ(class_name, "WWindow");
  EXPECT_TRUE(IsWindowVisible(static_cast<HWND>(window.GetHandle()))) << "the visible style was recorded";
  EXPECT_FALSE(window.Create(nullptr, "again", 0, {0, 0, 1, 1}));
  EXPECT_TRUE(window.Destroy());
  EXPECT_EQ(window.GetHandle(), nullptr) << "told that its window is gone";
}

TEST_F(Form, AutoSizedButtonsAndCheckBoxesFitTheirText) {
  WRect before;
  form.button.GetRectangle(before);
  form.button.SetText("a much longer button text");
  form.button.SetAutoSize(true);
  WRect fitted;
  form.button.GetRectangle(fitted);
  EXPECT_EQ(fitted.x, before.x);
  EXPECT_EQ(fitted.y, before.y);
  EXPECT_GT(fitted.width, before.width);

  form.check.SetText("a check box caption");
  form.check.SetAutoSize(true);
  WRect check;
  form.check.GetRectangle(check);
  EXPECT_GT(check.width, 30);
  EXPECT_GE(check.height, 12);
}

}  // namespace

namespace {

// A form whose control objects exist before its window: they name their
// template items and are bound when the window is made.
class PreparedForm : public WModelessDialog {
 public:
  PreparedForm() {
    field.SetTemplateItem(this, IDC_FIELD);
    check.SetTemplateItem(this, IDC_CHECK);
    SetEventHandler(CreateEvent, this, &PreparedForm::OnCreate);
  }
  ~PreparedForm() override { Destroy(); }
  bool OnCreate(WObject*, WEventData*) {
    bound_at_create = field.GetHandle() != nullptr && check.GetHandle() != nullptr;
    return false;
  }
  bool Note(WObject* source, WEventData* data) {
    log.push_back(std::string(EventName(data->event)) + (source == &check ? " check" : ""));
    return handle;
  }

  WRichTextBox field;
  WCheckBox check;
  bool bound_at_create = false;
  bool handle = false;
  std::vector<std::string> log;
};

TEST(FormOwnProcessing, ControlObjectsMadeBeforeTheWindowAreBoundBeforeCreateEvent) {
  WRichTextBox::GetWindowClassName();
  PreparedForm form;
  ASSERT_TRUE(form.CreateFromResource(nullptr, "ID_TEST_FORM"));
  EXPECT_TRUE(form.bound_at_create);
  EXPECT_EQ(form.check.GetHandle(), GetDlgItem(static_cast<HWND>(form.GetHandle()), IDC_CHECK));
  EXPECT_EQ(form.GetChildren().size(), 2u);
}

TEST(FormOwnProcessing, AnOkNoHandlerTookIsOfferedToTheChildControls) {
  WRichTextBox::GetWindowClassName();
  PreparedForm form;
  ASSERT_TRUE(form.CreateFromResource(nullptr, "ID_TEST_FORM"));
  form.check.SetEventHandler(OKEvent, &form, &PreparedForm::Note);
  form.SetEventHandler(OKEvent, &form, &PreparedForm::Note);
  SendMessageA(static_cast<HWND>(form.GetHandle()), WM_COMMAND, IDOK, 0);
  EXPECT_EQ(form.log, (std::vector<std::string>{"OKEvent", "OKEvent check"})) << "the form first, then its controls";
}

TEST_F(Form, EscapeInAMultiLineFieldIsTheFormsCancel) {
  form.SetEventHandler(CancelEvent, &form, &TestForm::Note);
  SetFocus(static_cast<HWND>(form.field.GetHandle()));
  PostMessageA(static_cast<HWND>(form.field.GetHandle()), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  RunQueuedMessages();
  EXPECT_EQ(form.log, std::vector<std::string>{"CancelEvent"});
}

TEST_F(Form, SystemMenuCommandsReachTheSystemMenusItems) {
  WMenu* system = form.GetSystemMenu();
  ASSERT_NE(system, nullptr);
  WMenuItem* close = system->FindItem(static_cast<uint16_t>(SC_CLOSE), true);
  ASSERT_NE(close, nullptr);
  close->SetEventHandler(ClickEvent, &form, &TestForm::KeepOpen);
  // The system sets the low four bits for its own use.
  SendMessageA(static_cast<HWND>(form.GetHandle()), WM_SYSCOMMAND, SC_CLOSE | 0x2, 0);
  EXPECT_EQ(form.log, std::vector<std::string>{"ClickEvent"});
  EXPECT_TRUE(IsWindow(static_cast<HWND>(form.GetHandle()))) << "the handler took the command";
}

TEST_F(Form, MenuEventsReachTheMenuObjectConcerned) {
  WMenu menu("ID_TEST_MENU", GetModuleHandleA(nullptr), false);
  ASSERT_TRUE(form.SetMenu(&menu));
  WPopupMenu* file = menu.GetPopup(0);
  file->SetEventHandler(InitPopupMenuEvent, &form, &TestForm::Note);
  menu.FindItem(IDM_SAVE)->SetEventHandler(MenuSelectEvent, &form, &TestForm::Note);
  SendMessageA(static_cast<HWND>(form.GetHandle()), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file->GetHandle()), 0);
  SendMessageA(static_cast<HWND>(form.GetHandle()), WM_MENUSELECT, MAKEWPARAM(IDM_SAVE, MF_HILITE),
               reinterpret_cast<LPARAM>(file->GetHandle()));
  EXPECT_EQ(form.log, (std::vector<std::string>{"InitPopupMenuEvent", "MenuSelectEvent"}));
  form.SetMenu(nullptr);
}

TEST_F(Form, AClosedFormWithoutHandlersGoesAway) {
  SendMessageA(static_cast<HWND>(form.GetHandle()), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.GetHandle(), nullptr);
}

TEST_F(Form, TheContextMenuKeyAsksForAMenuWithoutTheHelpButton) {
  form.SetEventHandler(ContextMenuEvent, &form, &TestForm::Note);
  form.SetEventHandler(ContextHelpEvent, &form, &TestForm::Note);
  SendMessageA(static_cast<HWND>(form.GetHandle()), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.GetHandle()), -1);
  SetWindowLongA(static_cast<HWND>(form.GetHandle()), GWL_EXSTYLE, WS_EX_CONTEXTHELP);
  SendMessageA(static_cast<HWND>(form.GetHandle()), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.GetHandle()), -1);
  EXPECT_EQ(form.log, (std::vector<std::string>{"ContextMenuEvent", "ContextHelpEvent"}));
}

TEST_F(Form, HelpOnAControlShowsItsTip) {
  form.label.SetToolTipText("Ihr Anfangskapital");
  HELPINFO help{};
  help.cbSize = sizeof help;
  help.iContextType = HELPINFO_WINDOW;
  help.iCtrlId = IDC_LABEL;
  help.hItemHandle = form.label.GetHandle();
  EXPECT_TRUE(SendMessageA(static_cast<HWND>(form.GetHandle()), WM_HELP, 0, reinterpret_cast<LPARAM>(&help)));
  help.hItemHandle = form.button.GetHandle();
  EXPECT_FALSE(SendMessageA(static_cast<HWND>(form.GetHandle()), WM_HELP, 0, reinterpret_cast<LPARAM>(&help)))
      << "no tip, no help";
}

}  // namespace

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
  HWND field = static_cast<HWND>(form.field.GetHandle());
  form.field.SetText(WString(whole.c_str()));
  const std::string set_whole = form.field.GetText().GetText();
  ASSERT_GE(set_whole.size(), whole.size()) << "nothing is cut";

  form.field.SetText(WString(pieces.front().c_str()));
  for (std::size_t i = 1; i < pieces.size(); ++i) form.field.AppendText(WString(pieces[i].c_str()));
  EXPECT_EQ(std::string(form.field.GetText().GetText()), set_whole);
  DWORD start = 1;
  DWORD end = 1;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
  EXPECT_EQ(SendMessageA(field, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}
