// The main form as the program makes it, in this process: its window, its
// controls bound to the template's items, tab order, menu and defaults.
#include "framework/events/WindowsHeadersWin32.h"
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/ui/MainFormFixtureWin32.h"

namespace {

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

const char* WindowClassOf(FormMembers::Kind kind) {
  switch (kind) {
    case FormMembers::Kind::RichTextBox: return "RICHEDIT";
    case FormMembers::Kind::Label:
    case FormMembers::Kind::Frame: return "Static";
    default: return "Button";
  }
}

TEST_F(MainFormTest, TheWindowIsTheTemplatesTitleStyleAndSizeCentredAcross) {
  HWND window = Handle();
  EXPECT_EQ(TextOf(window), "Vantrel V" VANTREL_VERSION);
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const DWORD bits = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  EXPECT_EQ(style & bits, bits);
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  RECT client, expected{0, 0, 635, 423}, frame, screen;
  GetClientRect(window, &client);
  MapDialogRect(window, &expected);
  EXPECT_EQ(client.right, expected.right);
  EXPECT_NEAR(client.bottom + GetSystemMetrics(SM_CYMENU), expected.bottom, 2) << "the menu bar takes its height";
  EXPECT_EQ(form.GetBackColor()->GetIndex(), WColor::Olive);
  GetWindowRect(window, &frame);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
  EXPECT_LE(std::abs((frame.left - screen.left) - (screen.right - frame.right)), 2);
}

TEST_F(MainFormTest, EveryControlIsBoundToItsTemplateItemInTabOrder) {
  std::vector<int> children, tab_stops;
  for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(GetDlgCtrlID(child));
    if (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) tab_stops.push_back(GetDlgCtrlID(child));
  }
  EXPECT_EQ(children.size(), 92u);
  EXPECT_TRUE(std::is_sorted(children.begin(), children.end()));
  for (const FormMembers::Member& member : FormMembers::kMembers) {
    if (!FormMembers::IsControl(member.kind)) continue;
    SCOPED_TRACE(member.name);
    HWND child = GetDlgItem(Handle(), member.id);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(_stricmp(ClassOf(child).c_str(), WindowClassOf(member.kind)), 0) << ClassOf(child);
    EXPECT_EQ(WWindow::FromHandle(child), Window(member.name)) << "bound to its control object";
    EXPECT_EQ(Window(member.name)->GetName(), member.name);
  }
  std::vector<int> visited;
  for (HWND control = GetNextDlgTabItem(Handle(), nullptr, FALSE); control && visited.size() < tab_stops.size();
       control = GetNextDlgTabItem(Handle(), control, FALSE)) {
    visited.push_back(GetDlgCtrlID(control));
  }
  EXPECT_EQ(visited, tab_stops);
  EXPECT_EQ(std::count(visited.begin(), visited.end(), 163), 0) << "the read-only generator status";
}

TEST_F(MainFormTest, ControlsTakeTheirFontsColoursAndTooltipsAsBytesTheSystemShows) {
  EXPECT_STREQ(Window("label_aktueller_durchgang")->GetFont().GetDescription()->font.face, "Arial Black");
  EXPECT_TRUE(Window("label_startkapital")->GetFont().IsEmpty()) << "the template's font";
  EXPECT_EQ(Window("label_proz_min")->GetForeColor()->GetIndex(), WColor::Red);
  EXPECT_EQ(Window("rtb_startkapital")->GetToolTipHandle(), nullptr);
  HWND tip = static_cast<HWND>(Window("label_startkapital")->GetToolTipHandle());
  ASSERT_NE(tip, nullptr);
  char text[128] = {};
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = Handle();
  info.uId = reinterpret_cast<UINT_PTR>(Window("label_startkapital")->GetHandle());
  info.lpszText = text;
  SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, "Ihr Anfangskapital f\xfcr den folgenden Durchgang.");
}

TEST_F(MainFormTest, AutoSizedCaptionsShowTheirWholeText) {
  for (const FormMembers::Member& member : FormMembers::kMembers) {
    HWND child = member.auto_size ? GetDlgItem(Handle(), member.id) : nullptr;
    const std::string caption = child ? TextOf(child) : "";
    if (caption.empty() || ClassOf(child) != "Static") continue;
    HDC device = GetDC(child);
    HGDIOBJ previous = SelectObject(device, reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(device, caption.c_str(), static_cast<int>(caption.size()), &extent);
    TEXTMETRICA metrics{};
    GetTextMetricsA(device, &metrics);
    SelectObject(device, previous);
    ReleaseDC(child, device);
    RECT now;
    GetWindowRect(child, &now);
    // Fitted to the text (and the ink of its last letter), not left as placed.
    EXPECT_GE(now.right - now.left, extent.cx) << caption;
    EXPECT_LE(now.right - now.left, extent.cx + metrics.tmAveCharWidth) << caption;
  }
}

TEST_F(MainFormTest, TheMenuAndTheFieldsShowTheirDefaultsAfterCreation) {
  HMENU bar = GetMenu(Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 5);
  std::string entries;
  for (UINT position = 0; position < 5; ++position) {
    char text[32] = {};
    GetMenuStringA(bar, position, text, sizeof text, MF_BYPOSITION);
    entries += std::string(text) + " ";
  }
  EXPECT_EQ(entries, "&program &file &info &help &odds ");
  EXPECT_EQ(GetMenuItemID(bar, 4), 1013u);
  EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 0), 0), 1001u);

  EXPECT_EQ(Text("rtb_startkapital"), "     500");
  EXPECT_EQ(Text("rtb_g11"), "3063");
  EXPECT_EQ(Text("label_proz_max"), " %");
  EXPECT_TRUE(Checked("checkbox_bei_verlust_erster_einsatz")) << "the reset's defaults, over the template's";
  EXPECT_FALSE(Checked("checkbox_rot_oder_schwarz"));
  EXPECT_TRUE(form.poll_timer()->IsRunning());
  EXPECT_FALSE(form.session_timer()->IsRunning());
  EXPECT_EQ(form.filedialog_1()->GetFlags() & ~WFileDialog::kEnableHook, 0x8000Cu);
  EXPECT_STREQ(form.filedialog_1()->GetInitialDirectory(), "C:\\");
  EXPECT_EQ(form.filedialog_1()->GetOwner(), form.GetHandle());
}

}  // namespace
