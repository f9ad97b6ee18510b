// Runs played from the main form's window: fields typed, buttons clicked,
// timers running, message boxes answered, and what the window shows
// compared with the engine on the memory form.
#include "framework/events/WindowsHeadersWin32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "sim/MemoryForm.h"
#include "tests/ui/MainFormFixtureWin32.h"

namespace {

// Follows the form's timers and its start button: every tick and click
// goes into one trace, in the order they arrive. Its handlers run before
// the form's own and leave the events to them.
class Recorder : public WObject {
 public:
  bool Poll(WObject*, WEventData*) { return Note('P', nullptr); }
  bool Session(WObject*, WEventData*) { return Note('S', on_session); }
  bool Start(WObject*, WEventData*) { return Note('R', on_start); }
  // Every painting of a label asks its form for the label's colours, also
  // where the system paints a label at once instead of through WM_PAINT.
  bool Colours(WObject*, WEventData* data) {
    const WMessage& message = static_cast<WMessageEventData*>(data)->message;
    if (reinterpret_cast<void*>(message.lparam) == watched->GetHandle())
      painted.emplace_back(watched->GetText().GetText());
    return false;
  }

  std::string trace;
  std::function<void()> on_session, on_start;
  WWindow* watched = nullptr;
  std::vector<std::string> painted;

 private:
  bool Note(char tick, const std::function<void()>& then) {
    trace += tick;
    if (then) then();
    return false;
  }
};

class MainFormRun : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    if (HasFatalFailure()) return;
    form.poll_timer()->SetEventHandler(TimerEvent, &recorder, &Recorder::Poll);
    form.session_timer()->SetEventHandler(TimerEvent, &recorder, &Recorder::Session);
    Window("cb_start")->SetEventHandler(ClickEvent, &recorder, &Recorder::Start);
  }
  void TypeAll(const std::vector<std::pair<const char*, const char*>>& fields) {
    for (const auto& [name, text] : fields) Type(name, text);
  }
  // The results list with its line breaks as the engine writes them.
  std::string Results() const {
    std::string text = Text("rtb_ergebnisse");
    for (std::size_t at; (at = text.find('\r')) != std::string::npos;) text.replace(at, 1, "\n");
    return text;
  }
  int Entries() const {
    const std::string results = Results();
    return static_cast<int>(std::count(results.begin(), results.end(), '|') / 2);
  }
  int Sessions() const { return static_cast<int>(std::count(recorder.trace.begin(), recorder.trace.end(), 'S')); }
  // The game numbers the window painted while its one session played.
  std::vector<std::string> PaintedDuringTheSession() {
    recorder.watched = Window("label_akt_durchlauf");
    form.SetEventHandler(ControlColorEvent, &recorder, &Recorder::Colours);
    std::size_t before = 0;
    const auto previous = recorder.on_session;
    recorder.on_session = [&] {
      before = recorder.painted.size();
      if (previous) previous();
    };
    Click("cb_start");
    EXPECT_TRUE(WaitForRunEnd());
    std::vector<std::string> during(recorder.painted.begin() + static_cast<std::ptrdiff_t>(before),
                                    recorder.painted.end());
    during.erase(std::unique(during.begin(), during.end()), during.end());
    return during;
  }

  Recorder recorder;
};

TEST_F(MainFormRun, AWholeRunShowsWhatTheEngineGivesOnTheMemoryForm) {
  TypeAll({{"rtb_anzahl_gesamtdurchgaenge", "8"},
           {"rtb_anzahl_durchlauf", "150"},
           {"rtb_startkapital", "300"},
           {"rtb_soll_kapital", "330"},
           {"rtb_min_kapital", "240"},
           {"rtb_g2", "4"}});
  for (const char* box : {"checkbox_rot_oder_schwarz", "checkbox_tauschen_bei_gewinn", "checkbox_zero_oder_zerozero"}) {
    Click(box);
  }
  PumpQueued();
  // What the engine reads when the run starts: every input of the window.
  MemoryForm memory(clock.calendar);
  recorder.on_start = [&] {
    for (std::size_t i = 0; i < kControlCount; ++i) {
      const std::string name = ControlName(static_cast<Control>(i));
      if (name.rfind("checkbox_", 0) == 0) memory.SetChecked(static_cast<Control>(i), Checked(name.c_str()));
      if (name.rfind("rtb_", 0) == 0) memory.SetText(static_cast<Control>(i), WString(Text(name.c_str()).c_str()));
    }
  };
  Click("cb_start");
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(Sessions(), 8);

  Simulation engine(memory);
  for (char tick : recorder.trace) {
    if (tick == 'R') engine.request_start();
    if (tick == 'P') engine.on_poll_timer();
    if (tick == 'S') {
      ASSERT_TRUE(memory.TakeSessionTimerTick());
      engine.on_session_timer();
    }
  }
  EXPECT_TRUE(memory.Messages().empty());
  EXPECT_EQ(Entries(), 8);
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    const std::string name = ControlName(control);
    if (name.rfind("label_", 0) == 0 || name == "rtb_random") {
      EXPECT_EQ(Text(name.c_str()), memory.GetText(control).GetText()) << name;
    }
  }
  EXPECT_EQ(Results(), memory.GetText(Control::rtb_ergebnisse).GetText());
  EXPECT_EQ(Checked("checkbox_rot_oder_schwarz"), memory.GetChecked(Control::checkbox_rot_oder_schwarz));
  EXPECT_EQ(*Window("label_infolabel")->GetForeColor(), memory.At(Control::label_infolabel).fore);
  EXPECT_EQ(*Window("label_aktueller_durchgang")->GetBackColor(), memory.At(Control::label_aktueller_durchgang).back);
}

TEST_F(MainFormRun, AStopDuringASessionLetsOneMoreSessionRunAndAResetKeepsTheCount) {
  TypeAll({{"rtb_anzahl_gesamtdurchgaenge", "10"}, {"rtb_anzahl_durchlauf", "200"}});
  recorder.on_session = [this] {
    if (Sessions() == 1) Command(1004);  // waits in the queue while the session plays
    if (Sessions() == 2) Click("stop");
  };
  Click("cb_start");
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(Sessions(), 3);
  EXPECT_EQ(Entries(), 3);
  EXPECT_EQ(Results().find("    10."), 0u) << Results();
  EXPECT_NE(Results().find("     1."), std::string::npos) << Results();
  EXPECT_EQ(Text("rtb_anzahl_gesamtdurchgaenge"), "    10") << "the reset's defaults";
}

TEST_F(MainFormRun, AFailedCheckShowsTheFehlerBoxOverAnUpToDateWindowAndEndsTheSession) {
  TypeAll({{"rtb_anzahl_gesamtdurchgaenge", "2"}, {"rtb_soll_kapital", "400"}});  // fails after the first game
  std::vector<std::string> game_shown;
  MessageBoxAnswerer answerer("Fehler", [&] { game_shown.push_back(Text("label_akt_durchlauf")); });
  Click("cb_start");
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(answerer.Texts(), std::vector<std::string>(2, "max amount: (1 - 1000000)"));
  EXPECT_EQ(game_shown, std::vector<std::string>(2, "   1"));
  EXPECT_EQ(Entries(), 2);
  EXPECT_EQ(Text("label_maximal_erreicht"), "     0") << "a failed check ends the session without a count";
}

TEST_F(MainFormRun, WithoutAPauseTheDisplaysRepaintSeveralTimesASecondInOrder) {
  TypeAll({{"rtb_anzahl_gesamtdurchgaenge", "1"},
           {"rtb_anzahl_durchlauf", "3000"},
           {"rtb_soll_kapital", "1000000"},
           {"rtb_startkapital", "100000"}});
  recorder.on_session = [this] { clock.step = 5; };  // every reading of the clock: 5 ms later
  const std::vector<std::string> during = PaintedDuringTheSession();
  clock.step = 0;
  // 40 ms between showings: every eighth game or so, never every game.
  EXPECT_GE(during.size(), 100u);
  EXPECT_LT(during.size(), 1000u);
  EXPECT_TRUE(std::is_sorted(during.begin(), during.end())) << "games shown in order";
}

}  // namespace
