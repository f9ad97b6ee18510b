#include "tests/sim/SimFixture.h"

namespace {

using GameLoop = SimFixture;

TEST_F(GameLoop, OneGameWritesEveryDisplayInOrder) {
  Set(Control::rtb_anzahl_durchlauf, "1");
  Spins({kBlack});
  Record();
  simulation.play_session();
  const std::vector<std::string> expected = {
      "font label_alle_zahlen \"12.Courier New\"",
      "text label_infolabel \"\"",
      "text label_alle_zahlen \"\"",
      "back label_aktueller_durchgang 7",
      "fore label_aktueller_durchgang 13",
      "text label_alle_zahlen \"   2s\"",
      "text label_aktueller_durchgang \"   2\"",
      "text label_akt_durchlauf \"   1\"",
      "text label_akt_kapital \" 501\"",
      "text label_akt_einsatz \"   2\"",
      "sleep 0",
  };
  EXPECT_EQ(form.Writes(), expected);
  EXPECT_EQ(simulation.state().limit_count, 1) << "the last game of a full session counts at the table or game limit";
}

TEST_F(GameLoop, ColoursOfTheNumberDisplay) {
  Set(Control::rtb_anzahl_durchlauf, "3");
  Spins({kRed, kZero, kBlack});
  Record();
  simulation.play_session();
  EXPECT_EQ(WritesStartingWith("back "),
            (std::vector<std::string>{"back label_aktueller_durchgang 1", "back label_aktueller_durchgang 2",
                                      "back label_aktueller_durchgang 7"}));
  EXPECT_EQ(WritesStartingWith("fore "),
            (std::vector<std::string>{"fore label_aktueller_durchgang 2", "fore label_aktueller_durchgang 7",
                                      "fore label_aktueller_durchgang 13"}));
}

TEST_F(GameLoop, WinsStepThroughTheProgressionAndALossReturnsToTheFirstBet) {
  Set(Control::rtb_anzahl_durchlauf, "5");
  Spins({kBlack, kBlack2, kBlack, kBlack2, kRed});
  Record();
  simulation.play_session();
  EXPECT_EQ(WritesStartingWith("text label_akt_einsatz"),
            (std::vector<std::string>{"text label_akt_einsatz \"   2\"", "text label_akt_einsatz \"   5\"",
                                      "text label_akt_einsatz \"  11\"", "text label_akt_einsatz \"  23\"",
                                      "text label_akt_einsatz \"   1\""}));
  // 500 + 1 + 2 + 5 + 11 - 23
  EXPECT_EQ(simulation.state().balance, 496);
}

TEST_F(GameLoop, ZeroLosesForBothColours) {
  Set(Control::rtb_anzahl_durchlauf, "1");
  for (bool red : {false, true}) {
    form.SetChecked(Control::checkbox_rot_oder_schwarz, red);
    Spins({kZero});
    simulation.play_session();
    EXPECT_EQ(simulation.state().balance, 499) << (red ? "betting red" : "betting black");
  }
}

TEST_F(GameLoop, DoubleZeroIsShownAsDoubleZero) {
  Set(Control::rtb_anzahl_durchlauf, "1");
  form.SetChecked(Control::checkbox_zero_oder_zerozero, true);
  Spins({37});
  simulation.play_session();
  EXPECT_EQ(Text(Control::label_aktueller_durchgang), " 00");
  EXPECT_EQ(simulation.state().numbers.Text(), "  00zerozero");
  EXPECT_EQ(simulation.state().balance, 499);
}

TEST_F(GameLoop, TheWheelSkipsRawValuesBeyondItsNumbers) {
  Spins({50, 37, 88, 5});  // 88 % 51 = 37
  EXPECT_EQ(simulation.draw_number(), 5);

  Set(Control::rtb_anzahl_durchlauf, "1");
  form.SetChecked(Control::checkbox_zero_oder_zerozero, true);
  Spins({50, 38, 88});
  simulation.play_session();
  EXPECT_EQ(simulation.state().last_number, 37);
}

TEST_F(GameLoop, LossesBeyondElevenKeepTheEleventhBet) {
  form.SetChecked(Control::checkbox_bei_verlust_erster_einsatz, false);
  Set(Control::rtb_anzahl_durchlauf, "13");
  Set(Control::rtb_startkapital, "1000");
  Set(Control::rtb_soll_kapital, "2000");
  Spins({kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed});
  Record();
  simulation.play_session();
  const auto bets = WritesStartingWith("text label_akt_einsatz");
  ASSERT_EQ(bets.size(), 13u);
  EXPECT_EQ(bets[9], "text label_akt_einsatz \"  11\"");
  EXPECT_EQ(bets[10], "text label_akt_einsatz \"  12\"");
  EXPECT_EQ(bets[11], "text label_akt_einsatz \"  12\"");
  EXPECT_EQ(bets[12], "text label_akt_einsatz \"  12\"");
}

TEST_F(GameLoop, StreaksCarryOverIntoTheNextSession) {
  form.SetChecked(Control::checkbox_bei_verlust_erster_einsatz, false);
  Set(Control::rtb_anzahl_durchlauf, "3");
  Spins({kRed, kRed, kRed});
  simulation.play_session();
  ASSERT_EQ(simulation.state().loss_streak, 3);

  Set(Control::rtb_anzahl_durchlauf, "1");
  Spins({kRed});
  simulation.play_session();
  EXPECT_EQ(simulation.state().loss_streak, 4);
  EXPECT_EQ(simulation.state().bet, 5) << "entry 4 of the loss row";
}

TEST_F(GameLoop, ProgressionEntriesThatAreNoNumbersBetOne) {
  Set(Control::rtb_g1, "abc");
  Set(Control::rtb_g2, "-40");
  Set(Control::rtb_anzahl_durchlauf, "2");
  Spins({kBlack, kBlack});
  Record();
  simulation.play_session();
  EXPECT_EQ(WritesStartingWith("text label_akt_einsatz"),
            (std::vector<std::string>{"text label_akt_einsatz \"   1\"", "text label_akt_einsatz \"   1\""}));
}

TEST_F(GameLoop, HugeProgressionEntriesSaturate) {
  form.SetChecked(Control::checkbox_bei_tischlimit_neueinsatz, false);
  Set(Control::rtb_anzahl_durchlauf, "1");
  for (const char* entry : {"1e30", "4294967297", "-1e30"}) {
    for (Control field : kBetAfterWins) Set(field, entry);
    Spins({kBlack});
    simulation.play_session();
    EXPECT_EQ(simulation.state().bet, entry[0] == '-' ? 1 : 2147483647) << entry;
  }
}

class TableLimit : public SimFixture {
 protected:
  TableLimit() {
    Set(Control::rtb_tischlimit, "10");
    Set(Control::rtb_g1, "11");
    Set(Control::rtb_g2, "12");
    Set(Control::rtb_startkapital, "100");
    Set(Control::rtb_soll_kapital, "1000");
  }
};

TEST_F(TableLimit, ABetOfTheLimitPlusOneIsPlayedAndOneMoreEndsTheSession) {
  form.SetChecked(Control::checkbox_bei_tischlimit_neueinsatz, false);
  Spins({kBlack, kBlack});
  simulation.play_session();
  EXPECT_EQ(scripted.drawn, 2) << "the bet of 11 is still played";
  EXPECT_EQ(simulation.state().bet, 12);
  EXPECT_EQ(Text(Control::label_infolabel), "bet > table limit or amount");
  EXPECT_EQ(form.At(Control::label_infolabel).fore, WColor(WColor::Red));
  EXPECT_EQ(simulation.state().limit_count, 1);
}

TEST_F(TableLimit, WithTheResetBoxABetAtTheLimitBecomesTheFirstBet) {
  Set(Control::rtb_anzahl_durchlauf, "1");
  Spins({kBlack});
  simulation.play_session();
  EXPECT_EQ(simulation.state().bet, 1);
}

TEST_F(GameLoop, WagerLimitStopsBeforeTheGameThatWouldPassIt) {
  Set(Control::rtb_min_einsatz, "10");
  Spins({kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed});
  simulation.play_session();
  EXPECT_EQ(scripted.drawn, 10);
  EXPECT_EQ(Text(Control::label_infolabel), "wager limit reached!");
  EXPECT_EQ(form.At(Control::label_infolabel).fore, WColor(WColor::Green));
  EXPECT_EQ(simulation.state().max_count, 1);
}

TEST_F(GameLoop, FractionalGamesPlayTheWholeGamesOnlyAndCountNothing) {
  Set(Control::rtb_anzahl_durchlauf, "2.5");
  Spins({kRed, kRed});
  simulation.play_session();
  EXPECT_EQ(scripted.drawn, 2);
  EXPECT_EQ(simulation.state().limit_count + simulation.state().max_count + simulation.state().min_count, 0);
  EXPECT_EQ(Text(Control::label_infolabel), "");
}

TEST_F(GameLoop, BalanceAtTheMinimumEndsTheSession) {
  Set(Control::rtb_startkapital, "101");
  Set(Control::rtb_min_kapital, "100");
  Set(Control::rtb_v1, "10");
  form.SetChecked(Control::checkbox_bei_verlust_erster_einsatz, false);
  Spins({kRed});
  simulation.play_session();
  EXPECT_EQ(simulation.state().balance, 100);
  EXPECT_EQ(Text(Control::label_infolabel), "min balance reached !");
  EXPECT_EQ(simulation.state().min_count, 1);
}

TEST_F(GameLoop, BalanceBelowTheNextBetSaysSoAndCountsOnce) {
  Set(Control::rtb_startkapital, "1");
  Spins({kRed});
  simulation.play_session();
  EXPECT_EQ(simulation.state().balance, 0);
  EXPECT_EQ(Text(Control::label_infolabel), "balance < next bet !");
  EXPECT_EQ(simulation.state().min_count, 1);
}

TEST_F(GameLoop, MaximumReachedBelowALargeNextBetCountsBoth) {
  Set(Control::rtb_startkapital, "10");
  Set(Control::rtb_soll_kapital, "11");
  Set(Control::rtb_g1, "500");
  form.SetChecked(Control::checkbox_bei_tischlimit_neueinsatz, false);
  Spins({kBlack});
  Record();
  simulation.play_session();
  EXPECT_EQ(simulation.state().max_count, 1);
  EXPECT_EQ(simulation.state().min_count, 1);
  EXPECT_EQ(WritesStartingWith("text label_infolabel").back(), "text label_infolabel \"balance < next bet !\"");
  EXPECT_EQ(WritesStartingWith("fore label_infolabel"),
            (std::vector<std::string>{"fore label_infolabel 2", "fore label_infolabel 1", "fore label_infolabel 1"}));
}

TEST_F(GameLoop, SwitchAfterWinFlipsTheColourBox) {
  form.SetChecked(Control::checkbox_tauschen_bei_gewinn, true);
  form.SetChecked(Control::checkbox_rot_oder_schwarz, true);
  Set(Control::rtb_anzahl_durchlauf, "2");
  Spins({kRed, kBlack2});
  simulation.play_session();
  EXPECT_EQ(simulation.state().win_streak, 2) << "the second game was bet on black";
  EXPECT_TRUE(form.GetChecked(Control::checkbox_rot_oder_schwarz)) << "and its win switched back to red";

  form.SetChecked(Control::checkbox_tauschen_bei_gewinn, false);
  Spins({kRed, kRed2});
  simulation.play_session();
  EXPECT_TRUE(form.GetChecked(Control::checkbox_rot_oder_schwarz));
}

TEST_F(GameLoop, LongSessionsSwitchTheLiveListOff) {
  Set(Control::rtb_anzahl_durchlauf, "1000");
  Set(Control::rtb_soll_kapital, "501");
  Spins({kRed, kBlack, kBlack2});
  Record();
  simulation.play_session();
  EXPECT_FALSE(form.GetChecked(Control::checkbox_zahlen_des_letzten_durchganges));
  EXPECT_EQ(form.At(Control::label_alle_zahlen).font, "8.Courier New");
  EXPECT_EQ(simulation.state().numbers.Text(), "   1r   2s   4s") << "the list is still built";
  // The first game read the box as checked and still shows its list.
  EXPECT_EQ(WritesStartingWith("text label_alle_zahlen"),
            (std::vector<std::string>{"text label_alle_zahlen \"\"", "text label_alle_zahlen \"   1r\"",
                                      "text label_alle_zahlen \"\"", "text label_alle_zahlen \"\""}));
}

TEST_F(GameLoop, DelayPausesBetweenGames) {
  Set(Control::rtb_verzoegerung, "12.9");
  Set(Control::rtb_anzahl_durchlauf, "2");
  Spins({kRed, kRed});
  Record();
  simulation.play_session();
  EXPECT_EQ(WritesStartingWith("sleep"), (std::vector<std::string>{"sleep 12", "sleep 12"}));
}

}  // namespace
