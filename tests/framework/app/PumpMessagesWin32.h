#pragma once

#include "framework/events/WindowsHeadersWin32.h"

#include <functional>

// Both dispatch this thread's messages through the framework's own
// retrieval, so that its filters and accelerators run.

// Until `done` holds or the time is up; returns whether it held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms = 20000);
// Until the queue is empty; a marker message would not do, since a modal
// loop (a message box) takes the thread's messages too.
void PumpQueued();
