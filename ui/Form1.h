#pragma once

#include <memory>
#include <string>

#include "sim/Simulation.h"
#include "ui/CachedForm.h"
#include "ui/Form1Base.h"
#include "ui/FormClock.h"
#include "ui/FormControls.h"
#include "ui/OddsWindow.h"

// The program's main form: the window of Form1Base with the simulation
// inside it. The engine reaches the controls through a cache that keeps a
// session from waiting on the window between the games the window shows.
class Form1 : public Form1Base {
  W_DECLARE_CLASS(Form1, Form1Base)

 public:
  explicit Form1(const FormClock& clock = SystemClock());
  ~Form1() override;

  const Simulation& simulation() const { return simulation_; }
  // The fields and boxes as the user left them, for a reader beside the
  // engine.
  const FormOperations& fields() const { return controls_; }
  // The odds window, while it exists.
  OddsWindow* odds_window() const { return odds_.get(); }

  bool on_form_cancel(WObject* source, WEventData* data) override;
  bool on_start_click(WObject* source, WEventData* data) override;
  bool on_stop_click(WObject* source, WEventData* data) override;
  bool on_session_timer(WObject* source, WEventData* data) override;
  bool on_poll_timer(WObject* source, WEventData* data) override;
  bool on_sponsor_mouse_down(WObject* source, WEventData* data) override;
  bool on_sponsor_mouse_move(WObject* source, WEventData* data) override;
  bool on_menu_start(WObject* source, WEventData* data) override;
  bool on_menu_stop(WObject* source, WEventData* data) override;
  bool on_menu_reset(WObject* source, WEventData* data) override;
  bool on_menu_exit(WObject* source, WEventData* data) override;
  bool on_menu_save(WObject* source, WEventData* data) override;
  bool on_menu_load(WObject* source, WEventData* data) override;
  bool on_menu_info(WObject* source, WEventData* data) override;
  bool on_menu_help(WObject* source, WEventData* data) override;
  bool on_menu_odds(WObject* source, WEventData* data) override;

 protected:
  bool is_main_form() const override;
  void reset_settings() override;

 private:
  // The report (when a file was chosen), then the settings file; a file
  // that cannot be written is reported.
  void save();
  void report_failure(const std::string& file, const std::string& reason);
  // The settings file into the fields and check boxes, or a report of why
  // not, and then nothing changed.
  void load();

  // One step of the engine: what input changed is read afresh, and what the
  // step wrote is on the controls when it returns.
  template <typename Step>
  void run_step(Step step);

  FormControls controls_;
  CachedForm cache_;
  Simulation simulation_;
  // Last, so that it goes first: it reads the fields and the run.
  std::unique_ptr<OddsWindow> odds_;
};

// The program's one main form; null before it is made and after it is
// deleted.
Form1* MainForm();
void SetMainForm(Form1* form);
