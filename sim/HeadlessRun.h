#pragma once

#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

// Plays the requested run without real timers: a poll tick, and whenever
// that tick started the session timer, the session tick right away. Ends
// when the run is over or after `max_poll_ticks`; returns the poll ticks
// used.
int RunHeadless(Simulation& simulation, MemoryForm& form, int max_poll_ticks);
