// The sampled run, which plays the engine's step directly, against the
// window's engine playing the same run on its form: the same messages, the
// same counts and the same final balance of every session, over varied
// settings and seeds.
#include "batch/sampling/SampledRun.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "batch/output/SessionsCsv.h"
#include "batch/replay/WindowReplay.h"
#include "batch/results/SummaryJson.h"
#include "batch/sampling/PlayRuns.h"
#include "batch/sampling/RunTally.h"

namespace {

struct Case {
  const char* name;
  std::vector<std::string> sets;
  const char* capital_text;  // typed as it is, where no --set could give it
};

const Case kCases[] = {
    {"Defaults", {}, nullptr},
    {"DoubleZeroRedSwitchAfterAWin",
     {"session_count=17", "games_per_session=300", "double_zero=1", "bet_on_red=1", "switch_after_win=1"},
     nullptr},
    {"WagerAndTableLimitsStop",
     {"wager_limit=200", "table_limit=10", "session_count=23", "first_bet_at_table_limit=0"},
     nullptr},
    {"EverySessionFailsItsStartCheck", {}, "0"},
    {"TheBalanceLimitsFailAfterTheFirstGame", {"max_balance=400", "session_count=4"}, nullptr},
    {"AFractionalGameCount", {"games_per_session=3.5"}, nullptr},
    {"AMartingaleUnderATableLimit",
     {"bet_after_losses=2,4,8,16,32,64,128,256,512,1024,2048", "first_bet_after_loss=0", "first_bet_after_win=1",
      "table_limit=200", "session_count=30"},
     nullptr},
    {"LongSessionsAtAFloor", {"games_per_session=5000", "min_balance=480", "first_bet=3", "session_count=5"}, nullptr},
};

RunSettings SettingsOf(const Case& c) {
  RunSettings settings = ResetDefaults();
  for (const std::string& set : c.sets) EXPECT_FALSE(SetNamed(settings, set).has_value());
  if (c.capital_text) settings.values.texts[0] = c.capital_text;
  return settings;
}

// The final balances of the window's list, in the order played.
std::vector<int32_t> ListedBalances(const std::string& list) {
  std::vector<int32_t> balances;
  std::istringstream entries(list);
  std::string number, balance, bars;
  while (entries >> number >> balance >> bars) balances.push_back(std::atoi(balance.c_str()));
  return balances;
}

class SampledRuns : public ::testing::TestWithParam<Case> {};

TEST_P(SampledRuns, PlayWhatTheWindowsEnginePlays) {
  const RunSettings settings = SettingsOf(GetParam());
  for (int64_t seed : {1000, 424242, 7}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const RunOutcome run = PlayRun(Typed(settings), seed, 1);
    const WindowView window = ReplayInWindow(settings, seed);
    EXPECT_EQ(run.messages, window.messages);
    RunTally tally;
    tally.Add(run);
    EXPECT_EQ(tally.ended[IndexOf(Ending::High)], std::atoll(window.counters[0].c_str()));
    EXPECT_EQ(tally.ended[IndexOf(Ending::Low)], std::atoll(window.counters[1].c_str()));
    EXPECT_EQ(tally.ended[IndexOf(Ending::Limit)], std::atoll(window.counters[2].c_str()));
    std::vector<int32_t> balances;
    for (const SessionRecord& session : run.sessions) balances.push_back(session.final_balance);
    EXPECT_EQ(balances, ListedBalances(window.results_list));
  }
}

INSTANTIATE_TEST_SUITE_P(Settings, SampledRuns, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SampledRun, TagsEachSessionWithHowItEnded) {
  for (const SessionRecord& s : PlayRun(Typed(SettingsOf(kCases[3])), 5, 1).sessions) {
    EXPECT_EQ(s.ending, SessionEnding::FailedCheck);
    EXPECT_EQ(s.games, 0);
    EXPECT_EQ(s.result, 0) << "the balance the reset left is no result of a session";
  }
  int without = 0;
  for (const SessionRecord& s : PlayRun(Typed(SettingsOf(kCases[5])), 5, 1).sessions) {
    EXPECT_LE(s.games, 3);
    without += s.ending == SessionEnding::NoCounter;
  }
  EXPECT_GT(without, 0) << "a fractional count ends some sessions after game 3 with no counter";
}

TEST(BatchPool, RunsComeInSeedOrderAndTallyTheSameForAnyThreadsOrParts) {
  const SimSettings settings = Typed(SettingsOf(kCases[1]));
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
