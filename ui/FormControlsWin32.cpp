#include "framework/events/WindowsHeadersWin32.h"

#include "framework/dialogs/WMessageBox.h"
#include "framework/windows/WControls.h"
#include "ui/Form1Base.h"
#include "ui/FormControls.h"

FormControls::FormControls(Form1Base& form, const FormClock& clock) : form_(form), clock_(clock) {
  for (std::size_t i = 0; i < kControlCount; ++i) members_[i] = FormMembers::IndexOf(static_cast<Control>(i));
}

WWindow* FormControls::Window(Control control) const {
  const std::size_t index = members_[static_cast<std::size_t>(control)];
  if (index >= FormMembers::kMemberCount) return nullptr;
  WWindow* window = form_.control(index);
  return window && window->GetHandle() ? window : nullptr;
}

WCheckBox* FormControls::CheckBox(Control control) const { return dynamic_cast<WCheckBox*>(Window(control)); }

WString FormControls::GetText(Control control) const {
  const WWindow* window = Window(control);
  return window ? window->GetText() : WString("");
}

void FormControls::SetText(Control control, const WString& text) {
  if (WWindow* window = Window(control)) window->SetText(text);
}

void FormControls::AppendText(Control control, const WString& text) {
  WWindow* window = Window(control);
  if (auto* field = dynamic_cast<WTextBox*>(window)) {
    field->AppendText(text);
  } else if (window) {
    window->SetText(window->GetText() + text);
  }
}

void FormControls::SetForeColor(Control control, const WColor& colour) {
  if (WWindow* window = Window(control)) window->SetForeColor(colour);
}

void FormControls::SetBackColor(Control control, const WColor& colour) {
  if (WWindow* window = Window(control)) window->SetBackColor(colour);
}

void FormControls::SetFont(Control control, const char* description) {
  if (WWindow* window = Window(control)) window->SetFont(WFont(description), true);
}

bool FormControls::GetChecked(Control check_box) const {
  const WCheckBox* box = CheckBox(check_box);
  return box && box->GetChecked();
}

void FormControls::SetChecked(Control check_box, bool checked) {
  if (WCheckBox* box = CheckBox(check_box)) box->SetChecked(checked);
}

void FormControls::ShowInformation(const char* caption, const char* text) {
  WMessageBox::ShowInformation(nullptr, caption, "%s", text);
}

void FormControls::StartSessionTimer(uint32_t interval_ms, int32_t ticks) {
  if (WTimer* timer = form_.session_timer()) timer->Start(interval_ms, ticks);
}

void FormControls::Sleep(uint32_t milliseconds) {
  // Paint messages are sent, not taken from the queue: no click or key
  // reaches the form while the session plays.
  if (HWND window = static_cast<HWND>(form_.GetHandle())) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  if (milliseconds > 0) ::Sleep(milliseconds);
}
