// A batch run against the window's engine on the memory form: the same
// list, counts, percentages, messages and report, and session records that
// agree with the games the window showed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "batch/sampling/BatchPool.h"
#include "batch/sampling/RunTally.h"
#include "batch/output/SessionsCsv.h"
#include "batch/results/SummaryJson.h"
#include "files/ResultsReport.h"
#include "sim/HeadlessRun.h"

namespace {

struct Case {
  const char* name;
  std::vector<std::string> sets;
  const char* capital_text;  // typed as it is, where no --set could give it
};

const Case kCases[] = {
    {"defaults", {}, nullptr},
    {"double zero, red, switch after a win",
     {"session_count=17", "games_per_session=300", "double_zero=1", "bet_on_red=1", "switch_after_win=1"},
     nullptr},
    {"wager and table limits",
     {"wager_limit=200", "table_limit=10", "session_count=23", "first_bet_at_table_limit=0"},
     nullptr},
    {"every session fails its check", {}, "0"},
    {"a fractional game count", {"games_per_session=3.5"}, nullptr},
};

RunSettings SettingsOf(const Case& c) {
  RunSettings settings = ResetDefaults();
  for (const std::string& set : c.sets) EXPECT_EQ(SetNamed(settings, set), "");
  if (c.capital_text) settings.values.texts[0] = c.capital_text;
  return settings;
}

// What the window shows and saves after the same run: its engine on the
// memory form, recording every write.
struct WindowRun {
  MemoryForm form;
  Simulation simulation{form};
  WindowRun(const RunSettings& settings, int64_t seed) : form(seed) {
    simulation.reset_settings();
    SettingsFile::Apply(form, settings.values);
    form.SetRecording(true);
    simulation.request_start();
    RunHeadless(simulation, form, 1000000);
  }
  std::string Text(Control control) const { return form.GetText(control).GetText(); }
};

TEST(BatchRun, ShowsAndSavesWhatTheWindowShowsAndSavesAfterTheSameRun) {
  for (const Case& c : kCases) {
    for (int64_t seed : {1000, 424242}) {
      SCOPED_TRACE(std::string(c.name) + ", seed " + std::to_string(seed));
      const RunOutcome batch = PlayRun(SettingsOf(c), seed, 1);
      const WindowRun window(SettingsOf(c), seed);
      EXPECT_EQ(batch.results_list, window.Text(Control::rtb_ergebnisse));
      EXPECT_EQ(batch.counters[0], window.Text(Control::label_maximal_erreicht));
      EXPECT_EQ(batch.counters[2], window.Text(Control::label_tischlimit_oder_maxspiele));
      EXPECT_EQ(batch.percentages[1], window.Text(Control::label_proz_min));
      EXPECT_EQ(batch.messages, window.form.Messages());
      EXPECT_EQ(batch.report, ResultsReport::Format(window.form, window.simulation.settings()));
    }
  }
}

TEST(BatchRun, EachSessionIsTaggedWithHowItEndedAndTalliedAsTheWindowCounts) {
  for (const SessionRecord& s : PlayRun(SettingsOf(kCases[3]), 5, 1).sessions) {
    EXPECT_EQ(s.ending, SessionEnding::FailedCheck);
    EXPECT_EQ(s.games, 0);
    EXPECT_EQ(s.result, 0) << "the balance the reset left is no result of a session";
  }
  int without = 0;
  for (const SessionRecord& s : PlayRun(SettingsOf(kCases[4]), 5, 1).sessions) {
    EXPECT_LE(s.games, 3);
    without += s.ending == SessionEnding::NoCounter;
  }
  EXPECT_GT(without, 0) << "a fractional count ends some sessions after game 3 with no counter";
  const RunOutcome run = PlayRun(SettingsOf(kCases[2]), 5, 1);
  RunTally tally;
  tally.Add(run);
  EXPECT_EQ(tally.ended_high, std::atoll(run.counters[0].c_str()));
  EXPECT_EQ(tally.ended_limit, std::atoll(run.counters[2].c_str()));
  EXPECT_GT(tally.ended_limit, 0);
}

TEST(BatchPool, RunsComeInSeedOrderAndTallyTheSameForAnyThreadsOrParts) {
  const RunSettings settings = SettingsOf(kCases[1]);
  const auto play = [&](int64_t first_seed, int64_t runs, int64_t jobs, int64_t first_run, std::string* csv) {
    RunTally tally;
    PlayRuns(
        settings, first_seed, runs, jobs,
        [&](RunOutcome& run) {
          EXPECT_EQ(run.seed, first_seed + tally.runs);
          if (csv) *csv += SessionsCsvRows(run);
          tally.Add(run);
        },
        nullptr, first_run);
    return tally;
  };
  std::string one_csv, three_csv, parts_csv;
  const RunTally one = play(900, 9, 1, 1, &one_csv);
  const RunTally three = play(900, 9, 3, 1, &three_csv);
  RunTally parts = play(900, 4, 2, 1, &parts_csv);
  parts.Add(play(904, 5, 2, 5, &parts_csv));
  EXPECT_EQ(one_csv, three_csv);
  EXPECT_EQ(one_csv, parts_csv);
  EXPECT_EQ(TallyJson(one), TallyJson(three));
  EXPECT_EQ(TallyJson(one), TallyJson(parts));
  EXPECT_EQ(one.runs, 9);
}

}  // namespace
