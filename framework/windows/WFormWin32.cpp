#include "framework/events/WindowsHeadersWin32.h"
#include <commctrl.h>

#include "framework/events/WAssertionReport.h"
#include "framework/app/WFrameworkError.h"
#include "framework/app/WMessageLoop.h"
#include "framework/app/WSystemMessageWin32.h"
#include "framework/events/WThreadRecord.h"
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

namespace {

const WEventHandlerTableEntry* OwnHandlers() {
  static const WEventHandlerTableEntry table[] = {
      {HelpEvent, &WForm::OnOwnHelp, nullptr, 0},
      {CloseEvent, &WForm::OnOwnClose, nullptr, 0},
      {DestroyEvent, &WForm::OnOwnDestroy, nullptr, 0},
      {EraseBackgroundEvent, &WForm::OnOwnEraseBackground, nullptr, 0},
      {MenuSelectEvent, &WForm::OnOwnMenuEvent, nullptr, 0},
      {SystemCommandEvent, &WForm::OnOwnSystemCommand, nullptr, 0},
      {CommandEvent, &WForm::OnOwnCommand, nullptr, 0},
      {InitPopupMenuEvent, &WForm::OnOwnMenuEvent, nullptr, 0},
      {InitMenuEvent, &WForm::OnOwnMenuEvent, nullptr, 0},
      {ResizeEvent, &WForm::OnOwnResize, nullptr, 0},
      {ScrollEvent, &WForm::OnOwnScroll, nullptr, 0},
      {NullEvent, {}, nullptr, 0},
  };
  return table;
}

const WMessage& MessageOf(WEventData* data) { return static_cast<WMessageEventData*>(data)->message; }

}  // namespace

WForm::WForm() {
  const bool registered = SetEventHandlers(this, OwnHandlers(), this);
  W_ASSERT(registered, "the form's own handlers are not all registered");
}

WForm::~WForm() {
  if (GetHandle() && menu_) ::SetMenu(static_cast<HWND>(GetHandle()), nullptr);
}

WMenu* WForm::GetSystemMenu() {
  if (!system_menu_ && GetHandle()) {
    if (HMENU menu = ::GetSystemMenu(static_cast<HWND>(GetHandle()), FALSE)) {
      system_menu_ = std::make_unique<WPopupMenu>(menu);
    }
  }
  return system_menu_.get();
}

WMenu* WForm::MenuOfHandle(void* handle) {
  WMenu* found = menu_ ? menu_->FindMenu(handle) : nullptr;
  if (!found && system_menu_) found = system_menu_->FindMenu(handle);
  return found;
}

bool WForm::OnOwnHelp(WObject*, WEventData* data) {
  // Help on a control is its tip, shown where the control is.
  const auto* help = reinterpret_cast<const HELPINFO*>(MessageOf(data).lparam);
  WWindow* control = help && help->iContextType == HELPINFO_WINDOW ? FromHandle(help->hItemHandle) : nullptr;
  HWND tip = control ? static_cast<HWND>(control->GetToolTipHandle()) : nullptr;
  if (!tip) return false;
  SendMessageA(tip, TTM_POPUP, 0, 0);
  data->result = TRUE;
  return true;
}

bool WForm::OnOwnClose(WObject*, WEventData*) {
  // A modeless form goes away when closed; the system's dialog processing
  // would only send the cancel command.
  Destroy();
  return true;
}

bool WForm::OnOwnDestroy(WObject*, WEventData*) {
  // The menu belongs to its object, not to the window that goes.
  if (menu_) ::SetMenu(static_cast<HWND>(GetHandle()), nullptr);
  system_menu_.reset();
  return false;
}

bool WForm::OnOwnEraseBackground(WObject*, WEventData* data) {
  auto* message = static_cast<WMessageEventData*>(data);
  auto* brush = static_cast<HBRUSH>(GetBackgroundBrush());
  if (!brush) return false;
  RECT client;
  GetClientRect(static_cast<HWND>(GetHandle()), &client);
  FillRect(reinterpret_cast<HDC>(message->message.wparam), &client, brush);
  message->result = 1;
  return true;
}

bool WForm::OnOwnMenuEvent(WObject*, WEventData* data) {
  // Handed on to the menu object concerned, so that programs can follow
  // their own menus.
  const WMessage& message = MessageOf(data);
  const bool select = message.message == WM_MENUSELECT;
  WMenu* menu = MenuOfHandle(reinterpret_cast<void*>(select ? message.lparam : message.wparam));
  if (!menu) return false;
  WMenuObject* target = menu;
  if (select && !(HIWORD(message.wparam) & MF_POPUP)) {
    if (WMenuItem* item = menu->FindItem(static_cast<uint16_t>(LOWORD(message.wparam)), false)) target = item;
  }
  WMessageEventData forwarded;
  forwarded.message = message;
  return target->CallEventHandlers(data->event, target, &forwarded);
}

bool WForm::OnOwnSystemCommand(WObject*, WEventData* data) {
  if (!system_menu_) return false;
  const auto command = static_cast<uint16_t>(MessageOf(data).wparam & 0xFFF0);
  WMenuItem* item = system_menu_->FindItem(command, true);
  return item && item->Click();
}

bool WForm::OnOwnResize(WObject*, WEventData*) {
  // A form with a background of its own is painted anew whole, so that no
  // stripe of the old size stays when it grows.
  if (GetBackColor() && GetHandle()) InvalidateRect(static_cast<HWND>(GetHandle()), nullptr, TRUE);
  return false;
}

bool WForm::OnOwnScroll(WObject*, WEventData* data) {
  // A scroll bar control's scrolling is its own event.
  const WMessage& message = MessageOf(data);
  WWindow* bar = message.lparam ? FromHandle(reinterpret_cast<void*>(message.lparam)) : nullptr;
  if (!bar || bar == this) return false;
  WMessageEventData forwarded;
  forwarded.message = message;
  return bar->CallEventHandlers(ScrollEvent, bar, &forwarded);
}

void WForm::AttachTemplateChildren() {
  // A copy: binding does not change the list, but a handler may.
  const std::vector<WWindow*> children = GetChildren();
  for (WWindow* child : children) {
    if (!child->GetHandle() && child->GetControlID() != 0) {
      child->CreateFromResource(this, static_cast<uint16_t>(child->GetControlID()));
    }
  }
}

bool WForm::DefaultOK() {
  const std::vector<WWindow*> children = GetChildren();
  for (WWindow* child : children) {
    if (child->CallEventHandlers(OKEvent, child)) return true;
  }
  return false;
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
    AttachTemplateChildren();
    RaiseMessageEvent(CreateEvent, message, result);
    ProcessDeferredDeletes(false);
    return true;
  }

  const uint32_t command = LOWORD(message.wparam);
  if (message.message == WM_COMMAND && (command == IDOK || command == IDCANCEL) && HIWORD(message.wparam) <= 1) {
    // The default (cancel) button first, then the form's OK (Cancel) event.
    HWND button = message.lparam ? reinterpret_cast<HWND>(message.lparam)
                                 : GetDlgItem(static_cast<HWND>(message.window), static_cast<int>(command));
    WWindow* control = FromHandle(button);
    if ((control && control->OnNotification(BN_CLICKED)) ||
        CallEventHandlers(command == IDOK ? OKEvent : CancelEvent, this) || (command == IDOK && DefaultOK())) {
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

WModelessDialog::~WModelessDialog() { RemoveMessageFilter(0, this, &WModelessDialog::DialogKeyboardFilter); }

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
