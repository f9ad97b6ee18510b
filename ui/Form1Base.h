#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "framework/dialogs/WFileDialog.h"
#include "framework/events/WTimer.h"
#include "framework/windows/WControls.h"
#include "framework/windows/WForm.h"
#include "framework/windows/WMenu.h"
#include "ui/FormMembers.h"

// The main form's window part: its menu, one control object for every item
// of the dialog template ID_FORM1, the two timers and the file dialog, all
// created, set up and deleted by the form itself in member order
// (FormMembers). The program's part, Form1, supplies the command handlers
// and the simulation.
class Form1Base : public WModelessDialog {
  W_DECLARE_CLASS(Form1Base, WModelessDialog)

 public:
  static constexpr const char* kTemplate = "ID_Form1";
  static constexpr const char* kMenu = "ID_Form1_menu_1";

  Form1Base();
  ~Form1Base() override;

  // Puts the 92 controls into member order, which is tab order too; surplus
  // children keep their places in front.
  virtual bool apply_tab_order();

  // A member object, null while it does not exist (before creation, after
  // destruction, or when it could not be made).
  WObject* member(std::size_t index) const { return members_[index].get(); }
  WWindow* control(std::size_t index) const;
  // The member with this name, when it is a window that exists.
  WWindow* control(const char* name) const;
  WTimer* session_timer() const { return session_timer_; }
  WTimer* poll_timer() const { return poll_timer_; }
  WFileDialog* filedialog_1() const { return filedialog_1_; }
  WMenu* menu() const { return menu_.get(); }

  // The handlers of the form's tables.
  bool on_form_create(WObject* source, WEventData* data);
  bool on_form_close(WObject* source, WEventData* data);
  bool on_form_destroy(WObject* source, WEventData* data);
  virtual bool on_form_cancel(WObject* source, WEventData* data) = 0;
  virtual bool on_start_click(WObject* source, WEventData* data) = 0;
  virtual bool on_stop_click(WObject* source, WEventData* data) = 0;
  virtual bool on_session_timer(WObject* source, WEventData* data) = 0;
  virtual bool on_poll_timer(WObject* source, WEventData* data) = 0;
  virtual bool on_sponsor_mouse_down(WObject* source, WEventData* data) = 0;
  virtual bool on_sponsor_mouse_move(WObject* source, WEventData* data) = 0;
  virtual bool on_menu_start(WObject* source, WEventData* data) = 0;
  virtual bool on_menu_stop(WObject* source, WEventData* data) = 0;
  virtual bool on_menu_reset(WObject* source, WEventData* data) = 0;
  virtual bool on_menu_exit(WObject* source, WEventData* data) = 0;
  virtual bool on_menu_save(WObject* source, WEventData* data) = 0;
  virtual bool on_menu_load(WObject* source, WEventData* data) = 0;
  virtual bool on_menu_info(WObject* source, WEventData* data) = 0;
  virtual bool on_menu_help(WObject* source, WEventData* data) = 0;
  virtual bool on_menu_odds(WObject* source, WEventData* data) = 0;

 protected:
  // Whether this is the program's main form (its icon becomes the class
  // icon, and closing it ends the program).
  virtual bool is_main_form() const = 0;
  // The defaults into the fields, at the end of creation.
  virtual void reset_settings() = 0;
  // Ends the program with exit code 0.
  void quit();

 private:
  void create_members();
  void set_up_form();
  void load_menu();
  void bind_controls();
  void set_up_members();
  void set_up_control(std::size_t index);
  void register_control_tables();
  void remove_control_tables();
  // The generator a control table is registered on: the named member, or
  // the form itself for none.
  WEventGenerator* table_generator(const char* member_name);
  void delete_members();

  std::unique_ptr<WMenu> menu_;
  WPopupMenu* popup_program_ = nullptr;
  WPopupMenu* popup_file_ = nullptr;
  std::array<std::unique_ptr<WObject>, FormMembers::kMemberCount> members_;
  WTimer* session_timer_ = nullptr;
  WTimer* poll_timer_ = nullptr;
  WFileDialog* filedialog_1_ = nullptr;
};
