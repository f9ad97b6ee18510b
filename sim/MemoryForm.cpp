#include "sim/MemoryForm.h"

namespace {

std::string Quoted(const char* text) { return std::string("\"") + text + "\""; }

}  // namespace

void MemoryForm::Settle() const {
  if (pending_.IsHeld()) pending_.Release(const_cast<MemoryForm&>(*this));
}

const MemoryForm::ControlState& MemoryForm::At(Control control) const {
  Settle();
  return controls_[static_cast<std::size_t>(control)];
}

MemoryForm::ControlState& MemoryForm::Mutable(Control control) {
  Settle();
  return controls_[static_cast<std::size_t>(control)];
}

void MemoryForm::SetRecording(bool on) {
  Settle();
  recording_ = on;
}

void MemoryForm::Record(std::string line) {
  if (recording_) writes_.push_back(std::move(line));
}

void MemoryForm::SetText(Control control, const WString& text) {
  Mutable(control).text = text;
  if (recording_) Record(std::string("text ") + ControlName(control) + " " + Quoted(text.GetText()));
}

void MemoryForm::AppendText(Control control, const WString& text) {
  Mutable(control).text += text;
  if (recording_) Record(std::string("append ") + ControlName(control) + " " + Quoted(text.GetText()));
}

void MemoryForm::ShowGame(const GameView& game) {
  if (recording_) {
    WriteGame(game, *this);
  } else {
    pending_.Hold(game);
  }
}

void MemoryForm::SetForeColor(Control control, const WColor& colour) {
  Mutable(control).fore = colour;
  if (recording_) Record(std::string("fore ") + ControlName(control) + " " + std::to_string(colour.GetIndex()));
}

void MemoryForm::SetBackColor(Control control, const WColor& colour) {
  Mutable(control).back = colour;
  if (recording_) Record(std::string("back ") + ControlName(control) + " " + std::to_string(colour.GetIndex()));
}

void MemoryForm::SetFont(Control control, const char* description) {
  Mutable(control).font = description;
  if (recording_) Record(std::string("font ") + ControlName(control) + " " + Quoted(description));
}

void MemoryForm::SetChecked(Control check_box, bool checked) {
  Mutable(check_box).checked = checked;
  if (recording_) Record(std::string("check ") + ControlName(check_box) + (checked ? " on" : " off"));
}

void MemoryForm::ShowInformation(const char* caption, const char* text) {
  Settle();
  messages_.emplace_back(text);
  Record(std::string("message ") + Quoted(caption) + " " + Quoted(text));
}

void MemoryForm::StartSessionTimer(uint32_t interval_ms, int32_t ticks) {
  session_timer_pending_ = true;
  Record("timer " + std::to_string(interval_ms) + " " + std::to_string(ticks));
}

void MemoryForm::Sleep(uint32_t milliseconds) {
  if (recording_) Record("sleep " + std::to_string(milliseconds));
}

bool MemoryForm::TakeSessionTimerTick() {
  const bool fired = session_timer_pending_;
  session_timer_pending_ = false;
  return fired;
}
