#pragma once

#include "framework/events/WindowsHeadersWin32.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/framework/app/PumpMessagesWin32.h"
#include "ui/Form1.h"

// A clock whose calendar stands still, so that a run's seed is known; its
// milliseconds run as the system's unless a test steps them itself.
class FixedClock : public FormClock {
 public:
  int64_t CalendarSeconds() const override { return calendar; }
  uint32_t Milliseconds() const override { return step ? (now += step) : GetTickCount(); }

  int64_t calendar = 1700000000;
  uint32_t step = 0;  // when not 0: each reading advances by this much
  mutable uint32_t now = 0;
};

// A file's bytes, or none.
std::string Contents(const std::string& path);

// Presses Ctrl and the key in the window that has the focus.
void PressControlKey(HWND target, char key);

// Answers every message box with this caption while it lives: keeps its
// text, calls `on_box` (to look at the window behind the box) and presses
// OK. A thread timer does it from inside the box's own loop.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(const char* caption, std::function<void()> on_box = {});
  ~MessageBoxAnswerer();
  const std::vector<std::string>& Texts() const;
};

// The main form made from its template in this process.
class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(form.CreateFromResource(nullptr, Form1Base::kTemplate)); }

  HWND Handle() const { return static_cast<HWND>(form.GetHandle()); }
  WWindow* Window(const char* name) const { return form.control(name); }
  HWND ChildHandle(const char* name) const { return static_cast<HWND>(Window(name)->GetHandle()); }
  std::string Text(const char* name) const { return Window(name)->GetText().GetText(); }
  bool Checked(const char* name) const { return dynamic_cast<WCheckBox*>(Window(name))->GetChecked(); }
  void Type(const char* name, const char* text) const;
  void Click(const char* name) const { PostMessageA(ChildHandle(name), BM_CLICK, 0, 0); }
  void Command(int command) const { PostMessageA(Handle(), WM_COMMAND, static_cast<WPARAM>(command), 0); }
  // Waits until the run that is requested or going on has ended.
  bool WaitForRunEnd(DWORD timeout_ms = 30000);

  FixedClock clock;
  Form1 form{clock};
};
