#include "batch/replay/WindowReplay.h"

#include "files/ResultsReport.h"
#include "sim/HeadlessRun.h"
#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

namespace {

std::string Text(const MemoryForm& form, Control control) { return form.GetText(control).GetText(); }

}  // namespace

WindowView ReplayInWindow(const RunSettings& settings, int64_t seed) {
  MemoryForm form(seed);
  Simulation simulation(form);
  simulation.reset_settings();
  SettingsFile::Apply(form, settings.values);
  form.SetText(Control::rtb_verzoegerung, WString(settings.delay.c_str()));
  form.SetChecked(Control::checkbox_zahlen_des_letzten_durchganges, settings.show_numbers_live);
  simulation.request_start();
  RunHeadless(simulation, form, kLargestRunPollTicks);

  WindowView view;
  view.messages = form.Messages();
  view.results_list = Text(form, Control::rtb_ergebnisse);
  const Control counters[] = {Control::label_maximal_erreicht, Control::label_minimal_erreicht,
                              Control::label_tischlimit_oder_maxspiele};
  const Control percentages[] = {Control::label_proz_max, Control::label_proz_min, Control::label_proz_linmit};
  for (std::size_t i = 0; i < 3; ++i) {
    view.counters[i] = Text(form, counters[i]);
    view.percentages[i] = Text(form, percentages[i]);
  }
  view.report = ResultsReport::Format(form, simulation.settings());
  return view;
}

bool WindowPlays(const RunSettings& settings) {
  return settings.system == BetSystem::Rows && settings.zero_rule == ZeroRule::Lose;
}
