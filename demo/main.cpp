// vantrel-demo: plays one run with the default settings, headless, and
// prints the results as the window's displays hold them.
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>

#include "sim/HeadlessRun.h"

namespace {

constexpr int kMaxPollTicks = 10000000;

bool ParseSeed(int argc, char** argv, int64_t& seed) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      char* end = nullptr;
      seed = std::strtoll(argv[++i], &end, 10);
      if (end == argv[i] || *end != '\0') return false;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int64_t seed = static_cast<int64_t>(std::time(nullptr));
  if (!ParseSeed(argc, argv, seed)) {
    std::cerr << "usage: vantrel-demo [--seed N]\n";
    return 2;
  }
  MemoryForm form(seed);
  Simulation simulation(form);
  simulation.reset_settings();
  simulation.request_start();
  RunHeadless(simulation, form, kMaxPollTicks);

  std::cout << form.GetText(Control::rtb_ergebnisse) << '\n'
            << form.GetText(Control::label_maximal_erreicht) << ' '
            << form.GetText(Control::label_minimal_erreicht) << ' '
            << form.GetText(Control::label_tischlimit_oder_maxspiele) << '\n'
            << form.GetText(Control::label_proz_max) << ' ' << form.GetText(Control::label_proz_min) << ' '
            << form.GetText(Control::label_proz_linmit) << '\n';
  return 0;
}
