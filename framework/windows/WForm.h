#pragma once

#include <memory>

#include "framework/windows/WMenu.h"
#include "framework/windows/WWindow.h"

// A top-level window made from a dialog template. It owns no menu: the menu
// is attached with SetMenu, and the form translates the menu's accelerator
// keys before they are dispatched.
class WForm : public WWindow {
  W_DECLARE_CLASS(WForm, WWindow)

 public:
  WForm();
  ~WForm() override;

  // Loads the dialog template and creates the window, owned by the parent.
  bool CreateFromResource(WWindow* parent, const WResourceID& id, void* module = nullptr) override;
  // Attaches the menu (null detaches) and takes its accelerators.
  bool SetMenu(WMenu* menu);
  WMenu* GetMenu() const { return menu_; }

  // Sets the icon at the system's large and small sizes; a main form's icon
  // also becomes its window class's.
  bool SetIcon(bool main_form, const WResourceID& id, void* module = nullptr);

  bool PreTranslateMessage(WMessage& message, bool& handled) override;

  // The window's system menu as a menu object, made on first use; its items
  // raise ClickEvent when chosen. Null while the form has no window.
  WMenu* GetSystemMenu();

  // The form's own handlers, registered before any of the program's, so
  // that they run last.
  bool OnOwnHelp(WObject* source, WEventData* data);
  bool OnOwnClose(WObject* source, WEventData* data);
  bool OnOwnDestroy(WObject* source, WEventData* data);
  bool OnOwnEraseBackground(WObject* source, WEventData* data);
  bool OnOwnMenuEvent(WObject* source, WEventData* data);
  bool OnOwnSystemCommand(WObject* source, WEventData* data);
  bool OnOwnCommand(WObject* source, WEventData* data);
  bool OnOwnResize(WObject* source, WEventData* data);
  bool OnOwnScroll(WObject* source, WEventData* data);

 protected:
  bool ProcessMessage(WMessage& message, intptr_t& result) override;

 private:
  // Binds the child control objects that wait for a template item.
  void AttachTemplateChildren();
  // OK that no handler took: each child control object in turn is offered
  // OKEvent, until one handles it.
  bool DefaultOK();
  // The menu object (the form's or its system menu's) that holds a system
  // menu handle.
  WMenu* MenuOfHandle(void* handle);

  WMenu* menu_ = nullptr;
  void* accelerators_ = nullptr;
  std::unique_ptr<WMenu> system_menu_;
};

// A modeless dialog form with the system's dialog keyboard: Tab and the
// arrow keys move the focus, Enter and Esc send the OK and Cancel commands.
class WModelessDialog : public WForm {
  W_DECLARE_CLASS(WModelessDialog, WForm)

 public:
  static constexpr uint32_t kDialogFilterKey = 64;

  WModelessDialog();
  ~WModelessDialog() override;

 private:
  bool DialogKeyboardFilter(WObject* source, WEventData* data);

  // The system did not take a double-byte character's lead byte, so its
  // trail byte is not handed over either.
  bool skip_trail_byte_ = false;
};
