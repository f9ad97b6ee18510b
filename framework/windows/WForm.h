#pragma once

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

 protected:
  bool ProcessMessage(WMessage& message, intptr_t& result) override;

 private:
  // The form's own handlers, which run after the program's.
  bool OnOwnCommand(WObject* source, WEventData* data);

  WMenu* menu_ = nullptr;
  void* accelerators_ = nullptr;
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
