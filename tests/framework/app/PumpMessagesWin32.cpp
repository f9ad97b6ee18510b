#include "tests/framework/app/PumpMessagesWin32.h"

#include "framework/app/WMessageLoop.h"
#include "framework/app/WSystemMessageWin32.h"

namespace {

// Takes one message if there is one (or waits for one) and dispatches it.
bool DispatchOne(MessageWait wait) {
  WMessage message;
  bool dispatch = false;
  if (GetThreadMessage(&message, wait, MessageRemoval::Remove, nullptr, 0, 0, HookFiltering::On, &dispatch) != 1) {
    return false;
  }
  if (dispatch) {
    const MSG msg = ToSystemMessage(message);
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms) {
  const DWORD start = GetTickCount();
  while (!done()) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeout_ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeout_ms - elapsed, QS_ALLINPUT);
    while (DispatchOne(MessageWait::Peek)) {
    }
  }
  return true;
}

void PumpQueued() {
  MSG next;
  for (int guard = 0; guard < 10000 && PeekMessageA(&next, nullptr, 0, 0, PM_NOREMOVE); ++guard) {
    if (!DispatchOne(MessageWait::Wait)) return;
  }
}
