#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "sim/FormOperations.h"

// Stands between the engine and the window's controls. While the engine
// runs a step (a timer tick or a command), no input reaches the form, so a
// control changes only by the engine's own writes: the cache reads each
// control once and keeps every write, and hands the writes to the controls
// only when the window is to show them. That keeps a session as fast as its
// rules while the window still shows every painted game exactly.
//
// The controls are brought up to date before every message box, at the end
// of every game the engine pauses after when the pause is not 0, and at
// least every kShowInterval milliseconds otherwise; the owner flushes at the
// end of every step.
class CachedForm : public FormOperations {
 public:
  static constexpr uint32_t kShowInterval = 40;

  // `milliseconds` is a running millisecond count.
  CachedForm(FormOperations& controls, std::function<uint32_t()> milliseconds);

  WString GetText(Control control) const override;
  void SetText(Control control, const WString& text) override;
  // Kept as the added text only, and handed on as an append, so a long list
  // costs its entry, not its length.
  void AppendText(Control control, const WString& text) override;
  // Kept whole until the window is to show it; only then formatted.
  void ShowGame(const GameView& game) override;
  void SetForeColor(Control control, const WColor& colour) override;
  void SetBackColor(Control control, const WColor& colour) override;
  void SetFont(Control control, const char* description) override;
  bool GetChecked(Control check_box) const override;
  void SetChecked(Control check_box, bool checked) override;
  void ShowInformation(const char* caption, const char* text) override;
  void StartSessionTimer(uint32_t interval_ms, int32_t ticks) override;
  // A pause the window shows: the kept writes go to the controls, then the
  // controls' own Sleep (which repaints) runs. A pause of 0 between two
  // showings is skipped.
  void Sleep(uint32_t milliseconds) override;
  int64_t CalendarTime() const override { return controls_.CalendarTime(); }

  // Hands every kept write to the controls: per control the font, the
  // colours, the text and the check mark.
  void Flush();
  // Forgets what was read, so that the next read asks the control again;
  // for when input may have reached the form. Writes not yet flushed stay.
  void Forget();

 private:
  enum Pending : uint8_t { kText = 1, kFore = 2, kBack = 4, kFont = 8, kChecked = 16, kAppend = 32 };

  struct Entry {
    WString text;
    // Added to the control's text since the last flush, when the text
    // itself is not to be set.
    WString appended;
    WColor fore;
    WColor back;
    std::string font;
    bool checked = false;
    bool text_known = false;
    bool checked_known = false;
    uint8_t pending = 0;
  };

  // The entry, with a held game written into the cache first.
  Entry& At(Control control) const;
  void Settle() const;
  void Mark(Control control, Pending what);

  FormOperations& controls_;
  std::function<uint32_t()> milliseconds_;
  uint32_t last_shown_ = 0;
  bool any_pending_ = false;
  mutable PendingGame game_;
  // Reads fill the cache, so it changes in const reads.
  mutable std::array<Entry, kControlCount> entries_{};
};
