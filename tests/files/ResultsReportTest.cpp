// The results report against reports written out by hand from its layout.
#include "files/ResultsReport.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/HeadlessRun.h"

namespace {

class ResultsReportTest : public ::testing::Test {
 protected:
  ResultsReportTest() { simulation.reset_settings(); }
  std::string Report() const { return ResultsReport::Format(form, played); }
  void Set(Control control, const char* text) { form.SetText(control, WString(text)); }

  MemoryForm form{1000};
  Simulation simulation{form};
  SimSettings played;  // the stored flags, all clear as before any game
};

TEST_F(ResultsReportTest, BeforeAnySessionWithEveryOptionClear) {
  EXPECT_EQ(Report(),
            "capital:     500\r\nsessions:    10\r\nfirst bet:   1\r\nminimum bet:100000\r\ntable limit:  1000\r\n"
            "bet if win: \r\n   2    5   11   23   47   95  191  382  765 1531 3063\r\n"
            "bet with game lost: \r\n   2    3    4    5    6    7    8    9   10   11   12\r\n"
            "\r\nno change red/black\r\n\r\n\r\nif reached table limit - STOP\r\n\r\n\r\ngame with Zero\r\n\r\n"
            "max balance minimum bet: \r\n\r\nmin. balance: \r\n\r\ntable limit or reached max games: \r\n\r\n"
            "final balance for sessions: \r\n\r\n");
}

TEST_F(ResultsReportTest, AfterARunWithEveryOptionSetAnEmptyFieldAndAnyLineBreaks) {
  played.first_bet_after_win = played.first_bet_after_loss = played.switch_after_win = true;
  played.first_bet_at_table_limit = played.double_zero = true;
  Set(Control::rtb_startkapital, "");
  Set(Control::label_maximal_erreicht, "     3");
  Set(Control::label_minimal_erreicht, "     1");
  Set(Control::label_tischlimit_oder_maxspiele, "     0");
  Set(Control::rtb_ergebnisse, "     4. 550 ||\r\n     3. 120 ||     2. 560 ||\r     1. 552 ||\n\n");
  EXPECT_EQ(Report(),
            "capital:\r\nsessions:    10\r\nfirst bet:   1\r\nminimum bet:100000\r\ntable limit:  1000\r\n"
            "\r\nfirst bet if won\r\n\r\n\r\nfirst bet if lost\r\n\r\n\r\nchange red/black if won\r\n\r\n"
            "\r\nnew minimum bet if reached table limit\r\n\r\n\r\ngame with ZeroZero\r\n\r\n"
            "max balance minimum bet: \r\n     3\r\nmin. balance: \r\n     1\r\n"
            "table limit or reached max games: \r\n     0\r\nfinal balance for sessions: \r\n"
            "     4. 550 ||\r\n     3. 120 ||     2. 560 ||\r\n     1. 552 ||\r\n\r\n\r\n");
}

TEST_F(ResultsReportTest, OneFirstBetOptionLeavesOutOnlyItsOwnRow) {
  played.first_bet_after_win = true;
  const std::string report = Report();
  EXPECT_EQ(report.find("bet if win: "), std::string::npos);
  EXPECT_NE(report.find("table limit:  1000\r\n\r\nfirst bet if won\r\n\r\nbet with game lost: \r\n"
                        "   2    3    4    5    6    7    8    9   10   11   12\r\n"),
            std::string::npos)
      << report;
}

TEST_F(ResultsReportTest, EmptyProgressionEntriesKeepTheirPlacesInTheRow) {
  Set(Control::rtb_g1, "");
  Set(Control::rtb_g2, "");
  Set(Control::rtb_v6, "");
  Set(Control::rtb_v11, "");
  const std::string report = Report();
  EXPECT_NE(report.find("bet if win: \r\n    11   23   47   95  191  382  765 1531 3063\r\n"), std::string::npos)
      << report;
  EXPECT_NE(report.find("lost: \r\n   2    3    4    5    6     8    9   10   11 \r\n"), std::string::npos) << report;
}

TEST_F(ResultsReportTest, TheResetEmptiesTheCountsButTheListStaysUntilTheNextRun) {
  form.SetText(Control::rtb_anzahl_gesamtdurchgaenge, WString("2"));
  form.SetText(Control::rtb_anzahl_durchlauf, WString("20"));
  simulation.request_start();
  RunHeadless(simulation, form, 20);
  simulation.reset_settings();
  const std::string report = ResultsReport::Format(form, simulation.settings());
  const std::string list = form.GetText(Control::rtb_ergebnisse).GetText();
  ASSERT_NE(list.find("     1."), std::string::npos) << "the run was played";
  EXPECT_NE(report.find("max balance minimum bet: \r\n\r\nmin. balance: \r\n\r\n"), std::string::npos) << report;
  EXPECT_NE(report.find("final balance for sessions: \r\n" + list + "\r\n"), std::string::npos) << report;
}

}  // namespace
