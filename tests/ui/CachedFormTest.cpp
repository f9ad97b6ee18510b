// The cache between the engine and the window's controls: a run through
// it leaves the controls as the engine leaves them directly, reads each
// control once a step, and hands writes over only when the window shows
// them.
#include "ui/CachedForm.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "sim/HeadlessRun.h"
#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

namespace {

// A memory form that notes the game the window showed when each message
// box and each pause came.
class CountingForm : public MemoryForm {
 public:
  using MemoryForm::MemoryForm;
  void ShowInformation(const char* caption, const char* text) override {
    shown_game.push_back(MemoryForm::GetText(Control::label_akt_durchlauf).GetText());
    MemoryForm::ShowInformation(caption, text);
  }
  void Sleep(uint32_t milliseconds) override {
    shown_game.push_back(MemoryForm::GetText(Control::label_akt_durchlauf).GetText());
    MemoryForm::Sleep(milliseconds);
  }
  std::vector<std::string> shown_game;
};

struct Settings {
  const char* name;
  const char* sessions;
  const char* games;
  const char* capital;
  const char* max_balance;
  bool red, switch_after_win, double_zero, first_bet_after_win;
};

// CTest lists a case by its name.
void PrintTo(const Settings& c, std::ostream* out) { *out << c.name; }

void Apply(FormOperations& form, const Settings& s) {
  form.SetText(Control::rtb_anzahl_gesamtdurchgaenge, WString(s.sessions));
  form.SetText(Control::rtb_anzahl_durchlauf, WString(s.games));
  form.SetText(Control::rtb_startkapital, WString(s.capital));
  form.SetText(Control::rtb_soll_kapital, WString(s.max_balance));
  form.SetChecked(Control::checkbox_rot_oder_schwarz, s.red);
  form.SetChecked(Control::checkbox_tauschen_bei_gewinn, s.switch_after_win);
  form.SetChecked(Control::checkbox_zero_oder_zerozero, s.double_zero);
  form.SetChecked(Control::checkbox_bei_gewinn_erster_einsatz, s.first_bet_after_win);
}

// The run as the engine plays it straight on a memory form.
void RunDirectly(MemoryForm& form, const Settings& settings) {
  Simulation engine(form);
  engine.reset_settings();
  Apply(form, settings);
  engine.request_start();
  RunHeadless(engine, form, 100000);
}

// The run as the window plays it: every timer tick is one step of the
// engine, with the cache forgetting before and flushing after it.
void RunThroughCache(CachedForm& cache, MemoryForm& controls, const Settings& settings) {
  Simulation engine(cache);
  cache.Forget();
  engine.reset_settings();
  cache.Flush();
  Apply(controls, settings);  // typed into the window
  engine.request_start();
  for (int tick = 0; tick < 100000; ++tick) {
    cache.Forget();
    engine.on_poll_timer();
    cache.Flush();
    if (controls.TakeSessionTimerTick()) {
      cache.Forget();
      engine.on_session_timer();
      cache.Flush();
    } else if (!engine.state().start_requested && !engine.state().run_active) {
      return;
    }
  }
}

const Settings kRuns[] = {
    {"Defaults", "6", "300", "500", "550", false, false, false, false},
    {"LiveListSwitchedOff", "5", "1200", "300", "400", true, true, true, false},
    {"FirstBetAfterWin", "4", "80", "200", "1000000", true, false, false, true},
    {"MaxBalanceCheckFails", "3", "50", "500", "450", false, false, false, false},
    {"SessionCheckFails", "3", "0", "500", "550", false, false, false, false},
};

class CachedRuns : public ::testing::TestWithParam<Settings> {};

TEST_P(CachedRuns, LeaveTheControlsAsTheEngineDoesDirectly) {
  MemoryForm direct(1234);
  RunDirectly(direct, GetParam());
  CountingForm controls(1234);
  uint32_t now = 0;
  CachedForm cache(controls, [&now] { return now += 3; });
  RunThroughCache(cache, controls, GetParam());

  EXPECT_NE(std::string(direct.GetText(Control::rtb_ergebnisse).GetText()).find("     1."), std::string::npos)
      << "the run played down to its last session";
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    const MemoryForm::ControlState& a = controls.At(control);
    const MemoryForm::ControlState& b = direct.At(control);
    EXPECT_TRUE(std::string(a.text.GetText()) == b.text.GetText() && a.checked == b.checked && a.fore == b.fore &&
                a.back == b.back && a.font == b.font)
        << ControlName(control) << ": \"" << a.text.GetText() << "\" against \"" << b.text.GetText() << '"';
  }
  EXPECT_EQ(controls.Messages(), direct.Messages());
}

INSTANTIATE_TEST_SUITE_P(Settings, CachedRuns, ::testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CachedForm, MessageBoxesAndPausesShowTheGameBehindThemPausesAtMostOnceAnInterval) {
  CountingForm controls;
  uint32_t now = 0;
  CachedForm cache(controls, [&now] { return now; });
  cache.SetText(Control::label_akt_durchlauf, WString("   7"));
  cache.ShowInformation("Fehler", "max amount: (1 - 1000000)");
  cache.SetText(Control::label_akt_durchlauf, WString("   1"));
  cache.Sleep(5);
  cache.SetText(Control::label_akt_durchlauf, WString("   2"));
  cache.Sleep(5);
  for (int game = 3; game <= 100; ++game) {
    now += 1;  // a millisecond a game
    cache.SetText(Control::label_akt_durchlauf, WString(std::to_string(game).c_str()));
    cache.Sleep(0);
  }
  // A pause shows its game; 98 ms of games without pauses show at 40 and 80.
  EXPECT_EQ(controls.shown_game, (std::vector<std::string>{"   7", "   1", "   2", "42", "82"}));
  EXPECT_EQ(controls.Messages(), std::vector<std::string>{"max amount: (1 - 1000000)"});
}

TEST(CachedForm, TheResultsListArrivesAsAppendsThatAddUpToTheWholeList) {
  const Settings twelve{"Twelve", "12", "40", "500", "550", false, false, false, false};
  MemoryForm direct(99);
  RunDirectly(direct, twelve);
  MemoryForm controls(99);
  controls.SetText(Control::rtb_ergebnisse, WString("left from the last run"));
  controls.SetRecording(true);
  CachedForm cache(controls, [] { return 0u; });
  RunThroughCache(cache, controls, twelve);
  int sets = 0;
  int appends = 0;
  for (const std::string& line : controls.Writes()) {
    sets += line.rfind("text rtb_ergebnisse", 0) == 0;
    appends += line.rfind("append rtb_ergebnisse", 0) == 0;
  }
  EXPECT_EQ(sets, 1) << "the run's first entry replaces the old list";
  EXPECT_EQ(appends, 11);
  EXPECT_STREQ(controls.GetText(Control::rtb_ergebnisse).GetText(), direct.GetText(Control::rtb_ergebnisse).GetText());

  cache.SetText(Control::rtb_ergebnisse, WString("    3. 500 ||"));
  cache.Flush();
  cache.Forget();
  cache.AppendText(Control::rtb_ergebnisse, WString("    2. 501 ||"));
  EXPECT_STREQ(cache.GetText(Control::rtb_ergebnisse).GetText(), "    3. 500 ||    2. 501 ||")
      << "an append before the first read is part of what is read";
  cache.SetText(Control::rtb_ergebnisse, WString("new"));
  cache.Flush();
  EXPECT_STREQ(controls.GetText(Control::rtb_ergebnisse).GetText(), "new") << "a whole text drops older appends";
}

}  // namespace
