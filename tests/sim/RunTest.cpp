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
};

TEST_F(Run, AStartRequestSeedsStartsTheTimerAndShowsTheGenerator) {
  simulation.request_start();
  scripted.values = {30000 + 17};
  Record();
  simulation.on_poll_timer();
  EXPECT_EQ(form.Writes(), (std::vector<std::string>{"timer 100 1", "text rtb_random \"   17\""}));
  EXPECT_EQ(scripted.seeds, (std::vector<uint32_t>{1000, 1005}));
  EXPECT_TRUE(simulation.state().run_active);
  EXPECT_EQ(simulation.state().sessions_remaining, 3);
}

TEST_F(Run, AGeneratorValueOfZeroShowsAsBlanks) {
  scripted.values = {0, 30000};
  simulation.on_poll_timer();
  EXPECT_EQ(Text(Control::rtb_random), "     ");
  simulation.on_poll_timer();
  EXPECT_EQ(Text(Control::rtb_random), "     ");
}

TEST_F(Run, IdleTicksMoveTheGeneratorOn) {
  MemoryForm real_form(77);
  Simulation real(real_form);
  real.reset_settings();
  NumberGenerator expected;
  expected.Seed(77);
  for (int i = 0; i < 100; ++i) {
    real.on_poll_timer();
    EXPECT_EQ(ParseDecimal(real_form.GetText(Control::rtb_random).GetText()), expected.Next() % 30000) << i;
  }
}

TEST_F(Run, AFailedSessionCountDropsTheRequestAndTheTick) {
  Set(Control::rtb_anzahl_gesamtdurchgaenge, "0");
  simulation.request_start();
  Record();
  simulation.on_poll_timer();
  EXPECT_EQ(form.Writes(), (std::vector<std::string>{"message \"Fehler\" \"number of sessions: (1 - 500000)\""}));
  EXPECT_FALSE(simulation.state().start_requested);
  EXPECT_FALSE(simulation.state().run_active);
  EXPECT_EQ(scripted.drawn, 0);
}

TEST_F(Run, SessionsCountDownAndTheRunEnds) {
  simulation.request_start();
  Spins({0, kRed, 0, kRed, 0, kRed, 0});
  EXPECT_TRUE(Tick());
  EXPECT_EQ(Text(Control::label_akt_gesamtdurchgang), "     3");
  EXPECT_TRUE(Tick());
  EXPECT_TRUE(Tick());
  EXPECT_FALSE(simulation.state().run_active);
  EXPECT_EQ(simulation.state().sessions_remaining, 0);
  EXPECT_FALSE(Tick()) << "no fourth session";
  EXPECT_EQ(Text(Control::rtb_ergebnisse), "     3. 499 ||     2. 499 ||     1. 499 ||");
}

TEST_F(Run, StopDuringARunPlaysOneMoreSession) {
  Set(Control::rtb_anzahl_gesamtdurchgaenge, "10");
  simulation.request_start();
  Spins({0, kRed, 0, kRed, 0});
  EXPECT_TRUE(Tick());
  simulation.request_stop();
  EXPECT_TRUE(Tick());
  EXPECT_FALSE(simulation.state().run_active);
  EXPECT_EQ(Text(Control::rtb_ergebnisse), "    10. 499 ||\n     1. 499 ||");
  EXPECT_FALSE(Tick());
}

TEST_F(Run, ASecondStartWhileRunningNeitherReseedsNorRecounts) {
  simulation.request_start();
  Spins({0, kRed, 0});
  EXPECT_TRUE(Tick());
  simulation.request_start();
  Spins({kRed, 0});
  EXPECT_TRUE(Tick());
  EXPECT_EQ(scripted.seeds.size(), 2u) << "the reset's seed and the run's";
  EXPECT_EQ(simulation.state().sessions_remaining, 1);
}

TEST_F(Run, StartingAPendingTimerAgainStillPlaysOneSession) {
  simulation.request_start();
  Spins({0, 0, kRed, 0});
  simulation.on_poll_timer();
  simulation.request_start();
  simulation.on_poll_timer();
  ASSERT_TRUE(form.TakeSessionTimerTick());
  simulation.on_session_timer();
  EXPECT_FALSE(form.TakeSessionTimerTick());
  EXPECT_EQ(simulation.state().sessions_remaining, 2);
}

TEST_F(Run, AnInvalidSettingShowsItsMessageOncePerSession) {
  Set(Control::rtb_startkapital, "0");
  simulation.request_start();
  scripted.values = {0, 0, 0, 0};
  while (Tick()) {
  }
  EXPECT_EQ(form.Messages(), std::vector<std::string>(3, "balance: (1 - 1000000)"));
  EXPECT_EQ(Text(Control::rtb_ergebnisse), "     3. 500 ||     2. 500 ||     1. 500 ||")
      << "the balance left by the reset";
  EXPECT_EQ(Text(Control::label_proz_max), " %");
}

TEST_F(Run, TurnoverRestartsWithEverySession) {
  Set(Control::rtb_min_einsatz, "1");
  simulation.request_start();
  Spins({0, kRed, 0, kRed, 0, kRed, 0});
  while (Tick()) {
  }
  EXPECT_EQ(simulation.state().max_count, 0) << "the wager limit holds per session";
  EXPECT_EQ(simulation.state().limit_count, 3);
}

TEST_F(Run, FractionalSessionsPlayWholeOnesAndKeepTheStatistics) {
  simulation.request_start();
  Spins({0, kRed, 0, kRed, 0, kRed, 0});
  while (Tick()) {
  }
  ASSERT_EQ(simulation.state().limit_count, 3);

  Set(Control::rtb_anzahl_gesamtdurchgaenge, "2.5");
  simulation.request_start();
  Spins({0, kRed, 0, kRed, 0});
  int sessions = 0;
  while (Tick()) ++sessions;
  EXPECT_EQ(sessions, 2);
  EXPECT_EQ(simulation.state().limit_count, 5) << "never cleared: 2 is not 2.5";
  EXPECT_EQ(Text(Control::rtb_ergebnisse), "     3. 499 ||     2. 499 ||     1. 499 ||     2. 499 ||     1. 499 ||");
}

}  // namespace
