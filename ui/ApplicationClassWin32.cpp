#include "framework/events/WindowsHeadersWin32.h"

#include <new>

#include "framework/app/WMessageLoop.h"
#include "ui/ApplicationClass.h"
#include "ui/Form1.h"

ProgramHook* program_hooks = nullptr;

ApplicationClass::ApplicationClass(const char* form_template) : form_template_(form_template) {
  // A later registration runs first, so each default handler runs before
  // the real one.
  SetEventHandler(StartEvent, this, &ApplicationClass::on_start);
  SetEventHandler(StartEvent, this, &ApplicationClass::on_default_start);
  SetEventHandler(RunEvent, this, &ApplicationClass::on_run);
  SetEventHandler(RunEvent, this, &ApplicationClass::on_default_run);
  SetEventHandler(EndEvent, this, &ApplicationClass::on_end);
  SetEventHandler(EndEvent, this, &ApplicationClass::on_default_end);
}

bool ApplicationClass::on_default_start(WObject*, WEventData* data) {
  auto* application = static_cast<WApplicationEventData*>(data);
  application->exit_code = 0;
  application->quit = false;
  return false;
}

bool ApplicationClass::on_start(WObject*, WEventData* data) {
  for (ProgramHook* hook = program_hooks; hook; hook = hook->next) {
    if (hook->start) hook->start();
  }
  if (create_main_form()) return true;
  auto* application = static_cast<WApplicationEventData*>(data);
  application->exit_code = -1;
  application->quit = true;
  return true;
}

bool ApplicationClass::on_default_run(WObject*, WEventData*) { return false; }

bool ApplicationClass::on_run(WObject*, WEventData* data) {
  WMessage last;
  RunMessageLoop(&last);
  static_cast<WApplicationEventData*>(data)->exit_code = static_cast<int32_t>(last.wparam);
  return true;
}

bool ApplicationClass::on_default_end(WObject*, WEventData*) { return false; }

bool ApplicationClass::on_end(WObject*, WEventData*) {
  delete_main_form();
  for (ProgramHook* hook = program_hooks; hook; hook = hook->next) {
    if (hook->end) hook->end();
  }
  return true;
}

Form1* ApplicationClass::create_main_form() {
  auto* form = new (std::nothrow) Form1();
  SetMainForm(form);
  if (!form) return nullptr;
  void* module = GetInstance() ? GetInstance() : GetModuleHandleA(nullptr);
  if (!form->CreateFromResource(nullptr, form_template_, module)) {
    delete form;
    SetMainForm(nullptr);
  }
  return MainForm();
}

void ApplicationClass::delete_main_form() {
  delete MainForm();
  SetMainForm(nullptr);
}
