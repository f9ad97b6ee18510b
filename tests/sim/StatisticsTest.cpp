#include <sstream>

#include "tests/sim/SimFixture.h"

namespace {

class Statistics : public SimFixture {
 protected:
  // Plays a run of one-game sessions, each ending as `ends` says, by the
  // poll and session handlers.
  void PlayRun(const char* sessions, const std::vector<int32_t>& spins) {
    Set(Control::rtb_anzahl_gesamtdurchgaenge, sessions);
    simulation.request_start();
    for (int32_t spin : spins) Spins({0, spin});
    Spins({0});
    while (true) {
      simulation.on_poll_timer();
      if (!form.TakeSessionTimerTick()) break;
      simulation.on_session_timer();
    }
  }

  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
};

TEST_F(Statistics, TenSessionsLineUpByFives) {
  Set(Control::rtb_anzahl_durchlauf, "1");
  PlayRun("10", std::vector<int32_t>(10, kRed));
  const std::string text = Text(Control::rtb_ergebnisse);
  EXPECT_EQ(Lines(text), (std::vector<std::string>{
                             "    10. 499 ||", "     9. 499 ||     8. 499 ||     7. 499 ||     6. 499 ||     5. 499 ||",
                             "     4. 499 ||     3. 499 ||     2. 499 ||     1. 499 ||"}));
  EXPECT_NE(text.back(), '\n');
}

TEST_F(Statistics, SevenSessionsBreakAfterFive) {
  Set(Control::rtb_anzahl_durchlauf, "1");
  PlayRun("7", std::vector<int32_t>(7, kRed));
  const auto lines = Lines(Text(Control::rtb_ergebnisse));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "     7. 499 ||     6. 499 ||     5. 499 ||");
}

TEST_F(Statistics, CountersAndSharesOfMixedEnds) {
  Set(Control::rtb_startkapital, "1");
  Set(Control::rtb_soll_kapital, "2");
  Set(Control::rtb_anzahl_durchlauf, "1");
  // A win reaches the maximum, a loss leaves nothing.
  PlayRun("3", {kBlack, kRed, kBlack});
  EXPECT_EQ(Text(Control::label_maximal_erreicht), "     2");
  EXPECT_EQ(Text(Control::label_minimal_erreicht), "     1");
  EXPECT_EQ(Text(Control::label_tischlimit_oder_maxspiele), "     0");
  EXPECT_EQ(Text(Control::label_proz_max), "66.67%");
  EXPECT_EQ(Text(Control::label_proz_min), "33.33%");
  EXPECT_EQ(Text(Control::label_proz_linmit), "0.00%");
  EXPECT_EQ(Text(Control::rtb_ergebnisse), "     3.   2 ||     2.   0 ||     1.   2 ||");
}

TEST_F(Statistics, EverySessionAtTheMaximumIsAHundredPercent) {
  Set(Control::rtb_soll_kapital, "501");
  PlayRun("2", {kBlack, kBlack});
  EXPECT_EQ(Text(Control::label_proz_max), "100.00%");
  EXPECT_EQ(Text(Control::label_proz_min), "0.00%");
  EXPECT_EQ(Text(Control::label_proz_linmit), "0.00%");
}

TEST_F(Statistics, ANewRunClearsTheCountersButTheResetKeepsTheList) {
  Set(Control::rtb_anzahl_durchlauf, "1");
  PlayRun("2", {kRed, kRed});
  ASSERT_EQ(Text(Control::label_tischlimit_oder_maxspiele), "     2");

  simulation.reset_settings();
  EXPECT_EQ(Text(Control::label_tischlimit_oder_maxspiele), "");
  EXPECT_EQ(Text(Control::label_proz_linmit), " %");
  EXPECT_EQ(Text(Control::rtb_ergebnisse), "     2. 499 ||     1. 499 ||");

  Set(Control::rtb_anzahl_durchlauf, "1");
  PlayRun("1", {kRed});
  EXPECT_EQ(Text(Control::rtb_ergebnisse), "     1. 499 ||");
  EXPECT_EQ(Text(Control::label_tischlimit_oder_maxspiele), "     1");
}

TEST_F(Statistics, AResetBetweenSessionsRestartsTheCountsButNotTheList) {
  Set(Control::rtb_anzahl_durchlauf, "1");
  Set(Control::rtb_anzahl_gesamtdurchgaenge, "2");
  simulation.request_start();
  Spins({0, kRed});
  simulation.on_poll_timer();
  ASSERT_TRUE(form.TakeSessionTimerTick());
  simulation.on_session_timer();

  simulation.reset_settings();
  Set(Control::rtb_anzahl_durchlauf, "1");
  Set(Control::rtb_anzahl_gesamtdurchgaenge, "2");
  Spins({0, kRed, 0});
  while (true) {
    simulation.on_poll_timer();
    if (!form.TakeSessionTimerTick()) break;
    simulation.on_session_timer();
  }
  EXPECT_EQ(Text(Control::label_tischlimit_oder_maxspiele), "     1");
  EXPECT_EQ(Text(Control::label_proz_linmit), "100.00%");
  EXPECT_EQ(Text(Control::rtb_ergebnisse), "     2. 499 ||     1. 499 ||");
}

TEST_F(Statistics, WideBalancesAreNotCut) {
  Set(Control::rtb_startkapital, "123456");
  Set(Control::rtb_soll_kapital, "999999");
  Set(Control::rtb_anzahl_durchlauf, "1");
  PlayRun("1", {kBlack});
  EXPECT_EQ(Text(Control::rtb_ergebnisse), "     1.123457 ||");
}

}  // namespace
