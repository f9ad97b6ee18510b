#include "sim/HeadlessRun.h"

int RunHeadless(Simulation& simulation, MemoryForm& form, int max_poll_ticks, const SessionHooks& hooks) {
  int ticks = 0;
  while (ticks < max_poll_ticks) {
    simulation.on_poll_timer();
    ++ticks;
    if (form.TakeSessionTimerTick()) {
      if (hooks.before) hooks.before();
      simulation.on_session_timer();
      if (hooks.after) hooks.after();
      continue;
    }
    const SimRunState& state = simulation.state();
    if (!state.start_requested && !state.run_active) break;
  }
  return ticks;
}
