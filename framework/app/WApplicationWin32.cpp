#include "framework/events/WindowsHeadersWin32.h"

#include "framework/app/WApplication.h"

uint32_t CurrentThreadId() { return GetCurrentThreadId(); }

// A quit message of its own in the queue, also on the application's own
// thread: the loop ends at the first one, so a later quit cannot change the
// exit code (the system's quit state would keep the last code instead).
void WApplication::Quit(int32_t exit_code) {
  PostThreadMessageA(GetThreadId(), WM_QUIT, static_cast<WPARAM>(exit_code), 0);
}
