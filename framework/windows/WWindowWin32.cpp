#include "framework/events/WindowsHeadersWin32.h"
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "framework/app/WApplication.h"
#include "framework/app/WFrameworkError.h"
#include "framework/windows/WColorValueWin32.h"
#include "framework/events/WThreadRecord.h"
#include "framework/windows/WToolTip.h"
#include "framework/windows/WWindow.h"

namespace {

const char kObjectProperty[] = "WWindow";

// Some window of the process has a handler for every message before (after)
// its processing; never cleared.
std::atomic<bool> windows_before{false};
std::atomic<bool> windows_after{false};

// Costly events: raised, with their data prepared, only when handled.
struct CostlyEvent {
  WEventNumber event;
  uint32_t flag;
};
constexpr CostlyEvent kCostlyEvents[] = {
    {PaintEvent, 0x01},           {HitTestEvent, 0x02},          {NonClientPaintEvent, 0x04},
    {EraseBackgroundEvent, 0x08}, {BeforeProcessingEvent, 0x20}, {AfterProcessingEvent, 0x40},
};

uint32_t CostlyFlag(WEventNumber event) {
  for (const CostlyEvent& costly : kCostlyEvents) {
    if (costly.event == event) return costly.flag;
  }
  return 0;
}

LRESULT CALLBACK FrameworkWindowProcedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace

// The message map: one table for messages 0x0000 to 0x00A9 and one for
// 0x0100 to 0x0138, each entry the member that handles the message and the
// event it raises.
struct WWindowMessageMap {
  using Handler = bool (WWindow::*)(WMessage&, intptr_t&);
  // For handlers that raise their own events, or none.
  static constexpr WEventNumber kOwnEvents = BeforeProcessingEvent;
  struct Entry {
    Handler handler = nullptr;
    WEventNumber event = kOwnEvents;
  };
  static constexpr uint32_t kLowCount = 0xAA;
  static constexpr uint32_t kHighFirst = 0x100;
  static constexpr uint32_t kHighCount = 0x39;

  Entry low[kLowCount];
  Entry high[kHighCount];

  void Set(uint32_t message, Handler handler, WEventNumber event) {
    Entry& entry = message < kLowCount ? low[message] : high[message - kHighFirst];
    entry.handler = handler;
    entry.event = event;
  }

  const Entry* Find(uint32_t message) const {
    if (message < kLowCount) return low[message].handler ? &low[message] : nullptr;
    if (message >= kHighFirst && message < kHighFirst + kHighCount) {
      const Entry& entry = high[message - kHighFirst];
      return entry.handler ? &entry : nullptr;
    }
    return nullptr;
  }

  // The procedure binds a window of the framework's class on its first
  // message.
  static void AttachCreating(WWindow* window, HWND handle) { window->Attach(handle, false); }

  static const WWindowMessageMap& Get() {
    static const WWindowMessageMap map = Build();
    return map;
  }

  static WWindowMessageMap Build() {
    WWindowMessageMap map;
    const Handler generic = &WWindow::OnGeneric;
    map.Set(WM_CREATE, &WWindow::OnCreate, CreateEvent);
    map.Set(WM_DESTROY, &WWindow::OnDestroy, DestroyEvent);
    map.Set(WM_MOVE, generic, MoveEvent);
    map.Set(WM_SIZE, &WWindow::OnSize, ResizeEvent);
    map.Set(WM_ACTIVATE, &WWindow::OnActivate, ActivateEvent);
    map.Set(WM_SETFOCUS, generic, GotFocusEvent);
    map.Set(WM_KILLFOCUS, generic, LostFocusEvent);
    map.Set(WM_PAINT, &WWindow::OnCostly, PaintEvent);
    map.Set(WM_CLOSE, &WWindow::OnClose, CloseEvent);
    map.Set(WM_QUERYENDSESSION, generic, QueryEndSessionEvent);
    map.Set(WM_ERASEBKGND, &WWindow::OnCostly, EraseBackgroundEvent);
    map.Set(WM_SYSCOLORCHANGE, generic, SysColorChangeEvent);
    map.Set(WM_ENDSESSION, generic, EndSessionEvent);
    map.Set(WM_SHOWWINDOW, &WWindow::OnShowWindow, ShowEvent);
    map.Set(0x0019 /* WM_CTLCOLOR */, &WWindow::OnControlColor, ControlColorEvent);
    map.Set(WM_SETTINGCHANGE, generic, SettingChangeEvent);
    map.Set(WM_SETCURSOR, generic, GetCursorEvent);
    map.Set(WM_DRAWITEM, generic, DrawItemEvent);
    map.Set(WM_MEASUREITEM, generic, MeasureItemEvent);
    map.Set(WM_DELETEITEM, generic, DeleteItemEvent);
    map.Set(WM_COMPAREITEM, generic, CompareItemEvent);
    map.Set(WM_WINDOWPOSCHANGING, &WWindow::OnWindowPosChanging, PositionChangingEvent);
    map.Set(WM_WINDOWPOSCHANGED, generic, PositionChangedEvent);
    map.Set(0x0048 /* WM_POWER */, generic, PowerBroadcastEvent);
    map.Set(WM_NOTIFY, generic, NotifyEvent);
    map.Set(WM_INPUTLANGCHANGEREQUEST, generic, InputLangChangeRequestEvent);
    map.Set(WM_INPUTLANGCHANGE, generic, InputLangChangeEvent);
    map.Set(WM_HELP, generic, HelpEvent);
    map.Set(WM_USERCHANGED, generic, UserChangedEvent);
    map.Set(WM_CONTEXTMENU, &WWindow::OnContextMenu, ContextMenuEvent);
    map.Set(WM_DISPLAYCHANGE, generic, DisplayChangeEvent);
    map.Set(WM_NCHITTEST, &WWindow::OnCostly, HitTestEvent);
    map.Set(WM_NCPAINT, &WWindow::OnCostly, NonClientPaintEvent);
    map.Set(WM_GETDLGCODE, &WWindow::OnGetDialogCode, WWindowMessageMap::kOwnEvents);
    for (uint32_t message : {WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCRBUTTONDOWN, WM_NCRBUTTONUP}) {
      map.Set(message, &WWindow::OnNonClientButton, WWindowMessageMap::kOwnEvents);
    }
    map.Set(WM_KEYDOWN, generic, KeyDownEvent);
    map.Set(WM_KEYUP, generic, KeyUpEvent);
    map.Set(WM_CHAR, generic, CharacterPressEvent);
    map.Set(WM_SYSKEYDOWN, generic, SystemKeyDownEvent);
    map.Set(WM_SYSDEADCHAR, generic, SysDeadCharEvent);
    map.Set(WM_COMMAND, &WWindow::OnCommand, CommandEvent);
    map.Set(WM_SYSCOMMAND, generic, SystemCommandEvent);
    map.Set(WM_HSCROLL, generic, ScrollEvent);
    map.Set(WM_VSCROLL, generic, ScrollEvent);
    map.Set(WM_INITMENU, generic, InitMenuEvent);
    map.Set(WM_INITMENUPOPUP, generic, InitPopupMenuEvent);
    map.Set(WM_MENUSELECT, generic, MenuSelectEvent);
    map.Set(WM_ENTERIDLE, generic, EnterIdleEvent);
    for (uint32_t message = WM_CTLCOLORMSGBOX; message <= WM_CTLCOLORSTATIC; ++message) {
      map.Set(message, &WWindow::OnControlColor, ControlColorEvent);
    }
    return map;
  }
};

namespace {

LRESULT CALLBACK FrameworkWindowProcedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  WWindow* window = WWindow::FromHandle(handle);
  if (!window && (message == WM_NCCREATE || message == WM_CREATE)) {
    // The object whose window this thread is creating.
    WThreadRecord& thread = WThreadRecord::Current();
    if (auto* creating = dynamic_cast<WWindow*>(thread.creating)) {
      thread.creating = nullptr;
      window = creating;
      WWindowMessageMap::AttachCreating(window, handle);
    }
  }
  if (!window) return DefWindowProcA(handle, message, wparam, lparam);
  WMessage wrapped;
  wrapped.window = handle;
  wrapped.message = message;
  wrapped.wparam = wparam;
  wrapped.lparam = lparam;
  return window->HandleMessage(wrapped);
}

}  // namespace

WWindow::WWindow() = default;

WWindow::~WWindow() {
  // No events while the object goes: derived parts are gone already.
  SetParentWindow(nullptr);
  for (WWindow* child : children_) child->parent_ = nullptr;
  HWND handle = static_cast<HWND>(handle_);
  tooltip_.reset();
  Detach();
  if (handle && IsWindow(handle)) DestroyWindow(handle);
  if (brush_) DeleteObject(static_cast<HBRUSH>(brush_));
}

void WWindow::SetParentWindow(WWindow* parent) {
  if (parent == parent_) return;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  parent_ = parent;
  if (parent_) parent_->children_.push_back(this);
}

WWindow* WWindow::FromHandle(void* handle) {
  return handle ? static_cast<WWindow*>(GetPropA(static_cast<HWND>(handle), kObjectProperty)) : nullptr;
}

const char* WWindow::GetFrameworkClassName() {
  static const bool registered = [] {
    WNDCLASSA framework_class{};
    framework_class.style = CS_DBLCLKS | CS_GLOBALCLASS;
    framework_class.lpfnWndProc = &FrameworkWindowProcedure;
    framework_class.hInstance = GetModuleHandleA(nullptr);
    framework_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    framework_class.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    framework_class.lpszClassName = "WWindow";
    return RegisterClassA(&framework_class) != 0;
  }();
  (void)registered;
  return "WWindow";
}

bool WWindow::Create(WWindow* parent, const char* text, uint32_t style, const WRect& bounds) {
  if (handle_) {
    SetFrameworkError(WFrameworkError::WindowAlreadyCreated);
    return false;
  }
  if (visible_style_) style |= WS_VISIBLE;
  SetParentWindow(parent);
  WThreadRecord::Current().creating = this;
  HWND created = CreateWindowExA(0, GetFrameworkClassName(), text ? text : "", style, bounds.x, bounds.y, bounds.width,
                                 bounds.height, parent ? static_cast<HWND>(parent->GetHandle()) : nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  WThreadRecord::Current().creating = nullptr;
  if (!created) {
    if (handle_) Detach();
    SetFrameworkError(WFrameworkError::WindowNotCreated);
    return false;
  }
  return true;
}

bool WWindow::CreateFromResource(WWindow* /*parent*/, const WResourceID& /*id*/, void* /*module*/) {
  SetFrameworkError(WFrameworkError::WindowNotCreated);
  return false;
}

bool WWindow::Attach(void* handle, bool subclass) {
  if (handle_) {
    SetFrameworkError(WFrameworkError::WindowAlreadyCreated);
    return false;
  }
  HWND window = static_cast<HWND>(handle);
  handle_ = handle;
  SetPropA(window, kObjectProperty, this);
  RegisterMessageTarget(handle, this);
  if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) control_id_ = GetDlgCtrlID(window);
  if (subclass) {
    original_procedure_ = reinterpret_cast<void*>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProcedure)));
  }
  if (!font_.IsEmpty()) SetFont(font_, false);
  return true;
}

void WWindow::Detach() {
  if (!handle_) return;
  HWND window = static_cast<HWND>(handle_);
  if (original_procedure_ &&
      GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&FrameworkWindowProcedure)) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_procedure_));
  }
  original_procedure_ = nullptr;
  RemovePropA(window, kObjectProperty);
  UnregisterMessageTarget(handle_);
  handle_ = nullptr;
}

bool WWindow::Destroy() {
  if (!handle_) {
    SetFrameworkError(WFrameworkError::NoWindow);
    return false;
  }
  return DestroyWindow(static_cast<HWND>(handle_)) != FALSE;
}

bool WWindow::SetName(const WString& name) {
  name_ = name;
  return true;
}

bool WWindow::SetText(const WString& text) {
  if (!handle_) {
    SetFrameworkError(WFrameworkError::NoWindow);
    return false;
  }
  return SetWindowTextA(static_cast<HWND>(handle_), text.GetText()) != FALSE;
}

WString WWindow::GetText() const {
  if (!handle_) return WString();
  HWND window = static_cast<HWND>(handle_);
  const int length = GetWindowTextLengthA(window);
  std::vector<char> text(static_cast<std::size_t>(length) + 1);
  GetWindowTextA(window, text.data(), length + 1);
  return WString(text.data());
}

bool WWindow::SetFont(const WFont& font, bool redraw) {
  font_ = font;
  if (!handle_) return true;
  void* handle = font.GetHandle();
  if (font.IsInherited() && parent_ && parent_->GetHandle()) {
    handle = reinterpret_cast<void*>(SendMessageA(static_cast<HWND>(parent_->GetHandle()), WM_GETFONT, 0, 0));
  }
  SendMessageA(static_cast<HWND>(handle_), WM_SETFONT, reinterpret_cast<WPARAM>(handle), redraw ? TRUE : FALSE);
  return true;
}

bool WWindow::SetBackColor(const WColor& colour) {
  back_ = std::make_unique<WColor>(colour);
  if (brush_) DeleteObject(static_cast<HBRUSH>(brush_));
  brush_ = colour.IsSystemColor() ? nullptr : CreateSolidBrush(ColourValue(colour));
  Repaint();
  return true;
}

bool WWindow::SetForeColor(const WColor& colour) {
  fore_ = std::make_unique<WColor>(colour);
  Repaint();
  return true;
}

void* WWindow::GetBackgroundBrush() const {
  if (!back_) return nullptr;
  if (back_->IsSystemColor()) return GetSysColorBrush(back_->GetSystemColorNumber());
  return brush_;
}

void WWindow::Repaint() {
  if (handle_) InvalidateRect(static_cast<HWND>(handle_), nullptr, TRUE);
}

bool WWindow::Show(bool visible) {
  if (!handle_) {
    visible_style_ = visible;
    return true;
  }
  ShowWindow(static_cast<HWND>(handle_), visible ? SW_SHOW : SW_HIDE);
  return true;
}

bool WWindow::SetToolTipText(const WString& text) {
  tooltip_text_ = text;
  tooltip_.reset();
  if (text.GetLength() > 0 && handle_) tooltip_ = std::make_unique<WToolTip>(handle_, tooltip_text_.GetText());
  return true;
}

void* WWindow::GetToolTipHandle() const { return tooltip_ ? tooltip_->GetHandle() : nullptr; }

bool WWindow::SetCursor(const WCursor& cursor) {
  if (!cursor.GetHandle()) return false;
  ::SetCursor(static_cast<HCURSOR>(cursor.GetHandle()));
  return true;
}

bool WWindow::SetChildOrder(int32_t count, void* const* children) {
  HWND window = static_cast<HWND>(handle_);
  if (!window || count < 0) return false;
  int32_t existing = 0;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++existing;
  // The first children not in the list keep their places, as many as there
  // are children beyond the list.
  HWND after = HWND_TOP;
  int32_t surplus = existing - count;
  for (HWND child = GetWindow(window, GW_CHILD); child && surplus > 0; child = GetWindow(child, GW_HWNDNEXT)) {
    bool listed = false;
    for (int32_t i = 0; i < count && !listed; ++i) listed = children[i] == child;
    if (!listed) {
      after = child;
      --surplus;
    }
  }
  HDWP batch = BeginDeferWindowPos(count);
  if (!batch) return false;
  constexpr UINT kZOrderOnly =
      SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_NOCOPYBITS | SWP_NOOWNERZORDER;
  for (int32_t i = 0; i < count; ++i) {
    HWND child = static_cast<HWND>(children[i]);
    batch = DeferWindowPos(batch, child, after, 0, 0, 0, 0, kZOrderOnly);
    if (!batch) return false;
    after = child;
  }
  return EndDeferWindowPos(batch) != FALSE;
}

bool WWindow::GetRectangle(WRect& rectangle) const {
  if (!handle_) return false;
  HWND window = static_cast<HWND>(handle_);
  RECT bounds;
  if (!GetWindowRect(window, &bounds)) return false;
  HWND parent = (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ? ::GetParent(window) : nullptr;
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  rectangle = {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top};
  return true;
}

bool WWindow::SetRectangle(const WRect& rectangle, bool redraw) {
  if (!handle_) return false;
  return MoveWindow(static_cast<HWND>(handle_), rectangle.x, rectangle.y, rectangle.width, rectangle.height,
                    redraw ? TRUE : FALSE) != FALSE;
}

bool WWindow::SetEventHandler(WEventNumber event, WObject* target, const WEventHandlerFunction& function,
                              uint32_t user_data, const int32_t* position) {
  if (event == BeforeProcessingEvent) windows_before = true;
  if (event == AfterProcessingEvent) windows_after = true;
  return WEventGenerator::SetEventHandler(event, target, function, user_data, position);
}

void WWindow::EventHandlersChanged(WEventNumber event, int32_t change) {
  WEventGenerator::EventHandlersChanged(event, change);
  if (change == kReset) {
    costly_ = 0;
    return;
  }
  const uint32_t flag = CostlyFlag(event);
  if (!flag) return;
  costly_ &= ~flag;
  const WEventHandler* record = FindEventHandler(event);
  if (record) costly_ |= flag;
}

bool WWindow::PreTranslateMessage(WMessage& /*message*/, bool& handled) {
  handled = false;
  return false;
}

intptr_t WWindow::HandleMessage(WMessage& message) {
  intptr_t result = 0;
  bool process = true;
  WApplication* application = WApplication::Current();
  if (WApplication::HasBeforeProcessingHandler() || windows_before) {
    WBeforeProcessingEventData data;
    data.message = message;
    if (application) application->CallEventHandlers(BeforeProcessingEvent, this, &data);
    if (costly_ & CostlyFlag(BeforeProcessingEvent)) CallEventHandlers(BeforeProcessingEvent, this, &data);
    message = data.message;
    result = data.message_result;
    process = data.process;
  }
  if (process) ProcessMessage(message, result);
  if (WApplication::HasAfterProcessingHandler() || windows_after) {
    WAfterProcessingEventData data;
    data.message = message;
    data.message_result = result;
    if (costly_ & CostlyFlag(AfterProcessingEvent)) CallEventHandlers(AfterProcessingEvent, this, &data);
    if (application) application->CallEventHandlers(AfterProcessingEvent, this, &data);
    message = data.message;
    result = data.message_result;
  }
  if (message.message == WM_DESTROY) Detach();

  bool collect = message.message == WM_CREATE;
  if (message.message == WM_ENTERIDLE && message.wparam == 0) {
    uint32_t& idle = WThreadRecord::Current().idle_messages;
    if (++idle > 10) {
      idle = 0;
      collect = true;
    }
  }
  if (collect) ProcessDeferredDeletes(false);
  return result;
}

bool WWindow::ProcessMessage(WMessage& message, intptr_t& result) {
  bool handled = false;
  if (const WWindowMessageMap::Entry* entry = WWindowMessageMap::Get().Find(message.message)) {
    handled = (this->*entry->handler)(message, result);
  } else if (message.message >= WM_MOUSEFIRST && message.message <= WM_MBUTTONDBLCLK) {
    handled = OnMouse(message, result);
  }
  if (!handled && handle_) result = DefaultProcessing(message);
  return handled;
}

intptr_t WWindow::DefaultProcessing(const WMessage& message) {
  HWND window = static_cast<HWND>(message.window);
  if (original_procedure_) {
    return CallWindowProcA(reinterpret_cast<WNDPROC>(original_procedure_), window, message.message, message.wparam,
                           message.lparam);
  }
  return DefWindowProcA(window, message.message, message.wparam, message.lparam);
}

bool WWindow::RaiseMessageEvent(WEventNumber event, WMessage& message, intptr_t& result) {
  WMessageEventData data;
  data.message = message;
  intptr_t event_result = result;
  const bool handled = CallEventHandlers(event, this, &data, &event_result);
  if (handled) result = event_result;
  return handled;
}

bool WWindow::OnGeneric(WMessage& message, intptr_t& result) {
  const WWindowMessageMap::Entry* entry = WWindowMessageMap::Get().Find(message.message);
  return RaiseMessageEvent(entry->event, message, result);
}

bool WWindow::OnCreate(WMessage& message, intptr_t& result) { return RaiseMessageEvent(CreateEvent, message, result); }

bool WWindow::OnDestroy(WMessage& /*message*/, intptr_t& result) {
  const bool handled = CallEventHandlers(DestroyEvent, this);
  if (handled) result = 0;
  return handled;
}

bool WWindow::OnSize(WMessage& message, intptr_t& result) {
  if (message.wparam == SIZE_MINIMIZED) RaiseMessageEvent(MinimizeEvent, message, result);
  if (message.wparam == SIZE_MAXIMIZED) RaiseMessageEvent(MaximizeEvent, message, result);
  return RaiseMessageEvent(ResizeEvent, message, result);
}

bool WWindow::OnActivate(WMessage& message, intptr_t& result) {
  return RaiseMessageEvent(LOWORD(message.wparam) == WA_INACTIVE ? DeactivateEvent : ActivateEvent, message, result);
}

bool WWindow::OnShowWindow(WMessage& message, intptr_t& result) {
  return RaiseMessageEvent(message.wparam ? ShowEvent : HideEvent, message, result);
}

bool WWindow::OnWindowPosChanging(WMessage& message, intptr_t& result) {
  const bool size = RaiseMessageEvent(SizeChangingEvent, message, result);
  return RaiseMessageEvent(PositionChangingEvent, message, result) || size;
}

bool WWindow::OnCostly(WMessage& message, intptr_t& result) {
  const WWindowMessageMap::Entry* entry = WWindowMessageMap::Get().Find(message.message);
  if (!(costly_ & CostlyFlag(entry->event))) return false;
  return RaiseMessageEvent(entry->event, message, result);
}

bool WWindow::OnClose(WMessage& /*message*/, intptr_t& result) {
  // Either event may keep the window; a handler may also have destroyed it.
  if (CallEventHandlers(QueryCloseEvent, this) || !handle_) {
    result = 0;
    return true;
  }
  if (CallEventHandlers(CloseEvent, this) || !handle_) {
    result = 0;
    return true;
  }
  return false;
}

bool WWindow::OnCommand(WMessage& message, intptr_t& result) {
  if (message.lparam != 0) {
    WWindow* control = FromHandle(reinterpret_cast<void*>(message.lparam));
    if (control && control->OnNotification(HIWORD(message.wparam))) {
      result = 0;
      return true;
    }
  }
  return RaiseMessageEvent(CommandEvent, message, result);
}

bool WWindow::OnControlColor(WMessage& message, intptr_t& result) {
  if (RaiseMessageEvent(ControlColorEvent, message, result)) return true;
  // The control's own colours, where it has them. A caption, check box or
  // frame without a colour of its own takes this window's, so that it
  // stands on its form's background in its form's text colour.
  WWindow* control = FromHandle(reinterpret_cast<void*>(message.lparam));
  if (!control) return false;
  const bool inherits = control != this && message.message == WM_CTLCOLORSTATIC;
  const WWindow* fore_owner = control->GetForeColor() || !inherits ? control : this;
  const WWindow* back_owner = control->GetBackColor() || !inherits ? control : this;
  const WColor* fore = fore_owner->GetForeColor();
  const WColor* back = back_owner->GetBackColor();
  if (!fore && !back) return false;
  result = DefaultProcessing(message);
  HDC device = reinterpret_cast<HDC>(message.wparam);
  if (fore) SetTextColor(device, ColourValue(*fore));
  if (back) {
    SetBkColor(device, ColourValue(*back));
    result = reinterpret_cast<intptr_t>(back_owner->GetBackgroundBrush());
  }
  return true;
}

bool WWindow::OnMouse(WMessage& message, intptr_t& result) {
  struct MouseEvent {
    uint32_t message;
    WEventNumber event;
  };
  static constexpr MouseEvent kMouseEvents[] = {
      {WM_MOUSEMOVE, MouseMoveEvent},
      {WM_LBUTTONDOWN, LeftButtonDownEvent},
      {WM_LBUTTONUP, LeftButtonUpEvent},
      {WM_LBUTTONDBLCLK, LeftButtonDoubleEvent},
      {WM_RBUTTONDOWN, RightButtonDownEvent},
      {WM_RBUTTONUP, RightButtonUpEvent},
      {WM_RBUTTONDBLCLK, RightButtonDoubleEvent},
      {WM_MBUTTONDOWN, MiddleButtonDownEvent},
      {WM_MBUTTONUP, MiddleButtonUpEvent},
      {WM_MBUTTONDBLCLK, MiddleButtonDoubleEvent},
  };
  for (const MouseEvent& mouse : kMouseEvents) {
    if (mouse.message != message.message) continue;
    WMouseEventData data;
    data.x = static_cast<int16_t>(LOWORD(message.lparam));
    data.y = static_cast<int16_t>(HIWORD(message.lparam));
    // The Alt key has no flag of the system's; it takes the high bit of the
    // low word.
    data.key_flags = static_cast<uint32_t>(message.wparam & 0xFFFF) | (GetKeyState(VK_MENU) < 0 ? 0x8000u : 0u);
    intptr_t event_result = 0;
    const bool handled = CallEventHandlers(mouse.event, this, &data, &event_result);
    if (handled) result = event_result;
    return handled;
  }
  return false;
}

bool WWindow::OnGetDialogCode(WMessage& message, intptr_t& result) {
  // A multi-line field asks for every key; on a form, Tab and Esc still
  // belong to the form (focus to the next control, the cancel command),
  // while Enter stays with a field that takes it.
  result = DefaultProcessing(message);
  const auto* key = reinterpret_cast<const MSG*>(message.lparam);
  if (key && key->message == WM_KEYDOWN && (key->wParam == VK_TAB || key->wParam == VK_ESCAPE)) {
    result &= ~static_cast<intptr_t>(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB);
  }
  return true;
}

bool WWindow::OnNonClientButton(WMessage& /*message*/, intptr_t& /*result*/) {
  // A click on the frame or caption ends a tip that is showing, as one in
  // the client area does.
  if (tooltip_) SendMessageA(static_cast<HWND>(tooltip_->GetHandle()), TTM_POP, 0, 0);
  return false;
}

bool WWindow::OnContextMenu(WMessage& message, intptr_t& result) {
  // In a window with the context-help button, the context menu key and the
  // right mouse button ask for help on a control instead of a menu.
  HWND top = GetAncestor(static_cast<HWND>(message.window), GA_ROOT);
  const bool context_help = top && (GetWindowLongA(top, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  return RaiseMessageEvent(context_help ? ContextHelpEvent : ContextMenuEvent, message, result);
}
