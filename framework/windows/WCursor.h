#pragma once

#include "framework/windows/WResourceID.h"

// A mouse cursor loaded from a resource (the system's own with no module).
class WCursor : public WObject {
  W_DECLARE_CLASS(WCursor, WObject)

 public:
  WCursor(const WResourceID& id, void* module);
  void* GetHandle() const { return handle_; }

 private:
  // Loaded cursors are shared by the system and never freed.
  void* handle_ = nullptr;
};
