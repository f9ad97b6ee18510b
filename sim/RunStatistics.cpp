#include "sim/Formatted.h"
#include "sim/RunResults.h"
#include "sim/Simulation.h"

namespace {

struct Counter {
  double SimRunState::*count;
  Control display;
  Control percentage;
};

constexpr Counter kCounters[] = {
    {&SimRunState::max_count, Control::label_maximal_erreicht, Control::label_proz_max},
    {&SimRunState::min_count, Control::label_minimal_erreicht, Control::label_proz_min},
    {&SimRunState::limit_count, Control::label_tischlimit_oder_maxspiele, Control::label_proz_linmit},
};

}  // namespace

void Simulation::clear_statistics() {
  for (const Counter& counter : kCounters) state_.*counter.count = 0;
  const WString empty("");
  for (const Counter& counter : kCounters) form_.SetText(counter.display, empty);
  state_.results_text = "";
  state_.sessions_ended = 0;
  state_.courses.clear();
  // The list box itself keeps its text until the first session of the run
  // replaces it.
  for (const Counter& counter : kCounters) form_.SetText(counter.percentage, WString(" %"));
}

void Simulation::record_session() {
  const WString entry = ResultsListEntry(state_.sessions_remaining, state_.balance);
  // The list only grows during a run, so the box is extended by the entry;
  // the run's first entry replaces what the box held before.
  if (state_.results_text.GetLength() == 0) {
    state_.results_text = entry;
    form_.SetText(Control::rtb_ergebnisse, entry);
  } else {
    state_.results_text += entry;
    form_.AppendText(Control::rtb_ergebnisse, entry);
  }

  const std::array<double, 3> counts = {state_.max_count, state_.min_count, state_.limit_count};
  for (const Counter& counter : kCounters)
    form_.SetNumber(counter.display, {kCounterFormat, state_.*counter.count, false});
  if (ShowsPercentages(counts)) {
    for (std::size_t k = 0; k < 3; ++k)
      form_.SetNumber(kCounters[k].percentage, {kPercentageFormat, Percentage(counts, k), false});
  }
}
