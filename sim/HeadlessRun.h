#pragma once

#include <functional>

#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

// Poll ticks enough for the largest run the settings allow: one a session,
// and the one that finds the run over.
constexpr int kLargestRunPollTicks = 500001;

// Called just before and just after every session tick, for runs that count
// or time their sessions.
struct SessionHooks {
  std::function<void()> before;
  std::function<void()> after;
};

// Plays the requested run without real timers: a poll tick, and whenever
// that tick started the session timer, the session tick right away. Ends
// when the run is over or after `max_poll_ticks`; returns the poll ticks
// used.
int RunHeadless(Simulation& simulation, MemoryForm& form, int max_poll_ticks, const SessionHooks& hooks = {});
