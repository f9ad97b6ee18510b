#include "batch/output/WindowView.h"

#include "batch/core/Numbers.h"
#include "files/ResultsReport.h"
#include "sim/DecimalText.h"
#include "sim/RunResults.h"
#include "sim/SettingTable.h"

namespace {

std::array<std::string, kRowLength> RowTexts(const RunSettings& settings, const char* name) {
  std::array<std::string, kRowLength> texts;
  for (std::size_t k = 0; k < kRowLength; ++k) texts[k] = EntryText(settings, *FindSetting(name), k);
  return texts;
}

RunResults ResultsOf(const RunSettings& settings, const RunOutcome& run) {
  RunResults results;
  results.session_count = TruncateToInt32(settings.session_count);
  EndingCounts<double> ended{};
  for (const SessionRecord& session : run.sessions) {
    results.final_balances.push_back(session.final_balance / run.quanta);
    CountEnding<double>(ended, session.ending, 1);
  }
  results.counts = {ended[IndexOf(Ending::High)], ended[IndexOf(Ending::Low)], ended[IndexOf(Ending::Limit)]};
  return results;
}

// The options as the window stores them while it plays, which its report
// shows: those of a session start that passed its check (the wheel), of a
// first spin (the first-bet options) and of a won game (the colour switch);
// where the run never got so far, clear, as a fresh window holds them.
SimSettings PlayedOptions(const RunSettings& settings, const RunOutcome& run) {
  SimSettings played;
  for (const SessionRecord& session : run.sessions) {
    if (session.games > 0 || session.ending != SessionEnding::FailedCheck) played.double_zero = settings.double_zero;
    if (session.games > 0) {
      played.first_bet_after_win = settings.first_bet_after_win;
      played.first_bet_after_loss = settings.first_bet_after_loss;
      played.first_bet_at_table_limit = settings.first_bet_at_table_limit;
    }
  }
  if (run.won_a_game) played.switch_after_win = settings.switch_after_win;
  return played;
}

}  // namespace

std::string FieldText(const RunSettings& settings, const SettingSpec& item) {
  const double entered = settings.*item.number - item.offset;
  return entered == item.reset_value ? ResetText(item) : ExactText(entered);
}

std::string EntryText(const RunSettings& settings, const SettingSpec& row, std::size_t k) {
  const ProgressionRow& reset = row.row == &SimSettings::bet_after_wins ? kResetBetAfterWins : kResetBetAfterLosses;
  const int32_t entry = (settings.*row.row)[k];
  return settings.*row.row == reset ? ResetEntryText(entry) : std::to_string(entry);
}

WindowView WindowViewOf(const RunSettings& settings, const RunOutcome& run) {
  const ResultsDisplays shown = DisplaysOf(ResultsOf(settings, run));
  WindowView view;
  view.results_list = shown.list.GetText();
  for (std::size_t k = 0; k < 3; ++k) {
    view.counters[k] = shown.counters[k].GetText();
    view.percentages[k] = shown.percentages[k].GetText();
  }
  ResultsReport::Data data;
  data.capital = FieldText(settings, *FindSetting("capital"));
  data.sessions = FieldText(settings, *FindSetting("session_count"));
  data.first_bet = FieldText(settings, *FindSetting("first_bet"));
  data.wager_limit = FieldText(settings, *FindSetting("wager_limit"));
  data.table_limit = FieldText(settings, *FindSetting("table_limit"));
  data.bet_after_wins = RowTexts(settings, "bet_after_wins");
  data.bet_after_losses = RowTexts(settings, "bet_after_losses");
  data.counters = view.counters;
  data.results_list = view.results_list;
  view.report = ResultsReport::Format(data, PlayedOptions(settings, run));
  return view;
}

std::string WindowViewText(const WindowView& view) {
  return view.results_list + "\n" + view.counters[0] + ' ' + view.counters[1] + ' ' + view.counters[2] + "\n" +
         view.percentages[0] + ' ' + view.percentages[1] + ' ' + view.percentages[2] + "\n";
}

bool WindowPlays(const RunSettings& settings) {
  return settings.system == BetSystem::Rows && settings.zero_rule == ZeroRule::Lose;
}
