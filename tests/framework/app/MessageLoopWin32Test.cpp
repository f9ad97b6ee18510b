// The thread's message loop: quitting, its filters and hook, windows that
// translate their own messages, and retrieval.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "framework/app/WApplication.h"
#include "framework/app/WMessageLoop.h"
#include "framework/app/WMessageTarget.h"
#include "framework/events/WTimer.h"
#include "tests/framework/app/PumpMessagesWin32.h"

namespace {

using Log = std::vector<std::string>;

// Empties this thread's queue, so that no test leaves a quit message to
// the next.
void DrainQueue() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

// An application whose run handler runs the message loop, as the program's
// does, and whose start handler arms a timer that quits.
class LoopApplication : public WApplication {
 public:
  LoopApplication() {
    SetEventHandler(StartEvent, this, &LoopApplication::OnStart);
    SetEventHandler(RunEvent, this, &LoopApplication::OnRun);
    quit_timer.SetEventHandler(TimerEvent, this, &LoopApplication::OnQuitTimer);
  }
  ~LoopApplication() override { DrainQueue(); }

  bool OnStart(WObject*, WEventData*) {
    if (!quit_codes.empty()) quit_timer.Start(10, 1);
    return true;
  }
  bool OnRun(WObject*, WEventData* data) {
    loop_entered = true;
    WMessage last;
    RunMessageLoop(&last);
    static_cast<WApplicationEventData*>(data)->exit_code = static_cast<int32_t>(last.wparam);
    return true;
  }
  bool OnQuitTimer(WObject*, WEventData*) {
    for (int32_t code : quit_codes) Quit(code);
    return false;
  }
  int32_t Run() { return Execute(GetModuleHandleA(nullptr), nullptr, "", SW_SHOW); }

  WTimer quit_timer;
  std::vector<int32_t> quit_codes;
  bool loop_entered = false;
};

TEST(MessageLoop, TheFirstQuitGivesTheExitCodeFromAHandlerOrAnotherThread) {
  {
    LoopApplication from_handler;  // its second quit is drained with it
    from_handler.quit_codes = {7, 9};
    EXPECT_EQ(from_handler.Run(), 7);
  }

  LoopApplication from_thread;
  std::thread quitter([&from_thread] {
    while (!from_thread.loop_entered) Sleep(5);
    Sleep(20);
    from_thread.Quit(3);
  });
  EXPECT_EQ(from_thread.Run(), 3);
  quitter.join();
}

// A window that notes the application messages and keys dispatched to it.
class CountingWindow {
 public:
  CountingWindow() {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = &Procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "VantrelLoopTest";
    RegisterClassA(&window_class);
    handle = CreateWindowA("VantrelLoopTest", "", 0, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~CountingWindow() {
    DestroyWindow(handle);
    DrainQueue();
  }

  HWND handle = nullptr;
  Log dispatched;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<CountingWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && (message == WM_APP || message == WM_KEYDOWN)) {
      self->dispatched.push_back((message == WM_APP ? "app " : "key ") + std::to_string(wparam));
    }
    return DefWindowProcA(window, message, wparam, lparam);
  }
};

class Filters : public WObject {
  W_DECLARE_CLASS(Filters, WObject)

 public:
  // Consumes application messages whose first parameter is 1.
  bool Loop(WObject*, WEventData* data) {
    const auto* filtered = static_cast<WMessageFilterData*>(data);
    if (filtered->message.message != WM_APP) return false;
    seen.push_back("loop" + std::to_string(filtered->user_value) + " " + std::to_string(filtered->message.wparam));
    return filtered->message.wparam == 1;
  }
  bool Hook(WObject*, WEventData* data) {
    const auto* filtered = static_cast<WMessageFilterData*>(data);
    if (filtered->message.message == WM_APP) seen.push_back("hook " + std::to_string(filtered->message.wparam));
    return false;
  }
  Log seen;
};

class KeyEater : public WMessageTarget {
 public:
  bool PreTranslateMessage(WMessage& message, bool& handled) override {
    handled = message.message == WM_KEYDOWN && message.wparam == 'E';
    return true;
  }
};

TEST(MessageLoop, FiltersInKeyOrderAndWindowsThatPreTranslateKeepMessagesFromDispatch) {
  CountingWindow window;
  Filters filters;
  KeyEater eater;
  AddMessageFilter(0, {&filters, &Filters::Loop, 64, 64});
  AddMessageFilter(0, {&filters, &Filters::Loop, 10, 10});
  RegisterMessageTarget(window.handle, &eater);
  PostMessageA(window.handle, WM_APP, 1, 0);
  PostMessageA(window.handle, WM_APP, 2, 0);
  PostMessageA(window.handle, WM_KEYDOWN, 'E', 0);
  PostMessageA(window.handle, WM_KEYDOWN, 'K', 0);
  PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 5, 0);
  WMessage last;
  EXPECT_TRUE(RunMessageLoop(&last));
  EXPECT_EQ(last.wparam, 5u);
  RemoveMessageFilter(0, &filters, &Filters::Loop);
  RemoveMessageFilter(0, &filters, &Filters::Loop);
  UnregisterMessageTarget(window.handle);
  EXPECT_EQ(filters.seen, (Log{"loop10 1", "loop10 2", "loop64 2"}));
  EXPECT_EQ(window.dispatched, (Log{"app 2", "key 75"}));
}

// Inside the message box's own loop: posts a message to the window, then
// answers the box.
HWND modal_test_window = nullptr;
void CALLBACK AnswerTheBox(HWND, UINT, UINT_PTR id, DWORD) {
  static int calls = 0;
  if (++calls == 1) {
    PostMessageA(modal_test_window, WM_APP, 8, 0);
    return;
  }
  KillTimer(nullptr, id);
  calls = 0;
  if (HWND box = FindWindowA(nullptr, "Vantrel modal loop")) PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(MessageLoop, TheHookFiltersMessagesThatAModalBoxRemoves) {
  CountingWindow window;
  modal_test_window = window.handle;
  Filters filters;
  AddMessageFilter(1, {&filters, &Filters::Hook, 0, 32});
  SetTimer(nullptr, 0, 20, &AnswerTheBox);
  MessageBoxA(nullptr, "closes itself", "Vantrel modal loop", MB_OK | MB_TASKMODAL);
  RemoveMessageFilter(1, &filters, &Filters::Hook);
  EXPECT_EQ(filters.seen, Log{"hook 8"});
  EXPECT_EQ(window.dispatched, Log{"app 8"});
}

}  // namespace
