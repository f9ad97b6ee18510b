#pragma once

// The runs both benchmark programs measure: sessions played by the engine
// against the memory form, the same rules as a bare loop, and the cost of
// recording a session early and late in the largest run.
#include <chrono>
#include <cstdio>
#include <cstring>

#include "sim/Formatted.h"
#include "sim/HeadlessRun.h"
#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

namespace bench {

using Clock = std::chrono::steady_clock;

constexpr int32_t kCapital = 100000;
constexpr int32_t kMaxBalance = 1000000;
constexpr int32_t kTableLimit = 19999;  // stored as 20000
constexpr int32_t kFirstBet = 1;
constexpr int kRounds = 5;
constexpr int kLargestRunSessions = 500000;
constexpr int kLongestSession = 10000;

struct Case {
  const char* name;
  int32_t games_per_session;
  int sessions;
  bool live_list;
};

struct Result {
  double seconds;
  long long games;
  double Rate() const { return games / seconds; }
};

inline double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Long sessions: a capital far from both limits, so most sessions play all
// their games.
inline void PrepareForm(MemoryForm& form, const Case& run) {
  form.SetText(Control::rtb_startkapital, Formatted("%d", kCapital));
  form.SetText(Control::rtb_soll_kapital, Formatted("%d", kMaxBalance));
  form.SetText(Control::rtb_anzahl_durchlauf, Formatted("%d", run.games_per_session));
  form.SetText(Control::rtb_tischlimit, Formatted("%d", kTableLimit));
  form.SetText(Control::rtb_min_einsatz, "9999999");
  form.SetText(Control::rtb_verzoegerung, "0");
  form.SetText(Control::rtb_anzahl_gesamtdurchgaenge, Formatted("%d", run.sessions));
  form.SetChecked(Control::checkbox_zahlen_des_letzten_durchganges, run.live_list);
}

inline Result EngineSessions(const Case& run, uint32_t seed) {
  MemoryForm form(static_cast<int64_t>(seed) - 5);
  Simulation simulation(form);
  simulation.reset_settings();
  PrepareForm(form, run);
  simulation.request_start();
  long long games = 0;
  SessionHooks hooks;
  hooks.after = [&] { games += simulation.state().numbers.Count(); };
  const auto start = Clock::now();
  RunHeadless(simulation, form, kLargestRunPollTicks, hooks);
  return {Since(start), games};
}

// The same rules with the default progression and options, nothing shown.
inline Result BareSessions(const Case& run, uint32_t seed) {
  constexpr int32_t kWins[11] = {2, 5, 11, 23, 47, 95, 191, 382, 765, 1531, 3063};
  NumberGenerator generator;
  generator.Seed(seed);
  int32_t win_streak = 0;
  long long games = 0;
  const auto start = Clock::now();
  for (int i = 0; i < run.sessions; ++i) {
    generator.Next();  // the poll tick that starts a session shows one value
    int32_t bet = kFirstBet;
    int32_t balance = kCapital;
    double turnover = 0;
    for (int32_t game = 1; game <= run.games_per_session; ++game) {
      turnover += bet;
      if (turnover > 9999999 || balance < bet || bet > kTableLimit + 1) break;
      int32_t n;
      do {
        n = generator.Next() % 51;
      } while (n >= 37);
      ++games;
      if (ColourOf(n) == NumberColour::Black) {
        balance += bet;
        ++win_streak;
        if (win_streak <= 11) bet = kWins[win_streak - 1];
      } else {
        win_streak = 0;
        balance -= bet;
        bet = kFirstBet;
      }
      if (bet >= kTableLimit + 1) bet = kFirstBet;
      if (!(balance >= bet && 0 < balance && balance < kMaxBalance)) break;
    }
  }
  return {Since(start), games};
}

inline Result Fastest(Result a, Result b) { return a.Rate() >= b.Rate() ? a : b; }

// Returns engine games per second.
inline double Measure(const Case& run) {
  Result bare{1, 0};
  Result engine{1, 0};
  for (int round = 0; round < kRounds; ++round) {
    bare = Fastest(bare, BareSessions(run, 12345));
    engine = Fastest(engine, EngineSessions(run, 12345));
  }
  std::printf("%-34s bare %12.0f  engine %12.0f games/s  engine / bare %.3f\n", run.name, bare.Rate(), engine.Rate(),
              engine.Rate() / bare.Rate());
  return engine.Rate();
}

// Seconds to play and record `count` one-game sessions, from the first of
// the largest run and from its last.
inline void MeasureRecording() {
  MemoryForm form(1000);
  Simulation simulation(form);
  simulation.reset_settings();
  const Case run{"", 1, kLargestRunSessions, false};
  PrepareForm(form, run);
  simulation.request_start();
  constexpr int kWindow = 1000;
  double first = 0;
  double last = 0;
  int played = 0;
  Clock::time_point start;
  SessionHooks hooks;
  hooks.before = [&] { start = Clock::now(); };
  hooks.after = [&] {
    const double seconds = Since(start);
    ++played;
    if (played <= kWindow) first += seconds;
    if (played > kLargestRunSessions - kWindow) last += seconds;
  };
  RunHeadless(simulation, form, kLargestRunPollTicks, hooks);
  const std::size_t list = std::strlen(form.GetText(Control::rtb_ergebnisse).GetText());
  std::printf("recording one-game sessions 1-%d: %.2f ms; %d-%d: %.2f ms; late / early %.2f (list %zu bytes)\n",
              kWindow, first * 1e3, kLargestRunSessions - kWindow + 1, kLargestRunSessions, last * 1e3, last / first,
              list);
}

}  // namespace bench
