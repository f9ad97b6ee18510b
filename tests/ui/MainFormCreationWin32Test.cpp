// The main form as the program makes it, in this process, driven through
// the message queue: its template, controls, menu, commands and runs.
#include "framework/events/WindowsHeadersWin32.h"
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "files/InfoTexts.h"
#include "tests/ui/MainFormFixtureWin32.h"

namespace {

// The template's items as the layout gives them: ID, class, style,
// extended style, caption, and position and size in dialog units.
struct TemplateItem {
  int id;
  const char* window_class;
  uint32_t style;
  uint32_t extended;
  const char* caption;
  RECT bounds;  // left, top, width, height
};

// clang-format off
const TemplateItem kItems[] = {
    {102, "RICHEDIT", 0x50812046, 0x200, "", {10, 25, 45, 15}},
    {103, "Static", 0x5000010C, 0x0, "capital", {10, 15, 21, 8}},
    {104, "RICHEDIT", 0x50812046, 0x200, "", {10, 55, 45, 15}},
    {105, "Static", 0x5000010C, 0x0, "games/session", {10, 45, 47, 8}},
    {106, "Button", 0x50010000, 0x0, "start", {520, 15, 47, 18}},
    {107, "RICHEDIT", 0x50812046, 0x200, "", {121, 55, 36, 15}},
    {108, "Static", 0x5000010C, 0x0, "delay", {121, 45, 17, 8}},
    {109, "RICHEDIT", 0x50812046, 0x200, "", {121, 85, 37, 15}},
    {110, "Static", 0x5000010C, 0x0, "first bet", {121, 75, 23, 8}},
    {111, "Static", 0x5000010C, 0x0, "recent game", {460, 30, 39, 8}},
    {112, "Static", 0x5000010C, 0x0, "recent balance", {460, 55, 47, 8}},
    {113, "Static", 0x5000010C, 0x0, "show all numbers of session live (<999)", {20, 140, 122, 8}},
    {114, "Static", 0x5000010C, 0x20001, "", {520, 75, 46, 30}},
    {115, "Static", 0x5000010C, 0x0, "recent number:", {521, 65, 48, 8}},
    {116, "Button", 0x50010003, 0x0, "", {161, 115, 14, 12}},
    {117, "Static", 0x50000100, 0x0, "Red (\\/) or Black (|  |)", {175, 112, 46, 16}},
    {118, "Static", 0x50800101, 0x0, "", {460, 40, 40, 15}},
    {119, "Static", 0x50800101, 0x0, "", {460, 65, 40, 16}},
    {120, "Static", 0x5000010C, 0x0, "next bet", {460, 6, 25, 8}},
    {121, "Static", 0x50800101, 0x0, "", {460, 15, 40, 15}},
    {122, "Static", 0x5000010C, 0x0, "switch Red / Black after win ( V )", {275, 112, 104, 8}},
    {123, "Button", 0x50010003, 0x0, "", {255, 110, 14, 12}},
    {124, "RICHEDIT", 0x50813046, 0x200, "", {65, 25, 46, 15}},
    {125, "Static", 0x5000010C, 0x0, "max balance", {65, 15, 40, 8}},
    {126, "Static", 0x50000012, 0x0, "", {515, 10, 55, 100}},
    {127, "RICHEDIT", 0x50812046, 0x200, "", {65, 55, 46, 15}},
    {128, "Static", 0x5000010C, 0x0, "min balance", {65, 45, 38, 8}},
    {129, "Static", 0x5000010C, 0x0, "bet after win = first bet", {176, 10, 69, 8}},
    {130, "Static", 0x5000010C, 0x0, "bet after lost = first bet", {176, 59, 69, 8}},
    {131, "RICHEDIT", 0x50812046, 0x200, "1111", {175, 84, 20, 13}},
    {132, "Button", 0x50010003, 0x0, "", {5, 140, 14, 12}},
    {133, "Static", 0x50000100, 0x0, "", {5, 160, 626, 250}},
    {134, "Button", 0x50010003, 0x0, "", {290, 9, 10, 11}},
    {135, "Button", 0x50010003, 0x0, "", {290, 59, 10, 10}},
    {136, "Static", 0x5000010C, 0x0, "or", {320, 9, 10, 10}},
    {137, "Static", 0x5000010C, 0x0, "or", {320, 59, 10, 10}},
    {138, "Button", 0x50000007, 0x0, "", {170, 0, 285, 55}},
    {139, "Button", 0x50000007, 0x0, "", {170, 50, 285, 52}},
    {140, "Button", 0x50000007, 0x0, "", {5, 7, 165, 98}},
    {141, "RICHEDIT", 0x50812046, 0x200, "", {121, 25, 36, 15}},
    {142, "Static", 0x5000010C, 0x0, "table limit", {121, 15, 29, 8}},
    {143, "Button", 0x50000007, 0x0, "", {5, 100, 450, 35}},
    {144, "Static", 0x5000010C, 0x0, "with table limit: bet = first bet ( V ) , otherwise stop", {275, 122, 154, 8}},
    {145, "Button", 0x50010003, 0x0, "", {255, 120, 14, 12}},
    {147, "Static", 0x50000101, 0x0, "", {180, 140, 210, 15}},
    {148, "Button", 0x50010003, 0x0, "", {31, 113, 14, 12}},
    {149, "Static", 0x50000100, 0x0, "game with Zero [|  |] or ZeroZero [\\/]", {45, 110, 80, 16}},
    {150, "RICHEDIT", 0x50812046, 0x200, "", {10, 85, 45, 15}},
    {151, "Static", 0x5000010C, 0x0, "sessions", {10, 76, 27, 8}},
    {152, "Static", 0x5000010C, 0x0, "recent session", {460, 80, 45, 8}},
    {153, "Static", 0x50800101, 0x0, "", {460, 90, 40, 15}},
    {154, "Static", 0x50000100, 0x0, "max balance / min. wager", {580, 7, 45, 15}},
    {155, "Static", 0x5080010C, 0x0, "", {579, 20, 44, 15}},
    {156, "Static", 0x5000010C, 0x0, "min balance", {579, 46, 33, 7}},
    {157, "Static", 0x5080010C, 0x0, "", {579, 53, 44, 15}},
    {158, "Static", 0x50000100, 0x0, "table limit or reached max games", {579, 85, 46, 20}},
    {159, "Static", 0x5080010C, 0x0, "", {579, 105, 44, 16}},
    {161, "Button", 0x50010000, 0x0, "stop", {528, 40, 28, 15}},
    {163, "RICHEDIT", 0x50802846, 0x200, "", {425, 105, 29, 14}},
    {164, "RICHEDIT", 0x50812046, 0x200, "", {65, 85, 45, 15}},
    {165, "Static", 0x5000010C, 0x0, "min. wager", {65, 76, 34, 8}},
    {166, "RICHEDIT", 0x50812046, 0x200, "1111", {200, 84, 20, 13}},
    {167, "RICHEDIT", 0x50812046, 0x200, "1111", {224, 84, 20, 13}},
    {168, "RICHEDIT", 0x50812046, 0x200, "1111", {249, 84, 20, 13}},
    {169, "RICHEDIT", 0x50812046, 0x200, "1111", {275, 84, 20, 13}},
    {170, "RICHEDIT", 0x50812046, 0x200, "1111", {299, 84, 20, 13}},
    {171, "RICHEDIT", 0x50812046, 0x200, "1111", {323, 84, 20, 13}},
    {172, "RICHEDIT", 0x50812046, 0x200, "1111", {349, 84, 20, 13}},
    {173, "RICHEDIT", 0x50812046, 0x200, "1111", {372, 84, 20, 13}},
    {174, "RICHEDIT", 0x50812046, 0x200, "1111", {396, 84, 20, 13}},
    {175, "RICHEDIT", 0x50812046, 0x200, "1111", {420, 84, 20, 13}},
    {176, "RICHEDIT", 0x50812046, 0x200, "1111", {177, 37, 20, 12}},
    {177, "RICHEDIT", 0x50812046, 0x200, "1111", {202, 37, 20, 12}},
    {178, "RICHEDIT", 0x50812046, 0x200, "1111", {226, 37, 20, 12}},
    {179, "RICHEDIT", 0x50812046, 0x200, "1111", {251, 37, 20, 12}},
    {180, "RICHEDIT", 0x50812046, 0x200, "1111", {277, 37, 20, 12}},
    {181, "RICHEDIT", 0x50812046, 0x200, "1111", {301, 37, 20, 12}},
    {182, "RICHEDIT", 0x50812046, 0x200, "1111", {325, 37, 20, 12}},
    {183, "RICHEDIT", 0x50812046, 0x200, "1111", {351, 37, 20, 12}},
    {184, "RICHEDIT", 0x50812046, 0x200, "1111", {374, 37, 20, 12}},
    {185, "RICHEDIT", 0x50812046, 0x200, "1111", {398, 37, 20, 12}},
    {186, "RICHEDIT", 0x50812046, 0x200, "1111", {422, 37, 20, 12}},
    {187, "Static", 0x5000010C, 0x0, "1x        2x         3x         4x         5x         6x        7x         8x        9x         10x      11x", {180, 25, 257, 8}},
    {188, "Static", 0x5000010C, 0x0, "1x        2x         3x         4x         5x         6x        7x         8x        9x         10x      11x", {175, 73, 257, 8}},
    {189, "Static", 0x5000010C, 0x0, "bet if X*win =", {360, 10, 41, 8}},
    {190, "Static", 0x5000010C, 0x0, "bet if X*lost=", {360, 61, 39, 8}},
    {191, "Static", 0x5000010C, 0x0, "final balance for sessions", {460, 125, 79, 8}},
    {192, "RICHEDIT", 0x50203046, 0x0, "", {390, 136, 240, 24}},
    {194, "Static", 0x5000010C, 0x0, "Tarnholm - promotions up to date 24/7", {5, 1, 140, 9}},
    {195, "Static", 0x50000101, 0x0, "", {580, 35, 42, 11}},
    {196, "Static", 0x50000101, 0x0, "", {580, 69, 42, 11}},
    {197, "Static", 0x50000101, 0x0, "", {580, 122, 42, 10}},
};
// clang-format on

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

// A rectangle in dialog units as pixels of the form.
RECT DialogRect(HWND form, const RECT& units) {
  RECT rect{units.left, units.top, units.left + units.right, units.top + units.bottom};
  MapDialogRect(form, &rect);
  return rect;
}

RECT ChildRect(HWND form, HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The dialog template as the resource holds it.
struct ParsedItem {
  uint32_t extended = 0;
  uint32_t style = 0;
  RECT bounds{};
  uint32_t id = 0;
  std::string window_class;
  std::string caption;
};

struct ParsedTemplate {
  uint16_t version = 0;
  uint16_t signature = 0;
  uint32_t help_id = 0;
  uint32_t extended = 0;
  uint32_t style = 0;
  RECT bounds{};
  std::string title;
  uint16_t points = 0;
  uint16_t weight = 0;
  uint8_t italic = 0;
  uint8_t char_set = 0;
  std::string face;
  std::vector<ParsedItem> items;
};

class TemplateReader {
 public:
  explicit TemplateReader(const uint8_t* data) : at_(data), start_(data) {}
  uint8_t Byte() { return *at_++; }
  uint16_t Word() {
    uint16_t v;
    std::memcpy(&v, at_, 2);
    at_ += 2;
    return v;
  }
  uint32_t Dword() {
    uint32_t v;
    std::memcpy(&v, at_, 4);
    at_ += 4;
    return v;
  }
  int16_t Short() { return static_cast<int16_t>(Word()); }
  // A zero-ended wide text, or 0xFFFF and an ordinal (given as "#n").
  std::string TextOrOrdinal() {
    if (Peek() == 0xFFFF) {
      Word();
      return "#" + std::to_string(Word());
    }
    std::string text;
    for (uint16_t unit = Word(); unit != 0; unit = Word()) text += static_cast<char>(unit);
    return text;
  }
  void AlignDword() {
    while ((at_ - start_) % 4) ++at_;
  }
  void Skip(std::size_t bytes) { at_ += bytes; }

 private:
  uint16_t Peek() const {
    uint16_t v;
    std::memcpy(&v, at_, 2);
    return v;
  }
  const uint8_t* at_;
  const uint8_t* start_;
};

std::string PredefinedClass(const std::string& name) {
  if (name == "#128") return "Button";
  if (name == "#130") return "Static";
  return name;
}

ParsedTemplate ReadTemplate(const char* name) {
  HRSRC found = FindResourceA(nullptr, name, MAKEINTRESOURCEA(5));  // RT_DIALOG
  EXPECT_NE(found, nullptr);
  auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
  TemplateReader reader(data);
  ParsedTemplate dialog;
  dialog.version = reader.Word();
  dialog.signature = reader.Word();
  dialog.help_id = reader.Dword();
  dialog.extended = reader.Dword();
  dialog.style = reader.Dword();
  const uint16_t count = reader.Word();
  dialog.bounds.left = reader.Short();
  dialog.bounds.top = reader.Short();
  dialog.bounds.right = reader.Short();
  dialog.bounds.bottom = reader.Short();
  reader.TextOrOrdinal();  // menu
  reader.TextOrOrdinal();  // window class
  dialog.title = reader.TextOrOrdinal();
  dialog.points = reader.Word();
  dialog.weight = reader.Word();
  dialog.italic = reader.Byte();
  dialog.char_set = reader.Byte();
  dialog.face = reader.TextOrOrdinal();
  for (uint16_t i = 0; i < count; ++i) {
    reader.AlignDword();
    ParsedItem item;
    reader.Dword();  // help ID
    item.extended = reader.Dword();
    item.style = reader.Dword();
    item.bounds.left = reader.Short();
    item.bounds.top = reader.Short();
    item.bounds.right = reader.Short();
    item.bounds.bottom = reader.Short();
    item.id = reader.Dword();
    item.window_class = PredefinedClass(reader.TextOrOrdinal());
    item.caption = reader.TextOrOrdinal();
    reader.Skip(reader.Word());
    dialog.items.push_back(item);
  }
  return dialog;
}

TEST(MainFormTemplate, HoldsTheWindowAndAll92ItemsAsTheLayoutGivesThem) {
  const ParsedTemplate dialog = ReadTemplate("ID_FORM1");
  EXPECT_EQ(dialog.version, 1);
  EXPECT_EQ(dialog.signature, 0xFFFF) << "an extended template";
  EXPECT_EQ(dialog.help_id, 0u);
  EXPECT_EQ(dialog.style, 0x10CF0844u);
  EXPECT_EQ(dialog.extended, 0x400u);
  EXPECT_EQ(dialog.bounds.left, 146);
  EXPECT_EQ(dialog.bounds.top, 119);
  EXPECT_EQ(dialog.bounds.right, 635);
  EXPECT_EQ(dialog.bounds.bottom, 423);
  EXPECT_EQ(dialog.title, "Vantrel V1.1");
  EXPECT_EQ(dialog.points, 8);
  EXPECT_EQ(dialog.weight, 0);
  EXPECT_EQ(dialog.italic, 0);
  EXPECT_EQ(dialog.char_set, 1);
  EXPECT_EQ(dialog.face, "MS Sans Serif");
  ASSERT_EQ(dialog.items.size(), std::size(kItems));
  for (std::size_t i = 0; i < dialog.items.size(); ++i) {
    const ParsedItem& item = dialog.items[i];
    const TemplateItem& expected = kItems[i];
    SCOPED_TRACE(expected.id);
    EXPECT_EQ(item.id, static_cast<uint32_t>(expected.id)) << "ascending IDs";
    EXPECT_EQ(_stricmp(item.window_class.c_str(), expected.window_class), 0) << item.window_class;
    EXPECT_EQ(item.style, expected.style);
    EXPECT_EQ(item.extended, expected.extended);
    EXPECT_EQ(item.caption, expected.caption);
    EXPECT_EQ(item.bounds.left, expected.bounds.left);
    EXPECT_EQ(item.bounds.top, expected.bounds.top);
    EXPECT_EQ(item.bounds.right, expected.bounds.right);
    EXPECT_EQ(item.bounds.bottom, expected.bounds.bottom);
  }
}

TEST_F(MainFormTest, TheWindowIsTheTemplatesTitleStyleAndSize) {
  HWND window = Handle();
  EXPECT_EQ(TextOf(window), "Vantrel V1.1");
  const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  for (DWORD bit : {WS_VISIBLE, WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX}) {
    EXPECT_TRUE(style & bit) << std::hex << bit;
  }
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  RECT client;
  GetClientRect(window, &client);
  const RECT expected = DialogRect(window, {0, 0, 635, 423});
  EXPECT_EQ(client.right, expected.right);
  EXPECT_NEAR(client.bottom + GetSystemMetrics(SM_CYMENU), expected.bottom, 2) << "the menu bar takes its height";
  EXPECT_EQ(form.GetName(), "Form1");
  ASSERT_NE(form.GetBackColor(), nullptr);
  EXPECT_EQ(form.GetBackColor()->GetIndex(), WColor::Olive);
  EXPECT_EQ(form.GetForeColor()->GetIndex(), WColor::White);

  RECT frame, screen;
  GetWindowRect(window, &frame);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
  const int left_gap = frame.left - screen.left;
  const int right_gap = screen.right - frame.right;
  EXPECT_LE(std::abs(left_gap - right_gap), 2) << "centred across";
}

TEST_F(MainFormTest, EveryTemplateItemIsAControlWithItsIdClassStyleAndCaption) {
  HWND window = Handle();
  int children = 0;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++children;
  EXPECT_EQ(children, 92);
  for (const TemplateItem& item : kItems) {
    SCOPED_TRACE(item.id);
    HWND child = GetDlgItem(window, item.id);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(_stricmp(ClassOf(child).c_str(), item.window_class), 0) << ClassOf(child);
    // The classes take some bits over as their own (the border of a rich
    // edit field); the tab stops stay, which tab order relies on.
    const auto style = static_cast<uint32_t>(GetWindowLongA(child, GWL_STYLE));
    EXPECT_EQ(style & WS_TABSTOP, item.style & WS_TABSTOP);
    WWindow* object = WWindow::FromHandle(child);
    ASSERT_NE(object, nullptr) << "bound to its control object";
    EXPECT_EQ(object->GetControlID(), item.id);
    // Fields and displays get their first text from the reset.
    if (item.caption[0] != '\0' && std::strcmp(item.window_class, "RICHEDIT") != 0) {
      EXPECT_EQ(TextOf(child), item.caption);
    }
  }
}

TEST_F(MainFormTest, ControlsTakeTheirNamesFontsColoursAndTooltips) {
  EXPECT_EQ(Window("rtb_startkapital")->GetName(), "rtb_startkapital");
  EXPECT_EQ(Window("label_proz_linmit")->GetName(), "label_proz_linmit");

  const WFontDescription* number_font = Window("label_aktueller_durchgang")->GetFont().GetDescription();
  ASSERT_NE(number_font, nullptr);
  EXPECT_STREQ(number_font->font.face, "Arial Black");
  EXPECT_EQ(number_font->points, 22);
  const WFontDescription* sponsor_font = Window("label_werbung_muss_sein")->GetFont().GetDescription();
  ASSERT_NE(sponsor_font, nullptr);
  EXPECT_TRUE(sponsor_font->font.underline);
  EXPECT_EQ(Window("cb_start")->GetFont().GetDescription()->font.weight, 700);
  EXPECT_STREQ(Window("rtb_g7")->GetFont().GetDescription()->font.face, "MS Serif");
  EXPECT_TRUE(Window("label_startkapital")->GetFont().IsEmpty()) << "the template's font";

  EXPECT_EQ(Window("label_aktueller_durchgang")->GetBackColor()->GetIndex(), WColor::Black);
  EXPECT_EQ(Window("label_aktueller_durchgang")->GetForeColor()->GetIndex(), WColor::Green);
  EXPECT_EQ(Window("label_werbung_muss_sein")->GetBackColor()->GetIndex(), WColor::Yellow);
  EXPECT_EQ(Window("label_werbung_muss_sein")->GetForeColor()->GetIndex(), WColor::Blue);
  EXPECT_EQ(Window("label_alle_zahlen")->GetForeColor()->GetIndex(), 22);
  EXPECT_EQ(Window("rtb_ergebnisse")->GetBackColor()->GetIndex(), WColor::Olive);
  EXPECT_EQ(Window("label_proz_min")->GetForeColor()->GetIndex(), WColor::Red);
  EXPECT_EQ(Window("label_proz_min")->GetBackColor(), nullptr);

  EXPECT_EQ(Window("rtb_startkapital")->GetToolTipHandle(), nullptr);
  EXPECT_EQ(Window("label_startkapital")->GetToolTipText(),
            "Ihr Anfangskapital f\xfc"
            "r den folgenden Durchgang.");
  EXPECT_EQ(Window("label_tischlimit")->GetToolTipText(),
            "Wieviel St\xfc"
            "ck d\xfc"
            "rfen maximal eingesetzt werden. Dar\xfc"
            "ber l\xe4"
            "sst sich auch der "
            "Neueinsatz mit erstem Einsatz definieren.");
  EXPECT_EQ(Window("label_alle_zahlen_titel")->GetToolTipText(),
            "Bis 999 werden alle Zahlen life angezeigt - danach abschaltung wg. zu grosser "
            "Geschwindigkeitseinbu\xdf"
            "e.");
  EXPECT_EQ(Window("label_zero_oder_zerozero")->GetToolTipText(),
            "Europ\xe4"
            "isches Roulette mit einer NULL oder US - Tisch mit Doppel NULL. ");
  EXPECT_EQ(Window("stop")->GetToolTipText(),
            "Abbruch nach dem n\xe4"
            "chsten Durchgang");
  HWND tip = static_cast<HWND>(Window("label_startkapital")->GetToolTipHandle());
  ASSERT_NE(tip, nullptr);
  char text[128] = {};
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = Handle();
  info.uId = reinterpret_cast<UINT_PTR>(Window("label_startkapital")->GetHandle());
  info.lpszText = text;
  SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text,
               "Ihr Anfangskapital f\xfc"
               "r den folgenden Durchgang.")
      << "the bytes that reach the tooltip";
}

TEST_F(MainFormTest, AutoSizedCaptionsKeepTheirCornerAndShowTheirWholeText) {
  HWND window = Handle();
  for (const TemplateItem& item : kItems) {
    const std::size_t index = FormMembers::IndexOf(Name(item.id));
    if (!FormMembers::kMembers[index].auto_size) continue;
    SCOPED_TRACE(item.id);
    HWND child = GetDlgItem(window, item.id);
    const RECT placed = DialogRect(window, item.bounds);
    const RECT now = ChildRect(window, child);
    EXPECT_EQ(now.left, placed.left);
    EXPECT_EQ(now.top, placed.top);
    if (item.caption[0] == '\0' || ClassOf(child) != "Static") continue;
    HDC device = GetDC(child);
    HGDIOBJ previous = SelectObject(device, reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(device, item.caption, static_cast<int>(std::strlen(item.caption)), &extent);
    TEXTMETRICA metrics{};
    GetTextMetricsA(device, &metrics);
    SelectObject(device, previous);
    ReleaseDC(child, device);
    // Fitted to the text (and the ink of its last letter), not left as placed.
    EXPECT_GE(now.right - now.left, extent.cx) << item.caption;
    EXPECT_LE(now.right - now.left, extent.cx + metrics.tmAveCharWidth) << item.caption;
  }
}

TEST_F(MainFormTest, TheMenuBarHoldsTheFourEntries) {
  HMENU bar = GetMenu(Handle());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 4);
  const char* entries[] = {"&program", "&file", "&info", "&help"};
  for (int position = 0; position < 4; ++position) {
    char text[32] = {};
    GetMenuStringA(bar, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, entries[position]);
  }
  EXPECT_EQ(GetMenuItemID(bar, 2), 1011u);
  EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 0), 0), 1001u);
  EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 1), 2), 1010u);
}

TEST_F(MainFormTest, TabVisitsTheTabStopsInIdOrder) {
  HWND window = Handle();
  std::vector<int> expected;
  for (const TemplateItem& item : kItems) {
    if (item.style & WS_TABSTOP) expected.push_back(item.id);
  }
  std::vector<int> visited;
  HWND control = GetNextDlgTabItem(window, nullptr, FALSE);
  for (std::size_t step = 0; step < expected.size() && control; ++step) {
    visited.push_back(GetDlgCtrlID(control));
    control = GetNextDlgTabItem(window, control, FALSE);
  }
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(std::count(visited.begin(), visited.end(), 163), 0) << "the read-only generator status";
}

TEST_F(MainFormTest, TheFieldsShowTheDefaultsAfterCreation) {
  EXPECT_EQ(Text("rtb_startkapital"), "     500");
  EXPECT_EQ(Text("rtb_tischlimit"), "  1000");
  EXPECT_EQ(Text("rtb_min_einsatz"), "100000");
  EXPECT_EQ(Text("rtb_g11"), "3063");
  EXPECT_EQ(Text("label_proz_max"), " %");
  EXPECT_TRUE(Checked("checkbox_zahlen_des_letzten_durchganges"));
  EXPECT_TRUE(Checked("checkbox_bei_verlust_erster_einsatz")) << "the reset's defaults, over the template's";
  EXPECT_FALSE(Checked("checkbox_rot_oder_schwarz"));
  EXPECT_TRUE(form.poll_timer()->IsRunning());
  EXPECT_FALSE(form.session_timer()->IsRunning());
  EXPECT_EQ(form.filedialog_1()->GetFlags() & ~WFileDialog::kEnableHook, 0x8000Cu);
  EXPECT_STREQ(form.filedialog_1()->GetInitialDirectory(), "C:\\");
  EXPECT_EQ(form.filedialog_1()->GetOwner(), form.GetHandle());
}

}  // namespace
