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
  EXPECT_STREQ(numbers.Text().GetText(), "   7r   0zero  00zerozero  12r  11s");
  EXPECT_STREQ(numbers.Text(2).GetText(), "   7r   0zero") << "a prefix after the whole was rendered";
  numbers.Add(36);
  EXPECT_STREQ(numbers.Text(6).GetText(), "   7r   0zero  00zerozero  12r  11s  36r") << "rendering goes on";
  EXPECT_STREQ(numbers.Text(99).GetText(), numbers.Text().GetText());
  numbers.Clear();
  numbers.Add(2);
  EXPECT_STREQ(numbers.Text().GetText(), "   2s") << "nothing of the last session is left";
  EXPECT_EQ(numbers.Text(0), "");
}

GameView Game(int32_t game) {
  GameView view;
  view.game = game;
  view.number = 5;
  view.colour = NumberColour::Red;
  view.balance = 500 + game;
  view.bet = 1;
  return view;
}

TEST(PendingGame, ALaterGameKeepsTheCheckBoxChangesOfAnEarlierUnwrittenOne) {
  MemoryForm form;
  form.SetChecked(Control::checkbox_zahlen_des_letzten_durchganges, true);
  PendingGame pending;
  GameView first = Game(1);
  first.colour_box_changed = true;
  first.bet_on_red = true;
  first.live_list_switched_off = true;
  pending.Hold(first);
  pending.Hold(Game(2));
  pending.Release(form);
  EXPECT_TRUE(form.GetChecked(Control::checkbox_rot_oder_schwarz));
  EXPECT_FALSE(form.GetChecked(Control::checkbox_zahlen_des_letzten_durchganges));
  EXPECT_STREQ(form.GetText(Control::label_akt_durchlauf).GetText(), "   2");

  GameView flipped_back = Game(4);
  flipped_back.colour_box_changed = true;
  flipped_back.bet_on_red = false;
  pending.Hold(first);
  pending.Hold(flipped_back);
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
  // A later write to a control the game also writes must win.
  form.SetText(Control::label_alle_zahlen, WString(""));
  EXPECT_STREQ(form.GetText(Control::label_alle_zahlen).GetText(), "");
  EXPECT_STREQ(form.GetText(Control::label_akt_kapital).GetText(), " 501");

  numbers.Add(9);
  game.listed = 2;
  form.ShowGame(game);
  numbers.Add(10);  // the next game drew before the form was read
  EXPECT_STREQ(form.GetText(Control::label_alle_zahlen).GetText(), "   5r   9r") << "the list as the game left it";
}

}  // namespace
