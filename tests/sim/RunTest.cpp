// Runs driven by the poll and session timer handlers: seeding, counting
// down, stopping, pausing, and the statistics of the sessions played.
#include <sstream>

#include "tests/sim/SimFixture.h"

namespace {

class Run : public SimFixture {
 protected:
  Run() {
    Set(Control::rtb_anzahl_durchlauf, "1");
    Set(Control::rtb_anzahl_gesamtdurchgaenge, "3");
  }

  // A poll tick, and the session tick right away when it started the timer.
  bool Tick() {
    simulation.on_poll_timer();
    if (!form.TakeSessionTimerTick()) return false;
    simulation.on_session_timer();
    return true;
  }
  // Plays one-game sessions on these numbers until the run rests; each
  // session's poll tick draws a status value first.
  int PlayRun(const char* sessions, const std::vector<int32_t>& spins) {
    Set(Control::rtb_anzahl_gesamtdurchgaenge, sessions);
    simulation.request_start();
    for (int32_t spin : spins) Spins({0, spin});
    Spins({0});
    int played = 0;
    while (Tick()) ++played;
    return played;
  }
  std::string Counters() const {
    return Text(Control::label_maximal_erreicht) + "|" + Text(Control::label_minimal_erreicht) + "|" +
           Text(Control::label_tischlimit_oder_maxspiele) + "|" + Text(Control::label_proz_max) + "|" +
           Text(Control::label_proz_min) + "|" + Text(Control::label_proz_linmit);
  }
};

TEST_F(Run, AStartRequestSeedsStartsTheTimerAndShowsTheGenerator) {
  simulation.request_start();
  scripted.values = {30000 + 17, 0};
  Record();
  simulation.on_poll_timer();
  EXPECT_EQ(form.Writes(), (std::vector<std::string>{"timer 100 1", "text rtb_random \"   17\""}));
  EXPECT_EQ(scripted.seeds, (std::vector<uint32_t>{1000, 1005}));
  EXPECT_EQ(simulation.state().sessions_remaining, 3);
  form.TakeSessionTimerTick();
  simulation.on_poll_timer();
  EXPECT_EQ(Text(Control::rtb_random), "     ") << "a status of 0 prints no digit";
}

TEST_F(Run, SessionsCountDownTheListLinesUpByFivesAndTheRunEnds) {
  EXPECT_EQ(PlayRun("10", std::vector<int32_t>(10, kRed)), 10);
  EXPECT_FALSE(simulation.state().run_active);
  EXPECT_EQ(simulation.state().sessions_remaining, 0);
  EXPECT_EQ(Text(Control::rtb_ergebnisse),
            "    10. 499 ||\n     9. 499 ||     8. 499 ||     7. 499 ||     6. 499 ||     5. 499 ||\n"
            "     4. 499 ||     3. 499 ||     2. 499 ||     1. 499 ||");
  EXPECT_EQ(Counters(), "     0|     0|    10|0.00%|0.00%|100.00%");
}

TEST_F(Run, CountersAndSharesOfMixedEnds) {
  Set(Control::rtb_startkapital, "1");
  Set(Control::rtb_soll_kapital, "2");
  PlayRun("3", {kBlack, kRed, kBlack});  // a win reaches the maximum, a loss leaves nothing
  EXPECT_EQ(Counters(), "     2|     1|     0|66.67%|33.33%|0.00%");
  EXPECT_EQ(Text(Control::rtb_ergebnisse), "     3.   2 ||     2.   0 ||     1.   2 ||");
  // Each session's course as it went, for a chart beside the run; the next
  // run keeps only its own.
  const auto courses = [this] {
    std::ostringstream out;
    for (const PlayedCourse& course : simulation.state().courses) {
      for (double balance : course.balances) out << balance << " ";
      out << "(" << static_cast<int>(course.ending) << ") ";
    }
    return out.str();
  };
  EXPECT_EQ(simulation.state().sessions_ended, 3);
  EXPECT_EQ(courses(), "1 2 (0) 1 0 (1) 1 2 (0) ");
  PlayRun("1", {kRed});
  EXPECT_EQ(simulation.state().sessions_ended, 1);
  EXPECT_EQ(courses(), "1 0 (1) ");
}

TEST_F(Run, ASecondStartNeitherReseedsNorRecountsAndAPendingTimerPlaysOnce) {
  simulation.request_start();
  Spins({0, 0, kRed, 0, kRed, 0});
  simulation.on_poll_timer();
  simulation.request_start();
  simulation.on_poll_timer();  // starts the pending timer again
  ASSERT_TRUE(form.TakeSessionTimerTick());
  simulation.on_session_timer();
  EXPECT_FALSE(form.TakeSessionTimerTick());
  simulation.request_start();
  EXPECT_TRUE(Tick());
  EXPECT_EQ(scripted.seeds.size(), 2u) << "the reset's seed and the run's";
  EXPECT_EQ(simulation.state().sessions_remaining, 1);
}

TEST_F(Run, FractionalSessionsPlayWholeOnesAndKeepTheStatistics) {
  PlayRun("3", {kRed, kRed, kRed});
  EXPECT_EQ(PlayRun("2.5", {kRed, kRed}), 2);
  EXPECT_EQ(simulation.state().limit_count, 5) << "never cleared: 2 is not 2.5";
  EXPECT_EQ(Text(Control::rtb_ergebnisse), "     3. 499 ||     2. 499 ||     1. 499 ||     2. 499 ||     1. 499 ||");
}

}  // namespace
