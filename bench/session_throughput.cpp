// Games per second of whole sessions: the engine, driven by its poll and
// session handlers, against an in-memory form that records nothing; and, as
// the baseline, a bare loop that applies the same rules with no displays at
// all. Both play the same games from the same seed.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "sim/Formatted.h"
#include "sim/HeadlessRun.h"
#include "sim/NumberGenerator.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int32_t kGamesPerSession = 10000;
constexpr int32_t kCapital = 100000;
constexpr int32_t kMaxBalance = 1000000;
constexpr int32_t kTableLimit = 19999;  // stored as 20000
constexpr int32_t kFirstBet = 1;

// Long sessions: a capital far from both limits, so most sessions play all
// their games.
void PrepareForm(MemoryForm& form) {
  form.SetText(Control::rtb_startkapital, Formatted("%d", kCapital));
  form.SetText(Control::rtb_soll_kapital, Formatted("%d", kMaxBalance));
  form.SetText(Control::rtb_anzahl_durchlauf, Formatted("%d", kGamesPerSession));
  form.SetText(Control::rtb_tischlimit, Formatted("%d", kTableLimit));
  form.SetText(Control::rtb_min_einsatz, "9999999");
  form.SetText(Control::rtb_verzoegerung, "0");
  form.SetChecked(Control::checkbox_zahlen_des_letzten_durchganges, false);
}

// Counts the games as the game-number display sees them.
class CountingForm : public MemoryForm {
 public:
  using MemoryForm::MemoryForm;
  void SetText(Control control, const WString& text) override {
    if (control == Control::label_akt_durchlauf) ++games;
    MemoryForm::SetText(control, text);
  }
  long long games = 0;
};

struct Result {
  double seconds;
  long long games;
};

Result EngineSessions(int sessions, uint32_t seed) {
  CountingForm form(static_cast<int64_t>(seed) - 5);
  Simulation simulation(form);
  simulation.reset_settings();
  PrepareForm(form);
  form.SetText(Control::rtb_anzahl_gesamtdurchgaenge, Formatted("%d", sessions));
  form.games = 0;
  simulation.request_start();
  const auto start = Clock::now();
  RunHeadless(simulation, form, sessions + 1);
  return {std::chrono::duration<double>(Clock::now() - start).count(), form.games};
}

// The same rules with the default progression and options, nothing shown.
Result BareSessions(int sessions, uint32_t seed) {
  constexpr int32_t kWins[11] = {2, 5, 11, 23, 47, 95, 191, 382, 765, 1531, 3063};
  NumberGenerator generator;
  generator.Seed(seed);
  int32_t win_streak = 0;
  long long games = 0;
  const auto start = Clock::now();
  for (int i = 0; i < sessions; ++i) {
    generator.Next();  // the poll tick that starts a session shows one value
    int32_t bet = kFirstBet;
    int32_t balance = kCapital;
    double turnover = 0;
    for (int32_t game = 1; game <= kGamesPerSession; ++game) {
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
  return {std::chrono::duration<double>(Clock::now() - start).count(), games};
}

}  // namespace

int main(int argc, char** argv) {
  const int sessions = argc > 1 ? std::atoi(argv[1]) : 200;
  if (sessions <= 0 || sessions > 500000) {
    std::fprintf(stderr, "usage: vantrel-bench [sessions]\n");
    return 2;
  }
  const Result bare = BareSessions(sessions, 12345);
  const Result engine = EngineSessions(sessions, 12345);
  const double bare_rate = bare.games / bare.seconds;
  const double engine_rate = engine.games / engine.seconds;
  std::printf("sessions: %d of up to %d games\n", sessions, kGamesPerSession);
  std::printf("bare loop:  %12.0f games/s (%lld games, %.3f s)\n", bare_rate, bare.games, bare.seconds);
  std::printf("engine:     %12.0f games/s (%lld games, %.3f s)\n", engine_rate, engine.games, engine.seconds);
  std::printf("engine / bare: %.3f\n", engine_rate / bare_rate);
  return 0;
}
