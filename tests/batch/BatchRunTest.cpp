// A batch run against the window's engine on the memory form: the same
// list, counts, percentages, messages and report, and session records that
// agree with the games the window showed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>

#include "batch/BatchPool.h"
#include "batch/BatchRun.h"
#include "batch/BatchSummary.h"
#include "batch/SessionsCsv.h"
#include "files/ResultsReport.h"
#include "sim/HeadlessRun.h"

namespace {

struct Case {
  const char* name;
  std::map<Control, const char*> texts;
  std::map<Control, bool> checks;
};

const Case kCases[] = {
    {"defaults", {}, {}},
    {"double zero, red, switch after a win",
     {{Control::rtb_anzahl_gesamtdurchgaenge, "17"}, {Control::rtb_anzahl_durchlauf, "300"}},
     {{Control::checkbox_zero_oder_zerozero, true},
      {Control::checkbox_rot_oder_schwarz, true},
      {Control::checkbox_tauschen_bei_gewinn, true}}},
    {"wager and table limits",
     {{Control::rtb_min_einsatz, "200"},
      {Control::rtb_tischlimit, "10"},
      {Control::rtb_anzahl_gesamtdurchgaenge, "23"}},
     {{Control::checkbox_bei_tischlimit_neueinsatz, false}}},
    {"every session fails its check", {{Control::rtb_startkapital, "0"}}, {}},
    {"a fractional game count", {{Control::rtb_anzahl_durchlauf, "3.5"}}, {}},
};

// The settings file's values for a case, as the window would save them.
SettingsFile::Values ValuesOf(const Case& c) {
  MemoryForm form(1);
  Simulation simulation(form);
  simulation.reset_settings();
  for (const auto& [control, text] : c.texts) form.SetText(control, WString(text));
  for (const auto& [box, checked] : c.checks) form.SetChecked(box, checked);
  return SettingsFile::Collect(form);
}

// What the window shows and saves after the same run: its engine on the
// memory form, recording every write.
struct WindowRun {
  MemoryForm form;
  Simulation simulation{form};
  explicit WindowRun(const SettingsFile::Values& values, int64_t seed) : form(seed) {
    simulation.reset_settings();
    SettingsFile::Apply(form, values);
    form.SetRecording(true);
    simulation.request_start();
    RunHeadless(simulation, form, 1000000);
  }
  std::string Text(Control control) const { return form.GetText(control).GetText(); }
};

// The bets of each session as the balance display moved: every game moves
// it by exactly its bet, from the capital.
std::vector<int64_t> WageredPerSession(const MemoryForm& form, int32_t capital) {
  std::vector<int64_t> sessions;
  int64_t balance = capital;
  for (const std::string& line : form.Writes()) {
    if (line.rfind("font label_alle_zahlen", 0) == 0) {
      sessions.push_back(0);
      balance = capital;
    }
    const std::string prefix = "text label_akt_kapital \"";
    if (line.rfind(prefix, 0) == 0 && !sessions.empty()) {
      const int64_t now = std::atoll(line.c_str() + prefix.size());
      sessions.back() += std::llabs(now - balance);
      balance = now;
    }
  }
  return sessions;
}

TEST(BatchRun, ShowsAndSavesWhatTheWindowShowsAndSavesAfterTheSameRun) {
  for (const Case& c : kCases) {
    for (int64_t seed : {1000, 424242}) {
      SCOPED_TRACE(std::string(c.name) + ", seed " + std::to_string(seed));
      const SettingsFile::Values values = ValuesOf(c);
      const RunOutcome batch = PlayRun(&values, seed, 1);
      const WindowRun window(values, seed);

      EXPECT_EQ(batch.results_list, window.Text(Control::rtb_ergebnisse));
      EXPECT_EQ(batch.counters[0], window.Text(Control::label_maximal_erreicht));
      EXPECT_EQ(batch.counters[2], window.Text(Control::label_tischlimit_oder_maxspiele));
      EXPECT_EQ(batch.percentages[1], window.Text(Control::label_proz_min));
      EXPECT_EQ(batch.messages, window.form.Messages());
      EXPECT_EQ(batch.report, ResultsReport::Format(window.form, window.simulation.settings()));
    }
  }
}

TEST(BatchRun, SessionRecordsAgreeWithTheGamesTheWindowShowed) {
  const SettingsFile::Values values = ValuesOf(kCases[2]);
  const RunOutcome batch = PlayRun(&values, 77, 3);
  const WindowRun window(values, 77);
  const std::vector<int64_t> wagered = WageredPerSession(window.form, 500);
  ASSERT_EQ(batch.sessions.size(), wagered.size());
  int64_t on_either = 0;
  for (std::size_t i = 0; i < wagered.size(); ++i) {
    const SessionRecord& s = batch.sessions[i];
    EXPECT_EQ(s.run, 3);
    EXPECT_EQ(s.session, static_cast<int32_t>(i + 1));
    EXPECT_EQ(s.wagered, wagered[i]) << "session " << i + 1;
    EXPECT_EQ(s.result, s.final_balance - 500);
    on_either += s.wagered;
  }
  EXPECT_EQ(batch.wagered_on_red + batch.wagered_on_black, on_either);
  char first_entry[32];
  std::snprintf(first_entry, sizeof first_entry, "%6d.%4d ||", 23, batch.sessions.front().final_balance);
  EXPECT_EQ(batch.results_list.rfind(first_entry, 0), 0u) << "the first record is the list's first entry";
}

TEST(BatchRun, EachSessionIsTaggedWithHowItEnded) {
  const SettingsFile::Values failing = ValuesOf(kCases[3]);
  for (const SessionRecord& s : PlayRun(&failing, 5, 1).sessions) {
    EXPECT_EQ(s.ending, SessionEnding::FailedCheck);
    EXPECT_EQ(s.games, 0);
    EXPECT_EQ(s.result, 0) << "the balance the reset left is no result of a session";
  }
  const SettingsFile::Values fractional = ValuesOf(kCases[4]);
  int without = 0;
  for (const SessionRecord& s : PlayRun(&fractional, 5, 1).sessions) {
    EXPECT_LE(s.games, 3);
    without += s.ending == SessionEnding::NoCounter;
  }
  EXPECT_GT(without, 0) << "a fractional count ends some sessions after game 3 with no counter";

  const SettingsFile::Values limits = ValuesOf(kCases[2]);
  const RunOutcome run = PlayRun(&limits, 5, 1);
  const BatchSummary summary = Summarise({run});
  EXPECT_EQ(summary.ended_high, std::atoll(run.counters[0].c_str())) << "as the window counts";
  EXPECT_EQ(summary.ended_limit, std::atoll(run.counters[2].c_str()));
  EXPECT_GT(summary.ended_limit, 0);
}

TEST(BatchPool, TheOutputIsTheSameForAnyNumberOfThreads) {
  const SettingsFile::Values values = ValuesOf(kCases[1]);
  const std::vector<RunOutcome> one = PlayRuns(&values, 900, 9, 1, nullptr);
  const std::vector<RunOutcome> three = PlayRuns(&values, 900, 9, 3, nullptr);
  EXPECT_EQ(SessionsCsv(one), SessionsCsv(three));
  EXPECT_EQ(FormatSummary(Summarise(one), 900, 9), FormatSummary(Summarise(three), 900, 9));
  ASSERT_EQ(one.size(), 9u);
  EXPECT_EQ(one[4].seed, 904);
  EXPECT_EQ(one[4].sessions.front().run, 5);
}

}  // namespace
