// Runs played from the main form's window: fields typed, buttons clicked,
// timers running, message boxes answered, and what the window shows
// compared with the engine on the memory form.
#include "framework/events/WindowsHeadersWin32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
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
  bool Poll(WObject*, WEventData*) {
    trace += 'P';
    return false;
  }
  bool Session(WObject*, WEventData*) {
    trace += 'S';
    if (on_session) on_session();
    return false;
  }
  bool Start(WObject*, WEventData*) {
    trace += 'R';
    if (on_start) on_start();
    return false;
  }
  // Every painting of a label asks its form for the label's colours, also
  // where the system paints a label at once instead of through WM_PAINT.
  bool Colours(WObject*, WEventData* data) {
    const WMessage& message = static_cast<WMessageEventData*>(data)->message;
    if (watched && reinterpret_cast<void*>(message.lparam) == watched->GetHandle()) {
      painted.emplace_back(watched->GetText().GetText());
    }
    return false;
  }

  std::string trace;
  std::function<void()> on_session;
  std::function<void()> on_start;
  WWindow* watched = nullptr;
  std::vector<std::string> painted;
};

bool IsInput(Control control) {
  const std::string name = ControlName(control);
  if (name == "rtb_random" || name == "rtb_ergebnisse") return false;
  return name.rfind("rtb_", 0) == 0 || name.rfind("checkbox_", 0) == 0;
}

// The rich-edit box gives its line breaks back as it keeps them.
std::string WithLineFeeds(std::string text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      result += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

int Entries(const std::string& results) {
  int count = 0;
  for (std::size_t at = results.find("||"); at != std::string::npos; at = results.find("||", at + 2)) ++count;
  return count;
}

class MainFormRun : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    if (HasFatalFailure()) return;
    form.poll_timer()->SetEventHandler(TimerEvent, &recorder, &Recorder::Poll);
    form.session_timer()->SetEventHandler(TimerEvent, &recorder, &Recorder::Session);
    Window("cb_start")->SetEventHandler(ClickEvent, &recorder, &Recorder::Start);
  }

  std::string Results() const { return WithLineFeeds(Text("rtb_ergebnisse")); }
  // The session timer has fired this often.
  int Sessions() const { return static_cast<int>(std::count(recorder.trace.begin(), recorder.trace.end(), 'S')); }

  void WatchPainting(const char* label) {
    recorder.watched = Window(label);
    form.SetEventHandler(ControlColorEvent, &recorder, &Recorder::Colours);
  }

  Recorder recorder;
};

TEST_F(MainFormRun, AWholeRunShowsWhatTheEngineGivesOnTheMemoryForm) {
  Type("rtb_anzahl_gesamtdurchgaenge", "8");
  Type("rtb_anzahl_durchlauf", "150");
  Type("rtb_startkapital", "300");
  Type("rtb_soll_kapital", "330");
  Type("rtb_min_kapital", "240");
  Type("rtb_g2", "4");
  Click("checkbox_rot_oder_schwarz");
  Click("checkbox_tauschen_bei_gewinn");
  Click("checkbox_zero_oder_zerozero");
  PumpQueued();

  // What the engine reads when the run starts.
  std::vector<std::pair<Control, std::string>> texts;
  std::vector<std::pair<Control, bool>> checks;
  recorder.on_start = [&] {
    for (std::size_t i = 0; i < kControlCount; ++i) {
      const auto control = static_cast<Control>(i);
      if (!IsInput(control)) continue;
      if (ControlName(control)[0] == 'c') {
        checks.emplace_back(control, Checked(ControlName(control)));
      } else {
        texts.emplace_back(control, Text(ControlName(control)));
      }
    }
  };
  Click("cb_start");
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(Sessions(), 8);

  MemoryForm memory(clock.calendar);
  Simulation engine(memory);
  engine.reset_settings();
  for (char tick : recorder.trace) {
    if (tick == 'R') {
      for (const auto& [control, text] : texts) memory.SetText(control, WString(text.c_str()));
      for (const auto& [control, checked] : checks) memory.SetChecked(control, checked);
      engine.request_start();
    } else if (tick == 'P') {
      engine.on_poll_timer();
    } else {
      ASSERT_TRUE(memory.TakeSessionTimerTick());
      engine.on_session_timer();
    }
  }
  EXPECT_TRUE(memory.Messages().empty());
  EXPECT_EQ(Results(), memory.GetText(Control::rtb_ergebnisse).GetText());
  EXPECT_EQ(Entries(Results()), 8);
  for (Control display : {Control::label_maximal_erreicht, Control::label_minimal_erreicht,
                          Control::label_tischlimit_oder_maxspiele, Control::label_proz_max, Control::label_proz_min,
                          Control::label_proz_linmit, Control::label_akt_kapital, Control::label_akt_einsatz,
                          Control::label_akt_durchlauf, Control::label_akt_gesamtdurchgang, Control::label_infolabel,
                          Control::label_aktueller_durchgang, Control::label_alle_zahlen, Control::rtb_random}) {
    EXPECT_EQ(Text(ControlName(display)), memory.GetText(display).GetText()) << ControlName(display);
  }
  for (Control box : {Control::checkbox_rot_oder_schwarz, Control::checkbox_zahlen_des_letzten_durchganges}) {
    EXPECT_EQ(Checked(ControlName(box)), memory.GetChecked(box)) << ControlName(box);
  }
  EXPECT_EQ(Window("label_infolabel")->GetForeColor()->GetIndex(), memory.At(Control::label_infolabel).fore.GetIndex());
  EXPECT_EQ(Window("label_aktueller_durchgang")->GetBackColor()->GetIndex(),
            memory.At(Control::label_aktueller_durchgang).back.GetIndex());
}

TEST_F(MainFormRun, StartTwiceBeforeATickStartsOneRun) {
  Type("rtb_anzahl_gesamtdurchgaenge", "3");
  Type("rtb_anzahl_durchlauf", "20");
  form.poll_timer()->Stop();
  Click("cb_start");
  Click("cb_start");
  PumpQueued();
  form.poll_timer()->Start(100, 0);
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(Sessions(), 3);
  const std::string results = Results();
  EXPECT_EQ(Entries(results), 3);
  EXPECT_EQ(results.find("     3."), 0u) << results;
  EXPECT_NE(results.find("     1."), std::string::npos) << results;
}

TEST_F(MainFormRun, AStopDuringASessionLetsOneMoreSessionRun) {
  Type("rtb_anzahl_gesamtdurchgaenge", "10");
  Type("rtb_anzahl_durchlauf", "200");
  // Clicked while the first session plays: the click waits in the queue.
  recorder.on_session = [this] {
    if (Sessions() == 1) Click("stop");
  };
  Click("cb_start");
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(Sessions(), 2);
  const std::string results = Results();
  EXPECT_EQ(Entries(results), 2);
  EXPECT_EQ(results.find("    10."), 0u) << results;
  EXPECT_NE(results.find("     1."), std::string::npos) << results;
}

TEST_F(MainFormRun, AFailedCheckShowsTheFehlerBoxAndEndsTheSession) {
  Type("rtb_anzahl_gesamtdurchgaenge", "2");
  Type("rtb_soll_kapital", "400");  // below the capital: fails after the first game
  std::vector<std::string> game_shown;
  MessageBoxAnswerer answerer("Fehler", [&] { game_shown.push_back(Text("label_akt_durchlauf")); });
  Click("cb_start");
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(answerer.Texts(), (std::vector<std::string>{"max amount: (1 - 1000000)", "max amount: (1 - 1000000)"}));
  EXPECT_EQ(game_shown, (std::vector<std::string>{"   1", "   1"})) << "the window is up to date behind the box";
  EXPECT_EQ(Entries(Results()), 2);
  EXPECT_EQ(Text("label_maximal_erreicht"), "     0") << "a failed check ends the session without a count";
}

TEST_F(MainFormRun, AResetDuringARunKeepsTheRemainingCount) {
  Type("rtb_anzahl_gesamtdurchgaenge", "4");
  Type("rtb_anzahl_durchlauf", "100");
  recorder.on_session = [this] {
    if (Sessions() == 2) Command(1004);
  };
  Click("cb_start");
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(Sessions(), 4) << "the run went on with its own count";
  EXPECT_EQ(Entries(Results()), 4);
  EXPECT_EQ(Text("rtb_anzahl_gesamtdurchgaenge"), "    10") << "the reset's defaults";
}

TEST_F(MainFormRun, TheDisplaysRepaintWhileASessionPlays) {
  Type("rtb_anzahl_gesamtdurchgaenge", "1");
  Type("rtb_anzahl_durchlauf", "40");
  Type("rtb_verzoegerung", "2");
  Type("rtb_soll_kapital", "1000000");
  WatchPainting("label_akt_durchlauf");
  std::size_t painted_before_session = 0;
  recorder.on_session = [&] { painted_before_session = recorder.painted.size(); };
  Click("cb_start");
  ASSERT_TRUE(WaitForRunEnd());
  std::vector<std::string> during(recorder.painted.begin() + static_cast<std::ptrdiff_t>(painted_before_session),
                                  recorder.painted.end());
  during.erase(std::unique(during.begin(), during.end()), during.end());
  // With a pause, every game is shown: 1, 2, 3 ... in turn.
  ASSERT_GE(during.size(), 30u);
  EXPECT_EQ(during[0], "   1");
  EXPECT_EQ(during[1], "   2");
  EXPECT_EQ(during[29], "  30");
}

TEST_F(MainFormRun, WithoutAPauseTheDisplaysRepaintSeveralTimesASecond) {
  Type("rtb_anzahl_gesamtdurchgaenge", "1");
  Type("rtb_anzahl_durchlauf", "3000");
  Type("rtb_soll_kapital", "1000000");
  Type("rtb_min_kapital", "0");
  Type("rtb_startkapital", "100000");
  WatchPainting("label_akt_durchlauf");
  std::size_t before = 0;
  recorder.on_session = [&] {
    before = recorder.painted.size();
    clock.step = 5;  // every reading of the clock: 5 ms later
  };
  Click("cb_start");
  ASSERT_TRUE(WaitForRunEnd());
  clock.step = 0;
  std::vector<std::string> during(recorder.painted.begin() + static_cast<std::ptrdiff_t>(before),
                                  recorder.painted.end());
  during.erase(std::unique(during.begin(), during.end()), during.end());
  // 40 ms between showings: every eighth game or so, never every game.
  ASSERT_GE(during.size(), 100u);
  EXPECT_LT(during.size(), 1000u);
  EXPECT_TRUE(std::is_sorted(during.begin(), during.end())) << "games shown in order";
}

}  // namespace
