#pragma once

#include <cstdint>

#include "framework/events/WMessageFilter.h"

// Takes the thread's next message. Returns 1 for a message, 0 for WM_QUIT
// and -1 when none was obtained. With `wait` and `remove` it blocks and
// runs the first filter list; `dispatch` (optional) then tells whether a
// filter left the message for the caller to translate and dispatch.
// `hook_filtering` off keeps the get-message hook from running the second
// list on this retrieval.
enum class MessageWait { Peek, Wait };
enum class MessageRemoval { Leave, Remove };
enum class HookFiltering { Off, On };

int32_t GetThreadMessage(WMessage* message, MessageWait wait, MessageRemoval removal, void* window = nullptr,
                         uint32_t first = 0, uint32_t last = 0, HookFiltering hook_filtering = HookFiltering::On,
                         bool* dispatch = nullptr);

// Runs until WM_QUIT (true) or until retrieval fails (false); the last
// message, all zero after a failure, is copied out.
bool RunMessageLoop(WMessage* last = nullptr);

// Filters of this thread: list 0 runs on the messages the framework's own
// loop takes, list 1 on every message any loop of the thread removes.
void AddMessageFilter(int list, const WMessageFilter& filter);
bool RemoveMessageFilter(int list, WObject* filter, const WEventHandlerFunction& function);
