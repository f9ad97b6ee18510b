#include "sim/GameView.h"

#include "sim/FormOperations.h"
#include "sim/Formatted.h"

namespace {

struct DisplayColours {
  WColor::Palette back;
  WColor::Palette text;
};

DisplayColours NumberDisplayColours(NumberColour colour) {
  switch (colour) {
    case NumberColour::Red: return {WColor::Red, WColor::Green};
    case NumberColour::Black: return {WColor::Black, WColor::Yellow};
    case NumberColour::Zero:
    case NumberColour::DoubleZero: break;
  }
  return {WColor::Green, WColor::Black};
}

}  // namespace

WString NumberDisplayText(int32_t number) { return number == kDoubleZero ? WString(" 00") : Formatted("%4d", number); }

void WriteGame(const GameView& game, FormOperations& form) {
  const DisplayColours colours = NumberDisplayColours(game.colour);
  form.SetBackColor(Control::label_aktueller_durchgang, WColor(colours.back));
  form.SetForeColor(Control::label_aktueller_durchgang, WColor(colours.text));
  if (game.colour_box_changed) form.SetChecked(Control::checkbox_rot_oder_schwarz, game.bet_on_red);
  if (game.live_list_switched_off) form.SetChecked(Control::checkbox_zahlen_des_letzten_durchganges, false);
  form.SetText(Control::label_alle_zahlen, game.numbers ? game.numbers->Text(game.listed) : WString(""));
  form.SetText(Control::label_aktueller_durchgang, NumberDisplayText(game.number));
  form.SetText(Control::label_akt_durchlauf, Formatted("%4d", game.game));
  form.SetText(Control::label_akt_kapital, Formatted("%4d", game.balance));
  form.SetText(Control::label_akt_einsatz, Formatted("%4d", game.bet));
}

void PendingGame::Hold(const GameView& game) {
  // Most games change no check box; only a change still unwritten needs
  // to survive the next game.
  const bool keep_colour = held_ && game_.colour_box_changed && !game.colour_box_changed;
  const bool keep_live_list = held_ && game_.live_list_switched_off;
  if (keep_colour | keep_live_list) {
    const bool bet_on_red = game_.bet_on_red;
    game_ = game;
    if (keep_colour) {
      game_.colour_box_changed = true;
      game_.bet_on_red = bet_on_red;
    }
    game_.live_list_switched_off |= keep_live_list;
  } else {
    game_ = game;
  }
  held_ = true;
}

bool IsGameText(Control control) {
  switch (control) {
    case Control::label_aktueller_durchgang:
    case Control::label_alle_zahlen:
    case Control::label_akt_durchlauf:
    case Control::label_akt_kapital:
    case Control::label_akt_einsatz: return true;
    default: return false;
  }
}

bool PendingGame::Writes(Control control) const {
  if (!held_) return false;
  if (game_.numbers || IsGameText(control)) return true;
  if (control == Control::checkbox_rot_oder_schwarz) return game_.colour_box_changed;
  return control == Control::checkbox_zahlen_des_letzten_durchganges && game_.live_list_switched_off;
}

void PendingGame::Release(FormOperations& form) {
  if (!held_) return;
  held_ = false;
  WriteGame(game_, form);
}
