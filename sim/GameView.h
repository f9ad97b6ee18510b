#pragma once

#include <cstdint>

#include "sim/Control.h"
#include "sim/SessionNumbers.h"
#include "sim/Wheel.h"

class FormOperations;

// One game as the window shows it once the game is settled: the engine hands
// it to the form in one call, and the form formats the displays only when it
// shows them.
struct GameView {
  int32_t game = 0;
  int32_t number = 0;
  NumberColour colour = NumberColour::Zero;
  int32_t balance = 0;
  int32_t bet = 0;
  // The list display shows the first `listed` numbers of `numbers`, or
  // nothing when `numbers` is null. The numbers only grow until the next
  // session starts, which comes after the form has written this game.
  const SessionNumbers* numbers = nullptr;
  uint32_t listed = 0;
  // Check boxes the game changed, with their new state.
  bool colour_box_changed = false;
  bool bet_on_red = false;
  bool live_list_switched_off = false;
};

// Whether a game writes the text of this control: the number, the list
// and the game, balance and bet displays.
bool IsGameText(Control control);

// The text of the number display: "%4d", or " 00" for 00.
WString NumberDisplayText(int32_t number);

// Writes the game into the form's controls, one write per display, in the
// order the game changed them.
void WriteGame(const GameView& game, FormOperations& form);

// A game a form keeps until its controls are next looked at or changed.
// Games held one after the other merge: the latest displays, and every
// check box any of them changed.
class PendingGame {
 public:
  void Hold(const GameView& game);
  bool IsHeld() const { return held_; }
  // Whether the held game has to be written before this control is looked
  // at or changed: a control it writes, and any control while it holds the
  // engine's list of numbers, which the engine may clear or drop next.
  bool Writes(Control control) const;
  bool ChangesCheckBox() const { return held_ && (game_.colour_box_changed || game_.live_list_switched_off); }
  // Writes the held game into `form`, once.
  void Release(FormOperations& form);

 private:
  GameView game_;
  bool held_ = false;
};
