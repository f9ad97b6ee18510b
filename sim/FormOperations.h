#pragma once

#include <cstdint>

#include "framework/text/WString.h"
#include "framework/windows/WColor.h"
#include "sim/Control.h"
#include "sim/GameView.h"

// Everything the simulation needs from its window, its user and the system.
// The main form implements it on real controls; headless runs and tests use
// an in-memory form.
class FormOperations {
 public:
  virtual ~FormOperations() = default;

  virtual WString GetText(Control control) const = 0;
  virtual void SetText(Control control, const WString& text) = 0;
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
};
