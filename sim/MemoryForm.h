#pragma once

#include <array>
#include <utility>
#include <string>
#include <vector>

#include "sim/FormOperations.h"

// A form held in memory: for headless runs, benchmarks and tests. It keeps
// the state of every control, counts the timer starts and, when asked,
// records every write in order as one line of text. A game shown to it is
// written into its controls when they are next looked at or changed (at
// once while recording), so a run nobody looks at formats nothing.
class MemoryForm : public FormOperations {
 public:
  struct ControlState {
    WString text;
    bool checked = false;
    WColor fore;
    WColor back;
    std::string font;
  };

  explicit MemoryForm(int64_t calendar_time = 0) : calendar_time_(calendar_time) {}

  WString GetText(Control control) const override { return At(control).text; }
  void SetText(Control control, const WString& text) override;
  void SetNumber(Control control, const DisplayNumber& number) override;
  void AppendText(Control control, const WString& text) override;
  void ShowGame(const GameView& game) override;
  void SetForeColor(Control control, const WColor& colour) override;
  void SetBackColor(Control control, const WColor& colour) override;
  void SetFont(Control control, const char* description) override;
  bool GetChecked(Control check_box) const override { return At(check_box).checked; }
  void SetChecked(Control check_box, bool checked) override;
  void ShowInformation(const char* caption, const char* text) override;
  void StartSessionTimer(uint32_t interval_ms, int32_t ticks) override;
  void Sleep(uint32_t milliseconds) override;
  int64_t CalendarTime() const override { return calendar_time_; }
  uint64_t InputGeneration() const override;

  void SetRecording(bool on);
  const std::vector<std::string>& Writes() const { return writes_; }
  void ClearWrites() { writes_.clear(); }
  const ControlState& At(Control control) const;
  // The text of the information boxes shown so far.
  const std::vector<std::string>& Messages() const { return messages_; }
  // Fires the one-shot session timer: true when it was pending. Starting it
  // again while pending restarts it, so it still fires once.
  bool TakeSessionTimerTick();

 private:
  ControlState& Mutable(Control control);
  // Formats a number kept for the control into its text.
  void Show(Control control) const;
  void Changed(Control control);
  // Writes a held game into the controls.
  void Settle() const;
  void Record(std::string line);

  // Formatting a number nobody looks at is no change anyone can see either.
  mutable std::array<ControlState, kControlCount> controls_{};
  mutable std::array<DisplayNumber, kControlCount> numbers_{};
  uint64_t input_generation_ = 0;
  // Holding a game is no change anyone can see, so const reads write it.
  mutable PendingGame pending_;
  // Texts written over controls the held game writes, put after it.
  mutable std::vector<std::pair<Control, WString>> over_game_;
  int64_t calendar_time_;
  bool recording_ = false;
  bool session_timer_pending_ = false;
  std::vector<std::string> writes_;
  std::vector<std::string> messages_;
};
