#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/app/WMessageTarget.h"
#include "framework/events/WEventGenerator.h"
#include "framework/text/WString.h"
#include "framework/windows/WColor.h"
#include "framework/windows/WCursor.h"
#include "framework/windows/WFont.h"
#include "framework/windows/WRect.h"
#include "framework/windows/WResourceID.h"

// A system window wrapped in an object: its handle, name, colours, font
// and tooltip, and the events its messages become. The framework's single
// window procedure hands every message of a framework window to
// HandleMessage: a before-processing event, the window's own processing
// (ProcessMessage: the message's event, then the system's default for what
// no handler took), an after-processing event.
class WToolTip;

class WWindow : public WEventGenerator, public WMessageTarget {
  W_DECLARE_CLASS(WWindow, WEventGenerator)

 public:
  WWindow();
  ~WWindow() override;

  void* GetHandle() const { return handle_; }
  WWindow* GetParent() const { return parent_; }
  // The window objects that have this one as parent, in the order they got
  // it.
  const std::vector<WWindow*>& GetChildren() const { return children_; }
  int32_t GetControlID() const { return control_id_; }
  static WWindow* FromHandle(void* handle);

  // Creates (a form) or binds (a control) the system window of this object.
  virtual bool CreateFromResource(WWindow* parent, const WResourceID& id, void* module = nullptr);
  // Creates a window of the framework's own class "WWindow"; the object is
  // bound to it from its first message on, so it sees WM_CREATE.
  bool Create(WWindow* parent, const char* text, uint32_t style, const WRect& bounds);
  // The framework's window class, registered on first use.
  static const char* GetFrameworkClassName();
  bool Destroy();

  bool SetName(const WString& name);
  const WString& GetName() const { return name_; }
  virtual bool SetText(const WString& text);
  virtual WString GetText() const;
  virtual bool SetFont(const WFont& font, bool redraw = true);
  const WFont& GetFont() const { return font_; }
  virtual bool SetBackColor(const WColor& colour);
  virtual bool SetForeColor(const WColor& colour);
  const WColor* GetBackColor() const { return back_.get(); }
  const WColor* GetForeColor() const { return fore_.get(); }
  // Before the window exists this records the visible style instead.
  bool Show(bool visible);
  // Stores the tip text; a window without a tooltip of its own gets one for
  // a text that is not empty, and an empty text leaves it without.
  bool SetToolTipText(const WString& text);
  void* GetToolTipHandle() const;
  // Makes the cursor the current mouse cursor at once.
  bool SetCursor(const WCursor& cursor);
  // Puts the children into this z order (and so tab order): surplus first
  // children keep their places at the top, then the listed windows follow
  // one another.
  bool SetChildOrder(int32_t count, void* const* children);
  bool GetRectangle(WRect& rectangle) const;
  bool SetRectangle(const WRect& rectangle, bool redraw = true);

  // Marks the process-wide wish for every message before (event 0) or
  // after (event 1) processing.
  bool SetEventHandler(WEventNumber event, WObject* target, const WEventHandlerFunction& function,
                       uint32_t user_data = 0, const int32_t* position = nullptr) override;
  // Keeps the flags of the costly events (paint, hit test, non-client
  // paint, erase background, before and after processing) up to date.
  void EventHandlersChanged(WEventNumber event, int32_t change) override;

  bool PreTranslateMessage(WMessage& message, bool& handled) override;

  // The whole way of one message through the framework.
  intptr_t HandleMessage(WMessage& message);
  // A control's notification code from its parent's WM_COMMAND; true when
  // a handler took it.
  virtual bool OnNotification(uint32_t /*code*/) { return false; }

  // The text and background colours and brush this window wants drawn with;
  // null when it has none of its own.
  void* GetBackgroundBrush() const;

 protected:
  // Maps the message to its event; what no handler took goes to the
  // system's default processing. Returns whether a handler took it.
  virtual bool ProcessMessage(WMessage& message, intptr_t& result);
  virtual intptr_t DefaultProcessing(const WMessage& message);
  // Binds the object to an existing system window; `subclass` routes that
  // window's messages through the framework.
  bool Attach(void* handle, bool subclass);
  void Detach();
  void SetParentWindow(WWindow* parent);
  void SetControlID(int32_t id) { control_id_ = id; }
  // A message's own event with WMessageEventData; true when handled.
  bool RaiseMessageEvent(WEventNumber event, WMessage& message, intptr_t& result);
  void Repaint();

 private:
  friend struct WWindowMessageMap;

  bool OnCreate(WMessage& message, intptr_t& result);
  bool OnDestroy(WMessage& message, intptr_t& result);
  bool OnSize(WMessage& message, intptr_t& result);
  bool OnActivate(WMessage& message, intptr_t& result);
  bool OnShowWindow(WMessage& message, intptr_t& result);
  bool OnClose(WMessage& message, intptr_t& result);
  bool OnCommand(WMessage& message, intptr_t& result);
  bool OnControlColor(WMessage& message, intptr_t& result);
  bool OnCostly(WMessage& message, intptr_t& result);
  bool OnWindowPosChanging(WMessage& message, intptr_t& result);
  bool OnGeneric(WMessage& message, intptr_t& result);
  bool OnMouse(WMessage& message, intptr_t& result);
  bool OnGetDialogCode(WMessage& message, intptr_t& result);
  bool OnNonClientButton(WMessage& message, intptr_t& result);
  bool OnContextMenu(WMessage& message, intptr_t& result);

  void* handle_ = nullptr;
  void* original_procedure_ = nullptr;
  WWindow* parent_ = nullptr;
  std::vector<WWindow*> children_;
  int32_t control_id_ = 0;
  WString name_;
  std::unique_ptr<WColor> back_;
  std::unique_ptr<WColor> fore_;
  void* brush_ = nullptr;
  WFont font_;
  WString tooltip_text_;
  std::unique_ptr<WToolTip> tooltip_;
  uint32_t costly_ = 0;
  bool visible_style_ = false;
};
