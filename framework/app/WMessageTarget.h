#pragma once

#include "framework/events/WEventData.h"

// A framework window as the message loop sees it: offered keyboard and
// other messages before they are dispatched (a form translates its
// accelerators there).
class WMessageTarget {
 public:
  virtual ~WMessageTarget() = default;
  // Sets `handled` when the message needs no dispatch; the result says
  // whether the target looked at it.
  virtual bool PreTranslateMessage(WMessage& message, bool& handled) = 0;
};

// Which framework object a system window belongs to.
void RegisterMessageTarget(void* window, WMessageTarget* target);
void UnregisterMessageTarget(void* window);
WMessageTarget* FindMessageTarget(void* window);
