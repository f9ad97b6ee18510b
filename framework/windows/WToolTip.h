#pragma once

#include "framework/events/WObject.h"

// A tooltip window of the system's tooltip class that shows one window's
// tip; destroyed with the object.
class WToolTip : public WObject {
  W_DECLARE_CLASS(WToolTip, WObject)

 public:
  // Registers `tool` (a system window handle) with the text.
  WToolTip(void* tool, const char* text);
  WToolTip(const WToolTip&) = delete;
  WToolTip& operator=(const WToolTip&) = delete;
  ~WToolTip() override;

  void* GetHandle() const { return handle_; }

 private:
  void* handle_ = nullptr;
};
