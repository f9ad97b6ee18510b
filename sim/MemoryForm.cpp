#include "sim/MemoryForm.h"

namespace {

std::string Quoted(const char* text) { return std::string("\"") + text + "\""; }

// The fields and check boxes the engine reads: every rich text box but the
// generator status and the results list, and every check box.
std::array<bool, kControlCount> Inputs() {
  std::array<bool, kControlCount> inputs{};
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const std::string name = ControlName(static_cast<Control>(i));
    inputs[i] = (name.rfind("rtb_", 0) == 0 && name != "rtb_random" && name != "rtb_ergebnisse") ||
                name.rfind("checkbox_", 0) == 0;
  }
  return inputs;
}

}  // namespace

void MemoryForm::Settle() const {
  if (!pending_.IsHeld()) return;
  auto& self = const_cast<MemoryForm&>(*this);
  pending_.Release(self);
  for (auto& [control, text] : over_game_) self.SetText(control, text);
  over_game_.clear();
}

void MemoryForm::Show(Control control) const {
  DisplayNumber& number = numbers_[static_cast<std::size_t>(control)];
  if (!number.format) return;
  controls_[static_cast<std::size_t>(control)].text = number.Text();
  number.format = nullptr;
}

const MemoryForm::ControlState& MemoryForm::At(Control control) const {
  // Only a control the held game writes has to wait for it.
  if (pending_.Writes(control)) Settle();
  Show(control);
  return controls_[static_cast<std::size_t>(control)];
}

MemoryForm::ControlState& MemoryForm::Mutable(Control control) {
  if (pending_.Writes(control)) Settle();
  Show(control);
  return controls_[static_cast<std::size_t>(control)];
}

void MemoryForm::Changed(Control control) {
  static const std::array<bool, kControlCount> kInputs = Inputs();
  if (kInputs[static_cast<std::size_t>(control)]) ++input_generation_;
}

uint64_t MemoryForm::InputGeneration() const {
  if (pending_.ChangesCheckBox()) Settle();
  return input_generation_;
}

void MemoryForm::SetRecording(bool on) {
  Settle();
  recording_ = on;
}

void MemoryForm::Record(std::string line) {
  if (recording_) writes_.push_back(std::move(line));
}

void MemoryForm::SetText(Control control, const WString& text) {
  if (!recording_ && pending_.IsHeld() && IsGameText(control)) {
    // The game's text would be written over anyway: keep both for later.
    numbers_[static_cast<std::size_t>(control)].format = nullptr;
    for (auto& [held, later] : over_game_) {
      if (held == control) return void(later = text);
    }
    over_game_.emplace_back(control, text);
    return;
  }
  Mutable(control).text = text;
  Changed(control);
  if (recording_) Record(std::string("text ") + ControlName(control) + " " + Quoted(text.GetText()));
}

void MemoryForm::SetNumber(Control control, const DisplayNumber& number) {
  if (recording_) return SetText(control, number.Text());
  if (pending_.Writes(control)) Settle();
  numbers_[static_cast<std::size_t>(control)] = number;
}

void MemoryForm::AppendText(Control control, const WString& text) {
  Mutable(control).text += text;
  Changed(control);
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
  // No game sets a font, so a held one need not be written first.
  controls_[static_cast<std::size_t>(control)].font = description;
  if (recording_) Record(std::string("font ") + ControlName(control) + " " + Quoted(description));
}

void MemoryForm::SetChecked(Control check_box, bool checked) {
  Mutable(check_box).checked = checked;
  Changed(check_box);
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
