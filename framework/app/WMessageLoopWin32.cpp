#include "framework/events/WindowsHeadersWin32.h"

#include "framework/app/WMessageLoop.h"
#include "framework/app/WSystemMessageWin32.h"
#include "framework/app/WMessageTarget.h"
#include "framework/events/WThreadRecord.h"

namespace {

// Offers a message to the framework windows from its window up through its
// parents on this thread; one that handles it blanks it.
class FrameworkFilter : public WObject {
  W_DECLARE_CLASS(FrameworkFilter, WObject)

 public:
  bool Offer(WObject*, WEventData* data) {
    WMessage& message = static_cast<WMessageFilterData*>(data)->message;
    const DWORD thread = GetCurrentThreadId();
    const HWND desktop = GetDesktopWindow();
    for (HWND window = static_cast<HWND>(message.window); window && window != desktop;) {
      if (WMessageTarget* target = FindMessageTarget(window)) {
        bool handled = false;
        target->PreTranslateMessage(message, handled);
        if (handled) {
          message = WMessage();
          return true;
        }
      }
      if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) break;
      window = GetParent(window);
      if (window && GetWindowThreadProcessId(window, nullptr) != thread) break;
    }
    return false;
  }
};

FrameworkFilter& TheFrameworkFilter() {
  static FrameworkFilter filter;
  return filter;
}

// The thread's get-message hook, removed when the thread ends.
class GetMessageHook {
 public:
  GetMessageHook() = default;
  GetMessageHook(const GetMessageHook&) = delete;
  GetMessageHook& operator=(const GetMessageHook&) = delete;
  ~GetMessageHook() {
    if (handle_) UnhookWindowsHookEx(handle_);
  }

  void Install() {
    if (!handle_) handle_ = SetWindowsHookExA(WH_GETMESSAGE, &OnMessage, nullptr, GetCurrentThreadId());
  }
  bool Installed() const { return handle_ != nullptr; }

 private:
  static LRESULT CALLBACK OnMessage(int code, WPARAM removal, LPARAM parameter) {
    WThreadRecord* thread = WThreadRecord::CurrentIfAny();
    if (code >= 0 && removal == PM_REMOVE && thread && thread->hook_filtering) {
      MSG* msg = reinterpret_cast<MSG*>(parameter);
      WMessage message = FromSystemMessage(*msg);
      thread->filters[1].Run(message);
      *msg = ToSystemMessage(message);
    }
    return CallNextHookEx(nullptr, code, removal, parameter);
  }

  HHOOK handle_ = nullptr;
};

thread_local GetMessageHook hook;

WThreadRecord& PreparedThread() {
  WThreadRecord& thread = WThreadRecord::Current();
  if (!thread.framework_filters_installed) {
    const WMessageFilter own{&TheFrameworkFilter(), &FrameworkFilter::Offer, 0, 0};
    thread.filters[0].Add(own);
    thread.filters[1].Add(own);
    thread.framework_filters_installed = true;
  }
  if (!hook.Installed() && !(thread.filters[0].IsEmpty() && thread.filters[1].IsEmpty())) hook.Install();
  return thread;
}

}  // namespace

void AddMessageFilter(int list, const WMessageFilter& filter) { PreparedThread().filters[list].Add(filter); }

bool RemoveMessageFilter(int list, WObject* filter, const WEventHandlerFunction& function) {
  return WThreadRecord::Current().filters[list].Remove(filter, function);
}

int32_t GetThreadMessage(WMessage* message, MessageWait waiting, MessageRemoval removal, void* window, uint32_t first,
                         uint32_t last, HookFiltering hook_filtering, bool* dispatch) {
  const bool wait = waiting == MessageWait::Wait;
  const bool remove = removal == MessageRemoval::Remove;
  WThreadRecord& thread = PreparedThread();
  *message = WMessage();
  thread.hook_filtering = hook_filtering == HookFiltering::On;
  if (dispatch) *dispatch = true;
  if (InSendMessage()) ReplyMessage(1);

  const HWND hwnd = static_cast<HWND>(window);
  MSG msg{};
  bool obtained = true;
  if (wait && remove) {
    obtained = GetMessageA(&msg, hwnd, first, last) != -1;
  } else if (wait) {
    if (!PeekMessageA(&msg, hwnd, first, last, PM_NOREMOVE)) {
      WaitMessage();
      PeekMessageA(&msg, hwnd, first, last, PM_NOREMOVE);
    }
  } else {
    obtained = PeekMessageA(&msg, hwnd, first, last, remove ? PM_REMOVE : PM_NOREMOVE) != FALSE;
  }
  thread.hook_filtering = true;
  if (!obtained) {
    if (dispatch) *dispatch = false;
    return -1;
  }
  *message = FromSystemMessage(msg);
  if (wait && remove && dispatch && thread.filters[0].Run(*message)) *dispatch = false;
  return msg.message == WM_QUIT ? 0 : 1;
}

bool RunMessageLoop(WMessage* last) {
  for (;;) {
    WMessage message;
    bool dispatch = false;
    const int32_t result = GetThreadMessage(&message, MessageWait::Wait, MessageRemoval::Remove, nullptr, 0, 0,
                                            HookFiltering::On, &dispatch);
    if (result == 1) {
      if (dispatch) {
        const MSG msg = ToSystemMessage(message);
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      continue;
    }
    if (last) *last = message;
    return result == 0;
  }
}
