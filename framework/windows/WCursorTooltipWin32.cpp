#include "framework/events/WindowsHeadersWin32.h"
#include <commctrl.h>

#include "framework/windows/WCursor.h"
#include "framework/windows/WToolTip.h"

WCursor::WCursor(const WResourceID& id, void* module)
    : handle_(LoadCursorA(static_cast<HINSTANCE>(module), id.ForSystem())) {}

namespace {

void InitialiseToolTips() {
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)initialised;
}

}  // namespace

WToolTip::WToolTip(void* tool, const char* text) {
  InitialiseToolTips();
  HWND window = static_cast<HWND>(tool);
  HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(window, GA_ROOT), nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  handle_ = tip;
  if (!tip) return;
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(window) ? GetParent(window) : window;
  info.uId = reinterpret_cast<UINT_PTR>(window);
  info.lpszText = const_cast<char*>(text);
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

WToolTip::~WToolTip() {
  if (handle_) DestroyWindow(static_cast<HWND>(handle_));
}
