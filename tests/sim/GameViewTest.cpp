// A game handed to a form in one call: the list text built piecewise, games
// held by a form merging without losing a check-box change, and the memory
// form writing a held game before anything looks at or changes it.
#include <gtest/gtest.h>

#include "sim/GameView.h"
#include "sim/MemoryForm.h"

namespace {

TEST(SessionNumbers, TheListTextOfAnyPrefixIsTheSameWhateverWasRenderedBefore) {
  SessionNumbers numbers;
  for (int32_t n : {7, 0, 37, 12, 11}) numbers.Add(n);
  EXPECT_EQ(numbers.Text(), "   7r   0zero  00zerozero  12r  11s");
  EXPECT_EQ(numbers.Text(2), "   7r   0zero") << "a prefix after the whole was rendered";
  numbers.Add(36);
  EXPECT_EQ(numbers.Text(99), "   7r   0zero  00zerozero  12r  11s  36r") << "rendering goes on";
  numbers.Clear();
  numbers.Add(2);
  EXPECT_EQ(numbers.Text(), "   2s") << "nothing of the last session is left";
  EXPECT_EQ(numbers.Text(0), "");
}

GameView Game(int32_t game, bool colour_box_changed = false, bool bet_on_red = false) {
  GameView view;
  view.game = game;
  view.number = 5;
  view.colour = NumberColour::Red;
  view.balance = 500 + game;
  view.bet = 1;
  view.colour_box_changed = colour_box_changed;
  view.bet_on_red = bet_on_red;
  return view;
}

TEST(PendingGame, ALaterGameKeepsTheCheckBoxChangesOfAnEarlierUnwrittenOne) {
  MemoryForm form;
  form.SetChecked(Control::checkbox_zahlen_des_letzten_durchganges, true);
  PendingGame pending;
  GameView first = Game(1, true, true);
  first.live_list_switched_off = true;
  pending.Hold(first);
  pending.Hold(Game(2));
  pending.Release(form);
  EXPECT_TRUE(form.GetChecked(Control::checkbox_rot_oder_schwarz));
  EXPECT_FALSE(form.GetChecked(Control::checkbox_zahlen_des_letzten_durchganges));
  EXPECT_EQ(form.GetText(Control::label_akt_durchlauf), "   2");
  pending.Hold(first);
  pending.Hold(Game(4, true, false));
  pending.Release(form);
  EXPECT_FALSE(form.GetChecked(Control::checkbox_rot_oder_schwarz)) << "the latest change wins";
  EXPECT_FALSE(pending.IsHeld());
}

TEST(MemoryForm, AHeldGameIsWrittenBeforeAnyLaterWriteOrRead) {
  MemoryForm form;
  SessionNumbers numbers;
  numbers.Add(5);
  GameView game = Game(1);
  game.numbers = &numbers;
  game.listed = 1;
  form.ShowGame(game);
  form.SetText(Control::label_alle_zahlen, WString(""));  // a later write wins
  EXPECT_EQ(form.GetText(Control::label_alle_zahlen), "");
  EXPECT_EQ(form.GetText(Control::label_akt_kapital), " 501");
  numbers.Add(9);
  game.listed = 2;
  form.ShowGame(game);
  numbers.Add(10);  // the next game drew before the form was read
  EXPECT_EQ(form.GetText(Control::label_alle_zahlen), "   5r   9r") << "the list as the game left it";
}

}  // namespace
