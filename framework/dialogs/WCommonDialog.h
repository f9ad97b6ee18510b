#pragma once

#include "framework/events/WEventGenerator.h"

// Base of the framework's common dialogs: an owner window, and
// CommonDialogPromptEvent raised before and after each showing.
class WCommonDialog : public WEventGenerator {
  W_DECLARE_CLASS(WCommonDialog, WEventGenerator)

 public:
  // A system window handle, or null. Refused while the dialog shows.
  bool SetOwner(void* owner) {
    if (showing_) return false;
    owner_ = owner;
    return true;
  }
  void* GetOwner() const { return owner_; }

 protected:
  void SetShowing(bool showing) { showing_ = showing; }

 private:
  void* owner_ = nullptr;
  bool showing_ = false;
};
