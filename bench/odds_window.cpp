// The odds window's answers, measured in one process under Windows or Wine:
// the time from a changed field to its new odds shown, on the defaults and
// on settings whose odds take seconds, against the time the same odds take
// to compute alone in the same run; and how long the main form takes to
// answer a message while the odds compute, against while they do not.
//
//   vantrel-odds-bench [rounds]
#include "framework/events/WindowsHeadersWin32.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "ui/Form1.h"
#include "ui/odds/OddsInput.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Dispatches this thread's messages until `done` holds; false after a minute.
template <class Done>
bool Pump(Done done) {
  const Clock::time_point start = Clock::now();
  MSG msg;
  while (!done()) {
    if (Since(start) > 60) return false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

void SetField(Form1& form, const char* name, const char* text) {
  SetWindowTextA(static_cast<HWND>(form.control(name)->GetHandle()), text);
}

// The settings whose odds take seconds: long sessions far from the wager
// limit, at a table that takes large bets.
void SlowSettings(Form1& form, const char* capital) {
  SetField(form, "rtb_startkapital", capital);
  SetField(form, "rtb_soll_kapital", "5500");
  SetField(form, "rtb_anzahl_durchlauf", "10000");
  SetField(form, "rtb_min_einsatz", "9999999");
  SetField(form, "rtb_tischlimit", "19999");
}

struct Latency {
  double window = 0;   // from the change to the new odds shown
  double compute = 0;  // the same odds computed alone
};

// The capital changed to `capital`, until the window shows the odds of it.
Latency Change(Form1& form, const char* capital) {
  const OddsAnswer& answer = form.odds_window()->answer();
  const int32_t wanted = std::atoi(capital);
  SetField(form, "rtb_startkapital", capital);
  const Clock::time_point start = Clock::now();
  Pump([&] { return answer.computed && CapitalOf(answer.result.settings) == wanted; });
  Latency latency;
  latency.window = Since(start);
  const std::atomic<bool> go{false};
  const Clock::time_point alone = Clock::now();
  ComputeOdds(OddsInputOf(form.fields()).settings, go);
  latency.compute = Since(alone);
  return latency;
}

// How long messages sent to the main form from another thread wait to be
// answered while this thread pumps until `done`: the longest and the median.
template <class Done>
std::pair<double, double> AnswerTimes(Form1& form, Done done) {
  std::atomic<bool> stop{false};
  std::atomic<bool> finished{false};
  std::vector<double> waits;
  HWND window = static_cast<HWND>(form.GetHandle());
  std::thread asker([&] {
    while (!stop) {
      const Clock::time_point sent = Clock::now();
      DWORD_PTR result = 0;
      SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
      waits.push_back(Since(sent));
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    finished = true;
  });
  Pump(done);
  stop = true;
  // Its last message is answered here, not left waiting on the join.
  Pump([&] { return finished.load(); });
  asker.join();
  if (waits.empty()) return {0, 0};
  std::sort(waits.begin(), waits.end());
  return {waits.back(), waits[waits.size() / 2]};
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  Form1 form;
  SetMainForm(&form);
  if (!form.CreateFromResource(nullptr, Form1Base::kTemplate)) return 1;
  PostMessageA(static_cast<HWND>(form.GetHandle()), WM_COMMAND, 1013, 0);
  if (!Pump([&] { return form.odds_window() && form.odds_window()->answer().computed; })) return 1;

  std::printf("odds of a changed capital: shown in the window, and computed alone (s)\n");
  for (int k = 0; k < rounds; ++k) {
    const Latency defaults = Change(form, k % 2 ? "500" : "501");
    std::printf("  defaults           %.3f  alone %.3f  (the window waits %u ms for typing to pause)\n",
                defaults.window, defaults.compute, OddsWindow::kPauseMs);
  }
  SlowSettings(form, "5000");
  Pump([&] {
    return form.odds_window()->answer().computed &&
           form.odds_window()->answer().result.settings.games_per_session == 10000;
  });
  for (int k = 0; k < rounds; ++k) {
    const Latency slow = Change(form, k % 2 ? "5000" : "5001");
    std::printf("  10000 games, 5000  %.3f  alone %.3f\n", slow.window, slow.compute);
  }

  std::printf("the main form answering a message (longest and median, ms)\n");
  const OddsAnswer& answer = form.odds_window()->answer();
  const auto idle = AnswerTimes(form, [start = Clock::now()] { return Since(start) > 2; });
  std::printf("  idle               %.1f  %.1f\n", 1000 * idle.first, 1000 * idle.second);
  SetField(form, "rtb_startkapital", "5002");
  const auto busy = AnswerTimes(form, [&] { return answer.computed && answer.result.settings.capital == 5002; });
  std::printf("  while computing    %.1f  %.1f\n", 1000 * busy.first, 1000 * busy.second);
  form.Destroy();
  SetMainForm(nullptr);
  return 0;
}
