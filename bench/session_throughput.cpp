// Games per second of whole sessions: the engine, driven by its poll and
// session handlers, against an in-memory form that nobody looks at; and, as
// the baseline, a bare loop that applies the same rules with no displays at
// all. Both play the same games from the same seed. Each case runs a few
// rounds, bare loop and engine in turn, and keeps the fastest of each, so a
// busy machine disturbs the ratio less.
//
// Then the cost of recording a session early and late in the longest run
// the settings allow, and that run's time extrapolated from the figures.
#include <cstdlib>

#include "bench/SessionRuns.h"

using namespace bench;

int main(int argc, char** argv) {
  const int sessions = argc > 1 ? std::atoi(argv[1]) : 200;
  if (sessions <= 0 || sessions > kLargestRunSessions) {
    std::fprintf(stderr, "usage: vantrel-bench [sessions of the 10000-game case]\n");
    return 2;
  }
  const Case cases[] = {
      {"10000 games per session", kLongestSession, sessions, false},
      {"1000 games per session", 1000, sessions * 10, false},
      {"10 games per session", 10, sessions * 100, false},
      {"999 games per session, live list", 999, sessions * 10, true},
  };
  double longest_rate = 0;
  for (const Case& run : cases) {
    const double rate = Measure(run);
    if (run.games_per_session == kLongestSession) longest_rate = rate;
  }
  MeasureRecording();
  const double games = static_cast<double>(kLargestRunSessions) * kLongestSession;
  std::printf("largest run (%d x %d games) at the engine's rate: %.0f s\n", kLargestRunSessions, kLongestSession,
              games / longest_rate);
  return 0;
}
