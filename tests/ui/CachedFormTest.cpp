// The cache between the engine and the window's controls: a run through
// it leaves the controls as the engine leaves them directly, reads each
// control once a step, and hands writes over only when the window shows
// them.
#include "ui/CachedForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/HeadlessRun.h"
#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

namespace {

// A memory form that counts the reads the cache makes of it and notes what
// the window held when each message box and each pause came.
class CountingForm : public MemoryForm {
 public:
  using MemoryForm::MemoryForm;
  WString GetText(Control control) const override {
    ++text_reads;
    return MemoryForm::GetText(control);
  }
  bool GetChecked(Control box) const override {
    ++check_reads;
    return MemoryForm::GetChecked(box);
  }
  void ShowInformation(const char* caption, const char* text) override {
    game_at_message.push_back(MemoryForm::GetText(Control::label_akt_durchlauf).GetText());
    MemoryForm::ShowInformation(caption, text);
  }
  void Sleep(uint32_t milliseconds) override {
    game_at_pause.push_back(MemoryForm::GetText(Control::label_akt_durchlauf).GetText());
    MemoryForm::Sleep(milliseconds);
  }

  mutable int text_reads = 0;
  mutable int check_reads = 0;
  std::vector<std::string> game_at_message;
  std::vector<std::string> game_at_pause;
};

struct Clock {
  uint32_t now = 0;
  uint32_t step = 0;
  uint32_t Read() { return now += step; }
};

// Plays a run as the window does: every timer tick is one step of the
// engine, with the cache forgetting before and flushing after it.
void RunThroughCache(Simulation& simulation, CachedForm& cache, MemoryForm& controls) {
  for (int tick = 0; tick < 100000; ++tick) {
    cache.Forget();
    simulation.on_poll_timer();
    cache.Flush();
    if (controls.TakeSessionTimerTick()) {
      cache.Forget();
      simulation.on_session_timer();
      cache.Flush();
      continue;
    }
    if (!simulation.state().start_requested && !simulation.state().run_active) return;
  }
}

struct Settings {
  const char* sessions;
  const char* games;
  const char* capital;
  const char* max_balance;
  bool red, switch_after_win, double_zero, first_bet_after_win;
};

void Apply(FormOperations& form, const Settings& settings) {
  form.SetText(Control::rtb_anzahl_gesamtdurchgaenge, WString(settings.sessions));
  form.SetText(Control::rtb_anzahl_durchlauf, WString(settings.games));
  form.SetText(Control::rtb_startkapital, WString(settings.capital));
  form.SetText(Control::rtb_soll_kapital, WString(settings.max_balance));
  form.SetChecked(Control::checkbox_rot_oder_schwarz, settings.red);
  form.SetChecked(Control::checkbox_tauschen_bei_gewinn, settings.switch_after_win);
  form.SetChecked(Control::checkbox_zero_oder_zerozero, settings.double_zero);
  form.SetChecked(Control::checkbox_bei_gewinn_erster_einsatz, settings.first_bet_after_win);
}

void ExpectSameControls(const MemoryForm& cached, const MemoryForm& direct) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    SCOPED_TRACE(ControlName(control));
    EXPECT_STREQ(cached.At(control).text.GetText(), direct.At(control).text.GetText());
    EXPECT_EQ(cached.At(control).checked, direct.At(control).checked);
    EXPECT_EQ(cached.At(control).fore, direct.At(control).fore);
    EXPECT_EQ(cached.At(control).back, direct.At(control).back);
    EXPECT_EQ(cached.At(control).font, direct.At(control).font);
  }
  EXPECT_EQ(cached.Messages(), direct.Messages());
}

class CachedRuns : public ::testing::TestWithParam<Settings> {};

TEST_P(CachedRuns, LeaveTheControlsAsTheEngineDoesDirectly) {
  MemoryForm direct(1234);
  Simulation direct_engine(direct);
  direct_engine.reset_settings();
  Apply(direct, GetParam());
  direct_engine.request_start();
  RunHeadless(direct_engine, direct, 100000);
  const std::string sessions = GetParam().sessions;
  const std::string results = direct.GetText(Control::rtb_ergebnisse).GetText();
  if (sessions != "0") {
    EXPECT_NE(results.find("     1."), std::string::npos) << "the run played down to its last session";
  }

  CountingForm controls(1234);
  Clock clock{0, 3};
  CachedForm cache(controls, [&clock] { return clock.Read(); });
  Simulation engine(cache);
  cache.Forget();
  engine.reset_settings();
  cache.Flush();
  Apply(controls, GetParam());  // typed into the window
  engine.request_start();
  RunThroughCache(engine, cache, controls);

  ExpectSameControls(controls, direct);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, CachedRuns,
    ::testing::Values(Settings{"6", "300", "500", "550", false, false, false, false},
                      Settings{"5", "1200", "300", "400", true, true, true, false},  // live list switched off
                      Settings{"4", "80", "200", "1000000", true, false, false, true},
                      Settings{"3", "50", "500", "450", false, false, false, false},   // max balance check fails
                      Settings{"3", "0", "500", "550", false, false, false, false}));  // session check fails

TEST(CachedForm, ReadsEachControlOnceAStepAndAgainAfterForgetting) {
  CountingForm controls;
  CachedForm cache(controls, [] { return 0u; });
  controls.SetText(Control::rtb_g1, WString("  17"));
  EXPECT_STREQ(cache.GetText(Control::rtb_g1).GetText(), "  17");
  EXPECT_STREQ(cache.GetText(Control::rtb_g1).GetText(), "  17");
  cache.GetChecked(Control::checkbox_rot_oder_schwarz);
  cache.GetChecked(Control::checkbox_rot_oder_schwarz);
  EXPECT_EQ(controls.text_reads, 1);
  EXPECT_EQ(controls.check_reads, 1);

  controls.SetText(Control::rtb_g1, WString("  18"));  // typed between two steps
  cache.Forget();
  EXPECT_STREQ(cache.GetText(Control::rtb_g1).GetText(), "  18");
  EXPECT_EQ(controls.text_reads, 2);
}

TEST(CachedForm, WritesReachTheControlsWhenFlushedAndSurviveForgetting) {
  MemoryForm controls;
  CachedForm cache(controls, [] { return 0u; });
  cache.SetText(Control::label_akt_kapital, WString(" 512"));
  cache.SetChecked(Control::checkbox_rot_oder_schwarz, true);
  cache.SetFont(Control::label_alle_zahlen, "8.Courier New");
  cache.SetForeColor(Control::label_infolabel, WColor(WColor::Red));
  cache.Forget();
  EXPECT_STREQ(controls.GetText(Control::label_akt_kapital).GetText(), "") << "not shown yet";
  EXPECT_STREQ(cache.GetText(Control::label_akt_kapital).GetText(), " 512") << "a write is not forgotten";
  EXPECT_TRUE(cache.GetChecked(Control::checkbox_rot_oder_schwarz));
  cache.Flush();
  EXPECT_STREQ(controls.GetText(Control::label_akt_kapital).GetText(), " 512");
  EXPECT_TRUE(controls.GetChecked(Control::checkbox_rot_oder_schwarz));
  EXPECT_EQ(controls.At(Control::label_alle_zahlen).font, "8.Courier New");
  EXPECT_EQ(controls.At(Control::label_infolabel).fore.GetIndex(), WColor::Red);
  EXPECT_STREQ(controls.GetText(Control::label_akt_einsatz).GetText(), "") << "untouched controls stay";
}

TEST(CachedForm, AMessageBoxComesOverAWindowThatIsUpToDate) {
  CountingForm controls;
  CachedForm cache(controls, [] { return 0u; });
  cache.SetText(Control::label_akt_durchlauf, WString("   7"));
  cache.ShowInformation("Fehler", "max amount: (1 - 1000000)");
  EXPECT_EQ(controls.game_at_message, std::vector<std::string>{"   7"});
  EXPECT_EQ(controls.Messages(), std::vector<std::string>{"max amount: (1 - 1000000)"});
}

TEST(CachedForm, PausesShowEveryGameAndNoPauseAtMostOnceAnInterval) {
  CountingForm controls;
  Clock clock;
  CachedForm cache(controls, [&clock] { return clock.now; });
  cache.SetText(Control::label_akt_durchlauf, WString("   1"));
  cache.Sleep(5);
  cache.SetText(Control::label_akt_durchlauf, WString("   2"));
  cache.Sleep(5);
  EXPECT_EQ(controls.game_at_pause, (std::vector<std::string>{"   1", "   2"})) << "a pause shows its game";

  for (int game = 3; game <= 100; ++game) {
    clock.now += 1;  // a millisecond a game
    cache.SetText(Control::label_akt_durchlauf, WString(std::to_string(game).c_str()));
    cache.Sleep(0);
  }
  // 98 ms of games without pauses: shown at 40 and 80 ms.
  EXPECT_EQ(controls.game_at_pause, (std::vector<std::string>{"   1", "   2", "42", "82"}));
}

}  // namespace

TEST(CachedForm, TheResultsListReachesTheControlAsAppendsThatAddUpToTheWholeList) {
  MemoryForm direct(99);
  Simulation direct_engine(direct);
  direct_engine.reset_settings();
  Apply(direct, Settings{"12", "40", "500", "550", false, false, false, false});
  direct_engine.request_start();
  RunHeadless(direct_engine, direct, 1000);

  MemoryForm controls(99);
  CachedForm cache(controls, [] { return 0u; });
  Simulation engine(cache);
  engine.reset_settings();
  cache.Flush();
  Apply(controls, Settings{"12", "40", "500", "550", false, false, false, false});
  controls.SetText(Control::rtb_ergebnisse, WString("left from the last run"));
  controls.SetRecording(true);
  engine.request_start();
  RunThroughCache(engine, cache, controls);

  int sets = 0;
  int appends = 0;
  for (const std::string& line : controls.Writes()) {
    if (line.rfind("text rtb_ergebnisse", 0) == 0) ++sets;
    if (line.rfind("append rtb_ergebnisse", 0) == 0) ++appends;
  }
  EXPECT_EQ(sets, 1) << "the run's first entry replaces the old list";
  EXPECT_EQ(appends, 11);
  EXPECT_STREQ(controls.GetText(Control::rtb_ergebnisse).GetText(), direct.GetText(Control::rtb_ergebnisse).GetText());
}

TEST(CachedForm, AnAppendBeforeTheFirstReadIsPartOfWhatIsRead) {
  MemoryForm controls;
  controls.SetText(Control::rtb_ergebnisse, WString("    3. 500 ||"));
  CachedForm cache(controls, [] { return 0u; });
  cache.AppendText(Control::rtb_ergebnisse, WString("    2. 501 ||"));
  EXPECT_STREQ(cache.GetText(Control::rtb_ergebnisse).GetText(), "    3. 500 ||    2. 501 ||");
  cache.AppendText(Control::rtb_ergebnisse, WString("    1. 502 ||"));
  cache.Flush();
  EXPECT_STREQ(controls.GetText(Control::rtb_ergebnisse).GetText(), "    3. 500 ||    2. 501 ||    1. 502 ||");
  cache.SetText(Control::rtb_ergebnisse, WString("new"));
  cache.Flush();
  EXPECT_STREQ(controls.GetText(Control::rtb_ergebnisse).GetText(), "new") << "a whole text drops older appends";
}

TEST(CachedForm, AShownGameIsFormattedOnlyWhenTheWindowShowsIt) {
  MemoryForm controls;
  controls.SetRecording(true);
  CachedForm cache(controls, [] { return 0u; });
  GameView game;
  game.game = 12;
  game.number = 37;
  game.colour = NumberColour::DoubleZero;
  game.balance = 480;
  game.bet = 3;
  cache.ShowGame(game);
  game.game = 13;
  cache.ShowGame(game);
  EXPECT_TRUE(controls.Writes().empty()) << "nothing reaches the controls before they are shown";
  cache.Flush();
  EXPECT_STREQ(controls.GetText(Control::label_akt_durchlauf).GetText(), "  13");
  EXPECT_STREQ(controls.GetText(Control::label_aktueller_durchgang).GetText(), " 00");
  EXPECT_EQ(controls.At(Control::label_aktueller_durchgang).back.GetIndex(), WColor::Green);
  int game_writes = 0;
  for (const std::string& line : controls.Writes()) game_writes += line.rfind("text label_akt_durchlauf", 0) == 0;
  EXPECT_EQ(game_writes, 1) << "the later game replaced the earlier one unseen";
}
