#pragma once

#include "framework/app/WApplication.h"

class Form1;

// The program's application object. Starting creates the main form from
// its dialog template, running runs the message loop, ending deletes the
// form; the code given to Quit is the exit code, and -1 when the main form
// could not be made.
class ApplicationClass : public WExeApplication {
  W_DECLARE_CLASS(ApplicationClass, WExeApplication)

 public:
  // `form_template` names the main form's dialog template.
  explicit ApplicationClass(const char* form_template = "ID_Form1");

  bool on_start(WObject* source, WEventData* data);
  bool on_default_start(WObject* source, WEventData* data);
  bool on_run(WObject* source, WEventData* data);
  bool on_default_run(WObject* source, WEventData* data);
  bool on_end(WObject* source, WEventData* data);
  bool on_default_end(WObject* source, WEventData* data);

  // Makes the main form and its window; null (and no main form) when either
  // fails.
  Form1* create_main_form();
  void delete_main_form();

 private:
  const char* form_template_;
};

// Routines run when the program starts (before the main form is made) and
// when it ends (after the form is gone), in list order.
struct ProgramHook {
  void (*start)();
  void (*end)();
  ProgramHook* next;
};

// The head of the list; the program itself adds none.
extern ProgramHook* program_hooks;
