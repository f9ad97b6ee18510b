#include "tests/ui/MainFormFixtureWin32.h"

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

void PressControlKey(HWND target, char key) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(key), 0x00000001);
  PumpQueued();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

namespace {

const char* answer_caption = nullptr;
std::vector<std::string> answered_texts;
std::function<void()> answer_hook;

// A visible message box of this thread with the caption: a dialog window
// with the box's text control (a dialog of the same caption has none). A
// function of its own: the 32-bit callback's calling convention is none a
// lambda converts to.
BOOL CALLBACK IsTheBox(HWND window, LPARAM result) {
  char caption[256] = {};
  char kind[16] = {};
  GetWindowTextA(window, caption, sizeof caption);
  GetClassNameA(window, kind, sizeof kind);
  if (!IsWindowVisible(window) || std::string(kind) != "#32770" || !answer_caption ||
      std::string(caption) != answer_caption || !GetDlgItem(window, 0xFFFF)) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

HWND FindBox() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), IsTheBox, reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = FindBox();
  if (!box) return;
  char text[4096] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  answered_texts.emplace_back(text);
  if (answer_hook) answer_hook();
  SendMessageA(box, WM_COMMAND, IDOK, 0);
}

UINT_PTR answer_timer = 0;

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(const char* caption, std::function<void()> on_box) {
  answer_caption = caption;
  answer_hook = std::move(on_box);
  answered_texts.clear();
  answer_timer = SetTimer(nullptr, 0, 20, &AnswerBox);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  KillTimer(nullptr, answer_timer);
  answer_caption = nullptr;
  answer_hook = nullptr;
}

const std::vector<std::string>& MessageBoxAnswerer::Texts() const { return answered_texts; }

void MainFormTest::Type(const char* name, const char* text) const {
  HWND field = ChildHandle(name);
  SetFocus(field);
  SendMessageA(field, EM_SETSEL, 0, -1);
  for (const char* c = text; *c; ++c) PostMessageA(field, WM_CHAR, static_cast<WPARAM>(*c), 1);
  PumpQueued();
}

bool MainFormTest::WaitForRunEnd(DWORD timeout_ms) {
  PumpQueued();  // the click that asks for the run
  const SimRunState& state = form.simulation().state();
  return PumpUntil([&state] { return !state.start_requested && !state.run_active; }, timeout_ms);
}

std::string Contents(const std::string& path) {
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}
