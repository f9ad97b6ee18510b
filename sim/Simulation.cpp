#include "sim/Simulation.h"

#include <cmath>
#include <limits>

#include "sim/DecimalText.h"
#include "sim/Formatted.h"
#include "sim/RunStart.h"
#include "sim/SessionEnding.h"
#include "sim/SettingsChecks.h"

namespace {

const WString kEmpty("");

// Long sessions would be slowed down too much by the live list.
constexpr double kLongestLiveList = 999;

}  // namespace

double Simulation::UnitsOf(int32_t quanta) const { return static_cast<double>(quanta) / inputs_.rules.quanta; }

inline int32_t Simulation::spin(Stake& stake) {
  const int32_t numbers = WheelNumbers(settings_.double_zero);
  // The program's own generator steps a copy of its state held with the
  // stake: a game is cheap enough for a round trip through memory to show.
  const bool own = &numbers_ == &own_generator_;
  for (;;) {
    const int32_t n = (own ? NumberGenerator::Step(stake.generator) : numbers_.Next()) % kRawModulus;
    if (n < numbers) return n;
  }
}

void Simulation::on_poll_timer() {
  if (state_.start_requested) {
    state_.start_requested = false;
    if (!CheckedSessionCount()) return;
    state_.turnover = 0;
    if (!state_.run_active) {
      state_.seed = static_cast<int32_t>(RunGenerator(form_.CalendarTime()));
      numbers_.Seed(static_cast<uint32_t>(state_.seed));
      state_.run_active = true;
      state_.sessions_remaining = TruncateToInt32(settings_.session_count);
    }
    form_.StartSessionTimer(kTimerInterval, 1);
  }
  // Drawn on every tick, so the generator moves on between sessions too.
  form_.SetNumber(Control::rtb_random, {"%5.0d", static_cast<double>(numbers_.Next() % 30000), true});
}

void Simulation::on_session_timer() {
  if (static_cast<double>(state_.sessions_remaining) == settings_.session_count) clear_statistics();
  form_.SetNumber(Control::label_akt_gesamtdurchgang, {"%6d", static_cast<double>(state_.sessions_remaining), true});
  play_session();
  record_session();
  state_.sessions_ended += 1;
  state_.sessions_remaining -= 1;
  if (state_.sessions_remaining > 0) {
    state_.start_requested = true;
  } else {
    state_.sessions_remaining = 0;
    state_.run_active = false;
  }
}

void Simulation::play_session() {
  // Inputs unchanged since the last session started read the same again.
  const uint64_t generation = form_.InputGeneration();
  const bool known = start_read_.generation == generation && start_read_.valid;
  if (known) {
    const SimSettings& read = start_read_.settings;
    for (double SimSettings::*field : {&SimSettings::capital, &SimSettings::games_per_session, &SimSettings::delay_ms,
                                       &SimSettings::first_bet, &SimSettings::wager_limit, &SimSettings::table_limit}) {
      settings_.*field = read.*field;
    }
    settings_.double_zero = read.double_zero;
  } else if (!CheckSessionStart(form_, settings_)) {
    start_read_.valid = false;
    return;
  } else {
    settings_.double_zero = form_.GetChecked(Control::checkbox_zero_oder_zerozero);
  }
  form_.SetFont(Control::label_alle_zahlen, settings_.games_per_session <= 200 ? "12.Courier New" : "8.Courier New");
  form_.SetText(Control::label_infolabel, kEmpty);
  state_.numbers.Clear();
  if (known) {
    inputs_ = start_read_.inputs;
  } else {
    read_session_inputs();
    start_read_ = {generation, true, settings_, inputs_};
  }
  form_.SetText(Control::label_alle_zahlen, kEmpty);
  // Every way out of the games gives the stake back to the run state.
  Stake stake = load_stake();
  SessionState carried = stake.game;
  carried.bet_on_red = inputs_.bet_on_red;
  stake.game = SessionStart(inputs_.rules, TruncateToInt32(settings_.capital), carried);
  stake.game.wagered = static_cast<int64_t>(state_.turnover);
  keeps_course_ = state_.courses.size() < kKeptCourses;
  if (keeps_course_) state_.courses.push_back({{UnitsOf(stake.game.balance)}, Ending::Check});
  while (play_game(stake) == GameEnd::Continue) {
  }
}

Simulation::Stake Simulation::load_stake() const {
  Stake stake{};
  stake.game.bet = state_.bet;
  stake.game.balance = state_.balance;
  stake.game.win_streak = state_.win_streak;
  stake.game.loss_streak = state_.loss_streak;
  stake.game.wagered = static_cast<int64_t>(state_.turnover);
  stake.game.bet_on_red = inputs_.bet_on_red;
  stake.generator = own_generator_.State();
  return stake;
}

void Simulation::store_stake(const Stake& stake) {
  state_.bet = stake.game.bet;
  state_.balance = stake.game.balance;
  state_.win_streak = stake.game.win_streak;
  state_.loss_streak = stake.game.loss_streak;
  state_.turnover = static_cast<double>(stake.game.wagered);
  inputs_.bet_on_red = stake.game.bet_on_red;
  own_generator_.Seed(stake.generator);
}

void Simulation::read_session_inputs() {
  // The numbers as the session start checks just read them, the rows and
  // the boxes as they are now.
  SimSettings read = settings_;
  for (std::size_t k = 0; k < kRowLength; ++k) {
    read.bet_after_wins[k] = TruncateToInt32(ParseDecimal(form_.GetText(kBetAfterWins[k]).GetText()));
    read.bet_after_losses[k] = TruncateToInt32(ParseDecimal(form_.GetText(kBetAfterLosses[k]).GetText()));
  }
  read.first_bet_after_win = form_.GetChecked(Control::checkbox_bei_gewinn_erster_einsatz);
  read.first_bet_after_loss = form_.GetChecked(Control::checkbox_bei_verlust_erster_einsatz);
  read.switch_after_win = form_.GetChecked(Control::checkbox_tauschen_bei_gewinn);
  read.first_bet_at_table_limit = form_.GetChecked(Control::checkbox_bei_tischlimit_neueinsatz);
  inputs_.rules = RulesOf(read, true);
  inputs_.delay_ms = static_cast<uint32_t>(TruncateToInt32(settings_.delay_ms));
  inputs_.bet_on_red = form_.GetChecked(Control::checkbox_rot_oder_schwarz);
  inputs_.show_numbers_live = form_.GetChecked(Control::checkbox_zahlen_des_letzten_durchganges);
}

Simulation::GameEnd Simulation::play_game(Stake& stake) {
  SessionState& game = stake.game;
  GameRules& rules = inputs_.rules;
  const ::GameEnd before = EndBeforeSpin(rules, game);
  if (before != ::GameEnd::None) {
    // The run's turnover has always taken in the bet a session stopped at,
    // though that game was never played.
    game.wagered += game.bet;
    store_stake(stake);
    return end_session(before);
  }

  state_.last_number = spin(stake);
  state_.number_colour = ColourOf(state_.last_number);

  settings_.bet_on_red = game.bet_on_red;
  if (game.game == 1) {
    // Options only the user changes: what the first game stores, every game would.
    settings_.first_bet_after_win = rules.first_bet_after_win;
    settings_.first_bet_after_loss = rules.first_bet_after_loss;
    settings_.first_bet_at_table_limit = rules.first_bet_at_table_limit;
  }
  GameEvent event;
  Settle(rules, game, state_.last_number, event);
  if (keeps_course_) state_.courses.back().balances.push_back(UnitsOf(game.balance));
  // The stored option is read only when a game is won.
  if (event.won) settings_.switch_after_win = rules.switch_after_win;

  GameView view;
  view.game = game.game;
  view.number = state_.last_number;
  view.colour = state_.number_colour;
  view.colour_box_changed = event.colour_switched;
  view.bet_on_red = game.bet_on_red;
  list_number(view);
  view.balance = game.balance;
  view.bet = game.bet;
  form_.ShowGame(view);

  // The limits read the same in every game of the session, so only the
  // first game's check can fail.
  if (game.game == 1) {
    store_stake(stake);
    if (!CheckedBalanceLimits()) return GameEnd::Ended;
    SetBalanceLimits(rules, settings_.max_balance, settings_.min_balance);
  }
  const ::GameEnd after = EndAfterSettlement(rules, game);
  const bool within_limits =
      after == ::GameEnd::None || after == ::GameEnd::LastGame || after == ::GameEnd::LastGameUncounted;
  if (within_limits) form_.Sleep(inputs_.delay_ms);
  if (after == ::GameEnd::None) return GameEnd::Continue;
  store_stake(stake);
  return end_session(after);
}

bool Simulation::CheckedAgain(InputsRead& read, bool same, bool (*check)(FormOperations&, SimSettings&),
                              std::initializer_list<double SimSettings::*> fields) {
  const uint64_t generation = form_.InputGeneration();
  if (read.valid && read.generation == generation && same) {
    for (double SimSettings::*field : fields) settings_.*field = read.settings.*field;
    return true;
  }
  read.valid = check(form_, settings_);
  read.generation = generation;
  read.settings = settings_;
  return read.valid;
}

bool Simulation::CheckedSessionCount() {
  return CheckedAgain(count_read_, true, &CheckSessionCount, {&SimSettings::session_count});
}

bool Simulation::CheckedBalanceLimits() {
  // The limits are checked against the capital, which a session start reads.
  return CheckedAgain(limits_read_, limits_read_.settings.capital == settings_.capital, &CheckBalanceLimits,
                      {&SimSettings::max_balance, &SimSettings::min_balance});
}

void Simulation::list_number(GameView& view) {
  state_.numbers.Add(state_.last_number);
  settings_.show_numbers_live = inputs_.show_numbers_live;
  if (settings_.show_numbers_live && settings_.games_per_session > kLongestLiveList) {
    inputs_.show_numbers_live = false;
    view.live_list_switched_off = true;
  }
  if (settings_.show_numbers_live) {
    view.numbers = &state_.numbers;
    view.listed = state_.numbers.Count();
  }
}

namespace {

// What the window says as a session ends, in the order it says it; the
// last one stays on the info label.
struct EndMessage {
  ::GameEnd end;
  int32_t colour;
  const char* text;
};
constexpr EndMessage kEndMessages[] = {
    {::GameEnd::WagerLimit, WColor::Green, "wager limit reached!"},
    {::GameEnd::TableLimitOrBalance, WColor::Red, "bet > table limit or amount"},
    {::GameEnd::MaxBalance, WColor::Green, "max balance reached !"},
    {::GameEnd::MaxAndMinBalance, WColor::Green, "max balance reached !"},
    {::GameEnd::MinBalance, WColor::Red, "min balance reached !"},
    {::GameEnd::MaxAndMinBalance, WColor::Red, "min balance reached !"},
};

}  // namespace

Simulation::GameEnd Simulation::end_session(::GameEnd end) {
  EndingCounts<double> counts{};
  CountEnding(counts, EndingOf(end), 1.0);
  if (keeps_course_) state_.courses.back().ending = RowOf(EndingOf(end)).counted;
  state_.max_count += counts[IndexOf(Ending::High)];
  state_.min_count += counts[IndexOf(Ending::Low)];
  state_.limit_count += counts[IndexOf(Ending::Limit)];
  for (const EndMessage& message : kEndMessages) {
    if (message.end == end) show_message(WColor(message.colour), message.text);
  }
  const bool at_min = end == ::GameEnd::MinBalance || end == ::GameEnd::MaxAndMinBalance;
  if (at_min && state_.balance < state_.bet) show_message(WColor(WColor::Red), "balance < next bet !");
  return GameEnd::Ended;
}

void Simulation::show_message(const WColor& colour, const char* text) {
  form_.SetForeColor(Control::label_infolabel, colour);
  form_.SetText(Control::label_infolabel, WString(text));
}
