#pragma once

#include <array>

#include "sim/FormOperations.h"
#include "ui/FormClock.h"
#include "ui/FormMembers.h"

class Form1Base;
class WCheckBox;
class WWindow;

// The engine's form operations on the main form's real controls, timers
// and message box. A control that could not be made is never touched:
// writes to it are dropped and reads give an empty text or no check mark.
class FormControls final : public FormOperations {
 public:
  FormControls(Form1Base& form, const FormClock& clock);

  WString GetText(Control control) const override;
  void SetText(Control control, const WString& text) override;
  // A text field is extended in place.
  void AppendText(Control control, const WString& text) override;
  void SetForeColor(Control control, const WColor& colour) override;
  void SetBackColor(Control control, const WColor& colour) override;
  void SetFont(Control control, const char* description) override;
  bool GetChecked(Control check_box) const override;
  void SetChecked(Control check_box, bool checked) override;
  void ShowInformation(const char* caption, const char* text) override;
  void StartSessionTimer(uint32_t interval_ms, int32_t ticks) override;
  // Repaints what changed, without taking any input, then blocks.
  void Sleep(uint32_t milliseconds) override;
  int64_t CalendarTime() const override { return clock_.CalendarSeconds(); }

 private:
  WWindow* Window(Control control) const;
  WCheckBox* CheckBox(Control control) const;

  Form1Base& form_;
  const FormClock& clock_;
  // The member index of each control the engine knows.
  std::array<std::size_t, kControlCount> members_{};
};
