#pragma once

#include <cstdint>

#include "framework/text/WString.h"
#include "framework/windows/WColor.h"
#include "sim/Control.h"
#include "sim/Formatted.h"
#include "sim/GameView.h"

// A number shown in a display, with the printf format of one number that
// shows it: "%6d" and "%5.0d" take it as a whole number, the others
// ("%6.0lf", "%4.2lf%%") as it is.
struct DisplayNumber {
  const char* format = nullptr;
  double value = 0;
  bool whole = false;
  WString Text() const { return whole ? Formatted(format, static_cast<int32_t>(value)) : Formatted(format, value); }
};

// Everything the simulation needs from its window, its user and the system.
// The main form implements it on real controls; headless runs and tests use
// an in-memory form.
class FormOperations {
 public:
  virtual ~FormOperations() = default;

  virtual WString GetText(Control control) const = 0;
  virtual void SetText(Control control, const WString& text) = 0;
  // The text of a number. A form may keep the number and format it only
  // when the display is looked at or shown.
  virtual void SetNumber(Control control, const DisplayNumber& number) { SetText(control, number.Text()); }
  // Adds `text` at the end of the control's text. A form that can extend a
  // control in place keeps the cost to the length added.
  virtual void AppendText(Control control, const WString& text) { SetText(control, GetText(control) + text); }
  // The displays of one settled game. A form may keep the game and write it
  // when its controls are next looked at, shown or changed.
  virtual void ShowGame(const GameView& game) { WriteGame(game, *this); }
  virtual void SetForeColor(Control control, const WColor& colour) = 0;
  virtual void SetBackColor(Control control, const WColor& colour) = 0;
  // A font description such as "12.Courier New".
  virtual void SetFont(Control control, const char* description) = 0;
  virtual bool GetChecked(Control check_box) const = 0;
  virtual void SetChecked(Control check_box, bool checked) = 0;
  // An information box without owner; returns when the user closed it.
  virtual void ShowInformation(const char* caption, const char* text) = 0;
  // Starts the session timer (stopping it first if it runs).
  virtual void StartSessionTimer(uint32_t interval_ms, int32_t ticks) = 0;
  // Blocks the thread without dispatching messages.
  virtual void Sleep(uint32_t milliseconds) = 0;
  // The calendar time in whole seconds.
  virtual int64_t CalendarTime() const = 0;
  // A number that stays the same only while no field or check box the
  // engine reads has changed; the engine reads them again when it moves.
  // A form that cannot tell gives a new number every time.
  virtual uint64_t InputGeneration() const { return ++unknown_generation_; }

 private:
  mutable uint64_t unknown_generation_ = 0;
};
