#pragma once

#include "framework/events/WindowsHeadersWin32.h"

#include <functional>

// Dispatches this thread's messages until `done` holds or the time is up;
// returns whether it held.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms = 5000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeout_ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeout_ms - elapsed, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return true;
}
