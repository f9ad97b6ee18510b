#include "batch/sampling/BatchRun.h"

#include <cstdlib>

#include "files/ResultsReport.h"
#include "sim/DecimalText.h"
#include "sim/HeadlessRun.h"
#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

namespace {

// What a batch run counts as it goes.
struct Tally {
  int32_t games = 0;
  int64_t wagered = 0;
  int64_t on_colour[2] = {};  // black, red
  int64_t squared_bets = 0;
  int messages = 0;
};

// The memory form of a batch run: it books every game's bet as the balance
// moves by it, and counts the messages.
class BatchForm final : public MemoryForm {
 public:
  using MemoryForm::MemoryForm;

  void Watch(const Simulation& simulation) { simulation_ = &simulation; }

  void ShowGame(const GameView& game) override {
    // Every game is won or lost by exactly its bet; the first starts from
    // the capital.
    if (game.game == 1) balance_ = TruncateToInt32(simulation_->settings().capital);
    const int64_t bet = std::llabs(static_cast<int64_t>(game.balance) - balance_);
    balance_ = game.balance;
    ++tally.games;
    tally.wagered += bet;
    // A played bet is at most the table limit, 20001, so the squares of
    // the largest run's five thousand million games still sum exactly.
    tally.squared_bets += bet * bet;
    tally.on_colour[simulation_->settings().bet_on_red ? 1 : 0] += bet;
    // Nobody sees the list of numbers of a batch run, so it is never
    // rendered; every other display stays as the window would show it.
    if (game.numbers) {
      GameView shown = game;
      shown.numbers = nullptr;
      MemoryForm::ShowGame(shown);
    } else {
      MemoryForm::ShowGame(game);
    }
  }

  void ShowInformation(const char* caption, const char* text) override {
    ++tally.messages;
    MemoryForm::ShowInformation(caption, text);
  }

  Tally tally;

 private:
  const Simulation* simulation_ = nullptr;
  int64_t balance_ = 0;
};

struct Counts {
  double max = 0;
  double min = 0;
  double limit = 0;
};

Counts CountsOf(const SimRunState& state) { return {state.max_count, state.min_count, state.limit_count}; }

SessionEnding EndingOf(const Counts& before, const Counts& after, bool failed_check) {
  const bool max = after.max > before.max;
  const bool min = after.min > before.min;
  if (max && min) return SessionEnding::BothBalanceLimits;
  if (max) return SessionEnding::MaxBalanceOrWagerLimit;
  if (min) return SessionEnding::MinBalance;
  if (after.limit > before.limit) return SessionEnding::TableLimitOrLastGame;
  if (failed_check) return SessionEnding::FailedCheck;
  return SessionEnding::NoCounter;
}

std::string Text(const MemoryForm& form, Control control) { return form.GetText(control).GetText(); }

}  // namespace

RunOutcome PlayRun(const RunSettings& settings, int64_t seed, int32_t run) {
  BatchForm form(seed);
  Simulation simulation(form);
  form.Watch(simulation);
  simulation.reset_settings();
  SettingsFile::Apply(form, settings.values);
  form.SetText(Control::rtb_verzoegerung, WString(settings.delay.c_str()));
  form.SetChecked(Control::checkbox_zahlen_des_letzten_durchganges, settings.show_numbers_live);
  simulation.request_start();

  RunOutcome outcome;
  outcome.seed = seed;
  int32_t played = 0;
  const SimRunState& state = simulation.state();
  Counts before;
  Tally before_session;
  SessionHooks hooks;
  hooks.before = [&] {
    // The session's own tick clears the counters when it is a run's first.
    const bool first = static_cast<double>(state.sessions_remaining) == simulation.settings().session_count;
    before = first ? Counts{} : CountsOf(state);
    before_session = form.tally;
  };
  hooks.after = [&] {
    SessionRecord record;
    record.run = run;
    record.session = ++played;
    record.final_balance = state.balance;
    record.games = form.tally.games - before_session.games;
    record.wagered = form.tally.wagered - before_session.wagered;
    record.result = record.games > 0 ? int64_t{state.balance} - static_cast<int64_t>(simulation.settings().capital) : 0;
    record.ending = EndingOf(before, CountsOf(state), form.tally.messages > before_session.messages);
    outcome.sessions.push_back(record);
  };
  RunHeadless(simulation, form, kLargestRunPollTicks, hooks);

  outcome.results_list = Text(form, Control::rtb_ergebnisse);
  const Control counters[] = {Control::label_maximal_erreicht, Control::label_minimal_erreicht,
                              Control::label_tischlimit_oder_maxspiele};
  const Control percentages[] = {Control::label_proz_max, Control::label_proz_min, Control::label_proz_linmit};
  for (int i = 0; i < 3; ++i) {
    outcome.counters[i] = Text(form, counters[i]);
    outcome.percentages[i] = Text(form, percentages[i]);
  }
  outcome.messages = form.Messages();
  outcome.report = ResultsReport::Format(form, simulation.settings());
  outcome.double_zero = simulation.settings().double_zero;
  outcome.wagered_on_red = form.tally.on_colour[1];
  outcome.wagered_on_black = form.tally.on_colour[0];
  outcome.squared_bets = form.tally.squared_bets;
  outcome.capital = simulation.settings().capital;
  outcome.max_balance = simulation.settings().max_balance;
  outcome.min_balance = simulation.settings().min_balance;
  return outcome;
}
