#include "framework/events/WindowsHeadersWin32.h"

#include "framework/dialogs/WMessageBox.h"

int32_t WMessageBox::Show(void* owner, const char* caption, const std::string& text, uint32_t style) {
  HWND owner_window = static_cast<HWND>(owner);
  if (owner_window && !(IsWindowVisible(owner_window) && IsWindowEnabled(owner_window))) owner_window = nullptr;

  // The box moves activation and focus; they go back where they were.
  const HWND active = GetActiveWindow();
  const HWND foreground = GetForegroundWindow();
  const HWND focus = GetFocus();
  const int result = MessageBoxA(owner_window, text.c_str(), caption ? caption : "", style);
  if (active) SetActiveWindow(active);
  if (foreground) SetForegroundWindow(foreground);
  if (focus) SetFocus(focus);
  return MapResult(result);
}
