#pragma once

#include "framework/events/WindowsHeadersWin32.h"
#include <commdlg.h>
#include <dlgs.h>

#include <string>

#include "framework/dialogs/WFileDialog.h"

// Answers the save dialog once it is ready: types a name and confirms, or
// cancels.
// Registered for MessageHookEvent of the dialog it answers.
class DialogAnswerer : public WObject {
  W_DECLARE_CLASS(DialogAnswerer, WObject)

 public:
  bool OnHook(WObject*, WEventData* data) {
    const WMessage& message = static_cast<WMessageEventData*>(data)->message;
    if (message.message != WM_NOTIFY) return false;
    const auto* notice = reinterpret_cast<const OFNOTIFYA*>(message.lparam);
    if (notice->hdr.code != CDN_INITDONE) return false;
    HWND dialog = GetParent(static_cast<HWND>(message.window));
    if (confirm) {
      SendMessageA(dialog, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(path.c_str()));
      SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(path.c_str()));
    }
    PostMessageA(dialog, WM_COMMAND, confirm ? IDOK : IDCANCEL, 0);
    if (confirm && cancel_after) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return false;
  }

  bool confirm = true;
  // Cancels the dialog after confirming, for a confirmation it refuses.
  bool cancel_after = false;
  std::string path;
};
