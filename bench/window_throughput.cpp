// The main window's cost, measured in one process under Windows or Wine:
// games per second of the bare loop and of the engine on the memory form;
// of one run (10 sessions of 10000 games, no pause, live list off) played
// in the real window, and of the same run on the memory form; the cost of
// recording a session early and late in the largest run, on the memory
// form and in the window's list; and how long vantrel.exe takes from its
// start until its window takes input.
//
//   vantrel-window-bench [sessions [late list entries]]
#include "framework/events/WindowsHeadersWin32.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/SessionRuns.h"
#include "framework/windows/WControls.h"
#include "sim/Formatted.h"
#include "sim/HeadlessRun.h"
#include "ui/Form1.h"

namespace {

using Clock = std::chrono::steady_clock;

// Long sessions: far from both balance limits, no pause, no live list.
void Prepare(FormOperations& form, int sessions) {
  form.SetText(Control::rtb_anzahl_gesamtdurchgaenge, Formatted("%d", sessions));
  form.SetText(Control::rtb_anzahl_durchlauf, WString("10000"));
  form.SetText(Control::rtb_startkapital, WString("100000"));
  form.SetText(Control::rtb_soll_kapital, WString("1000000"));
  form.SetText(Control::rtb_tischlimit, WString("19999"));
  form.SetText(Control::rtb_min_einsatz, WString("9999999"));
  form.SetText(Control::rtb_verzoegerung, WString("0"));
  form.SetChecked(Control::checkbox_zahlen_des_letzten_durchganges, false);
}

struct Measure {
  double seconds = 0;  // inside the sessions
  long long games = 0;
};

long long GameNumber(const WString& text) { return std::atoll(text.GetText()); }

Measure MemoryRun(int sessions) {
  MemoryForm form(1700000000);
  Simulation simulation(form);
  simulation.reset_settings();
  Prepare(form, sessions);
  simulation.request_start();
  Measure measure;
  for (int tick = 0; tick < 100 * sessions; ++tick) {
    simulation.on_poll_timer();
    if (form.TakeSessionTimerTick()) {
      const auto start = Clock::now();
      simulation.on_session_timer();
      measure.seconds += std::chrono::duration<double>(Clock::now() - start).count();
      measure.games += GameNumber(form.GetText(Control::label_akt_durchlauf));
    }
    if (!simulation.state().start_requested && !simulation.state().run_active) break;
  }
  return measure;
}

// Times every session of the window's run: its handler runs just before and
// just after the form's own.
class SessionTimer : public WObject {
 public:
  explicit SessionTimer(Form1& form) : form_(form) {}
  bool Before(WObject*, WEventData*) {
    start_ = Clock::now();
    return false;
  }
  bool After(WObject*, WEventData*) {
    measure.seconds += std::chrono::duration<double>(Clock::now() - start_).count();
    measure.games += GameNumber(form_.control(ControlName(Control::label_akt_durchlauf))->GetText());
    return false;
  }
  Measure measure;

 private:
  Form1& form_;
  Clock::time_point start_;
};

class WindowOperations final : public FormOperations {
 public:
  explicit WindowOperations(Form1& form) : form_(form) {}
  WString GetText(Control) const override { return WString(); }
  void SetText(Control control, const WString& text) override { Window(control)->SetText(text); }
  void SetForeColor(Control, const WColor&) override {}
  void SetBackColor(Control, const WColor&) override {}
  void SetFont(Control, const char*) override {}
  bool GetChecked(Control) const override { return false; }
  void SetChecked(Control control, bool checked) override {
    dynamic_cast<WCheckBox*>(Window(control))->SetChecked(checked);
  }
  void ShowInformation(const char*, const char*) override {}
  void StartSessionTimer(uint32_t, int32_t) override {}
  void Sleep(uint32_t) override {}
  int64_t CalendarTime() const override { return 0; }

 private:
  WWindow* Window(Control control) const { return form_.control(ControlName(control)); }
  Form1& form_;
};

Measure WindowRun(int sessions, double& wall_seconds) {
  Form1 form;
  if (!form.CreateFromResource(nullptr, Form1Base::kTemplate)) return {};
  WindowOperations typing(form);
  Prepare(typing, sessions);
  SessionTimer timer(form);
  const int32_t after_form = 1;
  form.session_timer()->SetEventHandler(TimerEvent, &timer, &SessionTimer::After, 0, &after_form);
  form.session_timer()->SetEventHandler(TimerEvent, &timer, &SessionTimer::Before);
  form.on_start_click(nullptr, nullptr);
  const auto start = Clock::now();
  const SimRunState& state = form.simulation().state();
  MSG msg;
  while ((state.start_requested || state.run_active) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  wall_seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return timer.measure;
}

std::string Entry(int session) {
  char text[32];
  std::snprintf(text, sizeof text, "%6d.%4d ||%s", session, session % 1000, session % 5 == 0 ? "\n" : "");
  return text;
}

// Milliseconds to add `count` entries to the window's list as a run does,
// the list already holding the entries of the sessions before `first`.
double WindowListMilliseconds(WTextBox& list, int first, int count) {
  std::string before;
  for (int session = bench::kLargestRunSessions; session > bench::kLargestRunSessions - first + 1; --session) {
    before += Entry(session);
  }
  list.SetText(WString(before.c_str()));
  const auto start = Clock::now();
  for (int played = first; played < first + count; ++played) {
    const WString entry(Entry(bench::kLargestRunSessions - played + 1).c_str());
    if (played == 1) {
      list.SetText(entry);
    } else {
      list.AppendText(entry);
    }
  }
  return bench::Since(start) * 1e3;
}

// Milliseconds per session for setting the whole list again, as the window
// did before its list grew by appending, at a list of `entries` entries.
double WholeListMilliseconds(WTextBox& list, int entries) {
  std::string whole;
  for (int session = entries; session > 0; --session) whole += Entry(session);
  const WString text(whole.c_str());
  list.SetText(text);  // what the field held before is not part of the figure
  constexpr int kTimes = 3;
  const auto start = Clock::now();
  for (int i = 0; i < kTimes; ++i) list.SetText(text);
  return bench::Since(start) * 1e3 / kTimes;
}

// The late window starts after `late` sessions: the window's rich-edit
// field takes minutes to lay out a list of hundreds of thousands of entries
// set at once, so the figure is taken where that stays practical.
void MeasureWindowRecording(int late) {
  Form1 form;
  if (!form.CreateFromResource(nullptr, Form1Base::kTemplate)) return;
  auto* list = dynamic_cast<WTextBox*>(form.control(ControlName(Control::rtb_ergebnisse)));
  if (!list) return;
  constexpr int kWindow = 1000;
  const double early = WindowListMilliseconds(*list, 1, kWindow);
  const auto setup = Clock::now();
  const double later = WindowListMilliseconds(*list, late + 1, kWindow);
  std::printf("window list, entries 1-%d: %.0f ms; %d-%d: %.0f ms; late / early %.2f (%.0f s to set up)\n", kWindow,
              early, late + 1, late + kWindow, later, later / early, bench::Since(setup));
  std::printf("window list set whole per session, as before: %.1f ms at %d entries, %.1f ms at %d entries\n",
              WholeListMilliseconds(*list, kWindow), kWindow, WholeListMilliseconds(*list, late), late);
}

// Seconds from starting the program until its window takes input; -1 when
// it did not come up.
double StartUpSeconds() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string program(path);
  program = program.substr(0, program.find_last_of("\\/")) + "\\..\\vantrel.exe";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const auto start = Clock::now();
  if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return -1;
  }
  HWND window = nullptr;
  for (int tries = 0; tries < 20000 && !(window && IsWindowVisible(window)); ++tries) {
    window = FindWindowA(nullptr, "Vantrel V" VANTREL_VERSION);
    if (!window) Sleep(1);
  }
  WaitForInputIdle(process.hProcess, 20000);
  const double seconds = window ? std::chrono::duration<double>(Clock::now() - start).count() : -1;
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  WaitForSingleObject(process.hProcess, 20000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  const int sessions = argc > 1 ? std::atoi(argv[1]) : 10;
  const int late = argc > 2 ? std::atoi(argv[2]) : 20000;
  if (sessions <= 0 || sessions > 1000 || late < 1000 || late > bench::kLargestRunSessions - 1000) {
    std::fprintf(stderr, "usage: vantrel-window-bench [sessions [late list entries]]\n");
    return 2;
  }
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  const bench::Case longest{"10000 games per session", bench::kLongestSession, 100, false};
  const double engine_rate = bench::Measure(longest);
  const Measure memory = MemoryRun(sessions);
  double wall = 0;
  const Measure window = WindowRun(sessions, wall);
  const double memory_rate = memory.games / memory.seconds;
  const double window_rate = window.games / window.seconds;
  std::printf("run: %d sessions of up to 10000 games, no pause, live list off\n", sessions);
  std::printf("memory form: %12.0f games/s (%lld games, %.3f s in sessions)\n", memory_rate, memory.games,
              memory.seconds);
  std::printf("window:      %12.0f games/s (%lld games, %.3f s in sessions, %.3f s with the timers)\n", window_rate,
              window.games, window.seconds, wall);
  std::printf("window / memory form: %.3f; window / engine case above: %.3f\n", window_rate / memory_rate,
              window_rate / engine_rate);
  const double largest = static_cast<double>(bench::kLargestRunSessions) * bench::kLongestSession;
  std::printf("largest run (%d x %d games): %.0f s on the memory form, %.0f s in the window, plus %.0f s of timers\n",
              bench::kLargestRunSessions, bench::kLongestSession, largest / engine_rate, largest / window_rate,
              bench::kLargestRunSessions * 0.2);
  bench::MeasureRecording();
  MeasureWindowRecording(late);

  std::vector<double> starts;
  for (int i = 0; i < 3; ++i) starts.push_back(StartUpSeconds());
  std::sort(starts.begin(), starts.end());
  std::printf("start-up to a window that takes input: %.3f s (median of 3: %.3f %.3f %.3f)\n", starts[1], starts[0],
              starts[1], starts[2]);
  return 0;
}
