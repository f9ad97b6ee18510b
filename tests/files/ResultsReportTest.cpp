// The results report against reports written out by hand from its layout.
#include "files/ResultsReport.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

namespace {

class ResultsReportTest : public ::testing::Test {
 protected:
  ResultsReportTest() { simulation.reset_settings(); }
  MemoryForm form{1000};
  Simulation simulation{form};
  SimSettings played;  // the stored flags, all clear as before any game
};

TEST_F(ResultsReportTest, BeforeAnySessionWithEveryOptionClear) {
  const std::string expected =
      "capital:     500\r\n"
      "sessions:    10\r\n"
      "first bet:   1\r\n"
      "minimum bet:100000\r\n"
      "table limit:  1000\r\n"
      "bet if win: \r\n"
      "   2    5   11   23   47   95  191  382  765 1531 3063\r\n"
      "bet with game lost: \r\n"
      "   2    3    4    5    6    7    8    9   10   11   12\r\n"
      "\r\n"
      "no change red/black\r\n"
      "\r\n"
      "\r\n"
      "if reached table limit - STOP\r\n"
      "\r\n"
      "\r\n"
      "game with Zero\r\n"
      "\r\n"
      "max balance minimum bet: \r\n"
      "\r\n"
      "min. balance: \r\n"
      "\r\n"
      "table limit or reached max games: \r\n"
      "\r\n"
      "final balance for sessions: \r\n"
      "\r\n";
  const std::string report = ResultsReport::Format(form, played);
  EXPECT_EQ(report, expected);
  EXPECT_EQ(report.find("first bet if"), std::string::npos);
}

TEST_F(ResultsReportTest, AfterARunWithEveryOptionSetAndAnEmptyField) {
  played.first_bet_after_win = true;
  played.first_bet_after_loss = true;
  played.switch_after_win = true;
  played.first_bet_at_table_limit = true;
  played.double_zero = true;
  form.SetText(Control::rtb_startkapital, WString(""));
  form.SetText(Control::label_maximal_erreicht, WString("     3"));
  form.SetText(Control::label_minimal_erreicht, WString("     1"));
  form.SetText(Control::label_tischlimit_oder_maxspiele, WString("     0"));
  // Line breaks as the list box may give them back.
  form.SetText(Control::rtb_ergebnisse, WString("     4. 550 ||\r\n     3. 120 ||     2. 560 ||\r     1. 552 ||"));
  const std::string expected =
      "capital:\r\n"
      "sessions:    10\r\n"
      "first bet:   1\r\n"
      "minimum bet:100000\r\n"
      "table limit:  1000\r\n"
      "\r\n"
      "first bet if won\r\n"
      "\r\n"
      "\r\n"
      "first bet if lost\r\n"
      "\r\n"
      "\r\n"
      "change red/black if won\r\n"
      "\r\n"
      "\r\n"
      "new minimum bet if reached table limit\r\n"
      "\r\n"
      "\r\n"
      "game with ZeroZero\r\n"
      "\r\n"
      "max balance minimum bet: \r\n"
      "     3\r\n"
      "min. balance: \r\n"
      "     1\r\n"
      "table limit or reached max games: \r\n"
      "     0\r\n"
      "final balance for sessions: \r\n"
      "     4. 550 ||\r\n"
      "     3. 120 ||     2. 560 ||\r\n"
      "     1. 552 ||\r\n";
  EXPECT_EQ(ResultsReport::Format(form, played), expected);
}

TEST_F(ResultsReportTest, OneFirstBetOptionLeavesOutOnlyItsOwnRow) {
  played.first_bet_after_win = true;
  const std::string report = ResultsReport::Format(form, played);
  EXPECT_EQ(report.find("bet if win: "), std::string::npos);
  EXPECT_NE(report.find("table limit:  1000\r\n\r\nfirst bet if won\r\n\r\nbet with game lost: \r\n"
                        "   2    3    4    5    6    7    8    9   10   11   12\r\n"),
            std::string::npos)
      << report;
}

TEST_F(ResultsReportTest, TheResetEmptiesTheCountsButTheListStaysUntilTheNextRun) {
  form.SetText(Control::rtb_anzahl_gesamtdurchgaenge, WString("2"));
  form.SetText(Control::rtb_anzahl_durchlauf, WString("20"));
  simulation.request_start();
  for (int tick = 0; tick < 20; ++tick) {
    simulation.on_poll_timer();
    if (form.TakeSessionTimerTick()) simulation.on_session_timer();
  }
  simulation.reset_settings();
  const std::string report = ResultsReport::Format(form, simulation.settings());
  EXPECT_NE(report.find("max balance minimum bet: \r\n\r\nmin. balance: \r\n\r\n"), std::string::npos) << report;
  const std::string list = form.GetText(Control::rtb_ergebnisse).GetText();
  ASSERT_NE(list.find("     1."), std::string::npos) << "the run was played";
  EXPECT_NE(report.find("final balance for sessions: \r\n" + list + "\r\n"), std::string::npos) << report;
}

TEST(ReportLineBreaks, EveryFormOfLineBreakBecomesCrLf) {
  EXPECT_EQ(ResultsReport::WithCrLf("a\nb\r\nc\rd\n\ne"), "a\r\nb\r\nc\r\nd\r\n\r\ne");
  EXPECT_EQ(ResultsReport::WithCrLf("\r\r\n"), "\r\n\r\n");
  EXPECT_EQ(ResultsReport::WithCrLf(""), "");
}

}  // namespace
