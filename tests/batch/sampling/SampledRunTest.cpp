// The sampled run, which plays the engine's step directly, against the
// window's engine playing the same run on its form: the same messages, and
// the window's results list, counters, percentages and report rendered from
// the sampled run byte for byte as the engine wrote them, over varied
// settings and seeds.
#include "batch/sampling/SampledRun.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdlib>
#include <sstream>

#include "batch/output/SessionsCsv.h"
#include "batch/output/WindowView.h"
#include "batch/results/SummaryJson.h"
#include "batch/sampling/PlayRuns.h"
#include "batch/sampling/RunTally.h"
#include "files/ResultsReport.h"
#include "sim/HeadlessRun.h"
#include "sim/MemoryForm.h"
#include "sim/Simulation.h"
#include "SettingsWith.h"

namespace {

struct Case {
  const char* name;
  std::vector<std::string> sets;
  double capital;  // where no --set could give it; else 0
};

// CTest lists a case by its name.
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const Case kCases[] = {
    {"Defaults", {}, 0},
    {"DoubleZeroRedSwitchAfterAWin",
     {"session_count=17", "games_per_session=300", "double_zero=1", "bet_on_red=1", "switch_after_win=1"},
     0},
    {"WagerAndTableLimitsStop",
     {"wager_limit=200", "table_limit=10", "session_count=23", "first_bet_at_table_limit=0"},
     0},
    {"EverySessionFailsItsStartCheck", {}, -1},
    {"TheBalanceLimitsFailAfterTheFirstGame", {"max_balance=400", "session_count=4"}, 0},
    {"AFractionalGameCount", {"games_per_session=3.5"}, 0},
    {"AMartingaleUnderATableLimit",
     {"bet_after_losses=2,4,8,16,32,64,128,256,512,1024,2048", "first_bet_after_loss=0", "first_bet_after_win=1",
      "table_limit=200", "session_count=30"},
     0},
    {"LongSessionsAtAFloor", {"games_per_session=5000", "min_balance=480", "first_bet=3", "session_count=5"}, 0},
};

RunSettings SettingsOf(const Case& c) {
  RunSettings settings = SettingsWith({c.sets});
  if (c.capital != 0) settings.capital = c.capital;
  return settings;
}

// The window's engine plays the run on a form whose fields hold the
// settings as the batch's report shows them.
struct EngineRun {
  MemoryForm form;
  Simulation simulation{form};
  EngineRun(const RunSettings& settings, int64_t seed) : form(seed) {
    simulation.reset_settings();
    for (const SettingSpec& item : kSettings) {
      if (item.kind == SettingKind::Number) form.SetText(item.control, WString(FieldText(settings, item).c_str()));
      if (item.kind == SettingKind::Option && item.control != kNoControl) {
        form.SetChecked(item.control, settings.*item.option);
      }
    }
    for (std::size_t k = 0; k < kRowLength; ++k) {
      form.SetText(kBetAfterWins[k], WString(EntryText(settings, *FindSetting("bet_after_wins"), k).c_str()));
      form.SetText(kBetAfterLosses[k], WString(EntryText(settings, *FindSetting("bet_after_losses"), k).c_str()));
    }
    simulation.request_start();
    RunHeadless(simulation, form, kLargestRunPollTicks);
  }
  std::string Text(Control control) const { return form.GetText(control).GetText(); }
};

class SampledRuns : public ::testing::TestWithParam<Case> {};

TEST_P(SampledRuns, ShowWhatTheWindowsEngineShows) {
  const RunSettings settings = SettingsOf(GetParam());
  for (int64_t seed : {1000, 424242, 7}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const RunOutcome run = PlayRun(settings, seed, 1);
    const EngineRun engine(settings, seed);
    const WindowView view = WindowViewOf(settings, run);
    EXPECT_EQ(run.messages, engine.form.Messages());
    EXPECT_EQ(view.results_list, engine.Text(Control::rtb_ergebnisse));
    EXPECT_EQ(view.counters, (std::array<std::string, 3>{engine.Text(Control::label_maximal_erreicht),
                                                         engine.Text(Control::label_minimal_erreicht),
                                                         engine.Text(Control::label_tischlimit_oder_maxspiele)}));
    EXPECT_EQ(view.percentages,
              (std::array<std::string, 3>{engine.Text(Control::label_proz_max), engine.Text(Control::label_proz_min),
                                          engine.Text(Control::label_proz_linmit)}));
    EXPECT_EQ(view.report, ResultsReport::Format(engine.form, engine.simulation.settings()));
  }
}

INSTANTIATE_TEST_SUITE_P(Settings, SampledRuns, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SampledRun, TagsEachSessionWithHowItEnded) {
  for (const SessionRecord& s : PlayRun(SettingsOf(kCases[3]), 5, 1).sessions) {
    EXPECT_EQ(s.ending, SessionEnding::FailedCheck);
    EXPECT_EQ(s.games, 0);
    EXPECT_EQ(s.result, 0) << "the balance the reset left is no result of a session";
  }
  int without = 0;
  for (const SessionRecord& s : PlayRun(SettingsOf(kCases[5]), 5, 1).sessions) {
    EXPECT_LE(s.games, 3);
    without += s.ending == SessionEnding::NoCounter;
  }
  EXPECT_GT(without, 0) << "a fractional count ends some sessions after game 3 with no counter";
}

TEST(SampledRun, FreshSessionsCarryNoStreakIntoTheNext) {
  int64_t broke[2] = {};  // carried, fresh; the first session of the defaults never goes broke
  for (int64_t run = 0; run < 60; ++run) {
    for (const SessionRecord& s :
         PlayRun(SettingsWith({{"fresh_sessions=" + std::to_string(run % 2)}}), run, 1).sessions)
      broke[run % 2] += s.ending == SessionEnding::MinBalance;
  }
  EXPECT_TRUE(broke[0] > 10 && broke[1] == 0) << broke[0] << " carried, " << broke[1] << " fresh";
}

TEST(BatchPool, RunsComeInSeedOrderAndTallyTheSameForAnyThreadsOrParts) {
  const SimSettings settings = SettingsOf(kCases[1]);
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
  ASSERT_TRUE(parts.Add(play(904, 5, 2, 5, &parts_csv)));
  EXPECT_EQ(one_csv, three_csv);
  EXPECT_EQ(one_csv, parts_csv);
  EXPECT_EQ(TallyJson(one), TallyJson(three));
  EXPECT_EQ(TallyJson(one), TallyJson(parts));
  EXPECT_EQ(one.runs, 9);
}

}  // namespace
