// A default run for a fixed calendar time, against values worked out apart
// from the engine by known_answer.py beside this file.
#include <gtest/gtest.h>

#include "sim/HeadlessRun.h"

namespace {

struct KnownRun {
  int64_t calendar_time;
  std::vector<int32_t> first_numbers;
  const char* results;
};

const KnownRun kRuns[] = {
    {1000,
     {7, 28, 28, 5, 19, 19, 9, 11, 19, 18, 23, 2, 30, 18, 23, 35, 10, 32, 24, 21},
     "    10. 564 ||\n     9. 120 ||     8. 554 ||     7.  22 ||     6. 614 ||     5. 883 ||\n"
     "     4. 705 ||     3. 501 ||     2. 561 ||     1.   4 ||"},
    {1733479200,
     {35, 0, 21, 30, 33, 21, 19, 18, 33, 30, 19, 18, 21, 1, 1, 3, 3, 25, 0, 5},
     "    10. 571 ||\n     9. 579 ||     8. 715 ||     7. 501 ||     6. 628 ||     5. 588 ||\n"
     "     4.   0 ||     3. 124 ||     2. 550 ||     1. 125 ||"},
};

TEST(KnownAnswer, ADefaultRunGivesTheWorkedOutNumbersAndBalances) {
  for (const KnownRun& run : kRuns) {
    MemoryForm form(run.calendar_time);
    Simulation simulation(form);
    simulation.reset_settings();
    simulation.request_start();
    form.SetRecording(true);
    RunHeadless(simulation, form, 1000);

    std::vector<int32_t> numbers;
    const std::string prefix = "text label_aktueller_durchgang \"";
    for (const std::string& line : form.Writes()) {
      if (line.rfind(prefix, 0) == 0 && numbers.size() < run.first_numbers.size()) {
        numbers.push_back(std::stoi(line.substr(prefix.size())));
      }
    }
    EXPECT_EQ(numbers, run.first_numbers) << run.calendar_time;
    EXPECT_EQ(std::string(form.GetText(Control::rtb_ergebnisse).GetText()), run.results) << run.calendar_time;
    EXPECT_FALSE(simulation.state().run_active);
  }
}

}  // namespace
