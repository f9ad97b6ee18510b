#include <windows.h>

#include "framework/app/WFrameworkError.h"
#include "framework/app/WMessageLoop.h"
#include "framework/app/WSystemMessage.h"
#include "framework/app/WThreadRecord.h"
#include "framework/text/CodePage.h"
#include "framework/windows/WForm.h"

namespace {

// Binds the form on WM_INITDIALOG; every later message of the dialog
// reaches the framework's procedure first, and this one only serves the
// system's default dialog processing.
INT_PTR CALLBACK DialogProcedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_INITDIALOG) return FALSE;
  auto* form = reinterpret_cast<WForm*>(lparam);
  WMessage init;
  init.window = handle;
  init.message = WM_INITDIALOG;
  init.wparam = wparam;
  init.lparam = lparam;
  form->HandleMessage(init);
  return TRUE;
}

}  // namespace

WForm::WForm() {
  static const WEventHandlerTableEntry kOwnHandlers[] = {
      {CommandEvent, &WForm::OnOwnCommand, nullptr, 0},
      {NullEvent, {}, nullptr, 0},
  };
  SetEventHandlers(this, kOwnHandlers, this);
}

WForm::~WForm() {
  if (GetHandle() && menu_) ::SetMenu(static_cast<HWND>(GetHandle()), nullptr);
}

bool WForm::CreateFromResource(WWindow* parent, const WResourceID& id, void* module) {
  if (GetHandle()) {
    SetFrameworkError(WFrameworkError::WindowAlreadyCreated);
    return false;
  }
  HINSTANCE instance = module ? static_cast<HINSTANCE>(module) : GetModuleHandleA(nullptr);
  HWND owner = parent ? static_cast<HWND>(parent->GetHandle()) : nullptr;
  SetParentWindow(parent);
  HWND created = CreateDialogParamA(instance, id.ForSystem(), owner, &DialogProcedure, reinterpret_cast<LPARAM>(this));
  if (!created) {
    SetFrameworkError(WFrameworkError::WindowNotCreated);
    return false;
  }
  return true;
}

bool WForm::ProcessMessage(WMessage& message, intptr_t& result) {
  if (message.message == WM_INITDIALOG) {
    Attach(message.window, true);
    RaiseMessageEvent(CreateEvent, message, result);
    ProcessDeferredDeletes(false);
    return true;
  }
  if (message.message == WM_DESTROY && menu_) ::SetMenu(static_cast<HWND>(message.window), nullptr);

  const uint32_t command = LOWORD(message.wparam);
  if (message.message == WM_COMMAND && (command == IDOK || command == IDCANCEL) && HIWORD(message.wparam) <= 1) {
    // The default (cancel) button first, then the form's OK (Cancel) event.
    HWND button = message.lparam ? reinterpret_cast<HWND>(message.lparam)
                                 : GetDlgItem(static_cast<HWND>(message.window), static_cast<int>(command));
    WWindow* control = FromHandle(button);
    if ((control && control->OnNotification(BN_CLICKED)) ||
        CallEventHandlers(command == IDOK ? OKEvent : CancelEvent, this)) {
      result = 0;
      return true;
    }
  }
  return WWindow::ProcessMessage(message, result);
}

bool WForm::OnOwnCommand(WObject* /*source*/, WEventData* data) {
  const WMessage& message = static_cast<WMessageEventData*>(data)->message;
  if (!menu_ || message.lparam != 0) return false;
  WMenuItem* item = menu_->FindItem(static_cast<uint16_t>(LOWORD(message.wparam)), true);
  return item && item->Click();
}

bool WForm::SetMenu(WMenu* menu) {
  menu_ = menu;
  accelerators_ = (menu && menu->GetAccelerators()) ? menu->GetAccelerators()->GetHandle() : nullptr;
  HWND window = static_cast<HWND>(GetHandle());
  if (!window) return true;
  if (!::SetMenu(window, menu ? static_cast<HMENU>(menu->GetHandle()) : nullptr)) return false;
  // The client area changed.
  RECT client;
  GetClientRect(window, &client);
  WMessage resize;
  resize.window = window;
  resize.message = WM_SIZE;
  resize.lparam = MAKELPARAM(client.right, client.bottom);
  intptr_t result = 0;
  RaiseMessageEvent(ResizeEvent, resize, result);
  return true;
}

bool WForm::SetIcon(bool main_form, const WResourceID& id, void* module) {
  HWND window = static_cast<HWND>(GetHandle());
  if (!window) return false;
  HINSTANCE instance = module ? static_cast<HINSTANCE>(module) : GetModuleHandleA(nullptr);
  // Loaded icons are shared by the system and freed with the module.
  HANDLE large = LoadImageA(instance, id.ForSystem(), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                            GetSystemMetrics(SM_CYICON), LR_SHARED);
  HANDLE small = LoadImageA(instance, id.ForSystem(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                            GetSystemMetrics(SM_CYSMICON), LR_SHARED);
  if (!large || !small) return false;
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  if (main_form) SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(large));
  return true;
}

bool WForm::PreTranslateMessage(WMessage& message, bool& handled) {
  handled = false;
  if (!accelerators_ || !GetHandle()) return false;
  MSG msg = ToSystemMessage(message);
  handled = TranslateAcceleratorA(static_cast<HWND>(GetHandle()), static_cast<HACCEL>(accelerators_), &msg) != 0;
  return true;
}

WModelessDialog::WModelessDialog() {
  AddMessageFilter(0, {this, &WModelessDialog::DialogKeyboardFilter, 0, kDialogFilterKey});
}

WModelessDialog::~WModelessDialog() {
  RemoveMessageFilter(0, this, &WModelessDialog::DialogKeyboardFilter);
}

bool WModelessDialog::DialogKeyboardFilter(WObject* /*source*/, WEventData* data) {
  const WMessage& message = static_cast<WMessageFilterData*>(data)->message;
  const bool keyboard = message.message >= WM_KEYFIRST && message.message <= 0x0108;
  const bool mouse = message.message >= WM_MOUSEFIRST && message.message <= WM_MBUTTONDBLCLK;
  if (!(keyboard || mouse) || !GetHandle() || GetCapture()) return false;
  const bool character = message.message == WM_CHAR;
  if (character && skip_trail_byte_) {
    skip_trail_byte_ = false;
    return false;
  }
  MSG msg = ToSystemMessage(message);
  const bool taken = IsDialogMessageA(static_cast<HWND>(GetHandle()), &msg) != FALSE;
  if (character && !taken && CodePage::System().IsLeadByte(static_cast<char>(message.wparam))) {
    skip_trail_byte_ = true;
  }
  return taken;
}
