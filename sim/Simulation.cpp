#include "sim/Simulation.h"

#include <cmath>
#include <limits>

#include "sim/DecimalText.h"
#include "sim/Formatted.h"
#include "sim/SettingsChecks.h"

namespace {

const WString kEmpty("");

void Increment(int32_t& streak) {
  if (streak < std::numeric_limits<int32_t>::max()) ++streak;
}

// Long sessions would be slowed down too much by the live list.
constexpr double kLongestLiveList = 999;

}  // namespace

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

int32_t Simulation::draw_number() {
  Stake stake = load_stake();
  const int32_t number = spin(stake);
  store_stake(stake);
  return number;
}

void Simulation::on_poll_timer() {
  if (state_.start_requested) {
    state_.start_requested = false;
    if (!CheckedSessionCount()) return;
    state_.turnover = 0;
    if (!state_.run_active) {
      state_.seed = static_cast<int32_t>(static_cast<uint32_t>(form_.CalendarTime() + 5));
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
  state_.bet = inputs_.first_bet;
  state_.balance = TruncateToInt32(settings_.capital);
  form_.SetText(Control::label_alle_zahlen, kEmpty);
  // Every way out of the games gives the stake back to the run state.
  Stake stake = load_stake();
  for (int32_t game = 1; play_game(game, stake) == GameEnd::Continue; ++game) {
  }
}

Simulation::Stake Simulation::load_stake() const {
  return {state_.bet, state_.balance, state_.win_streak, state_.loss_streak, state_.turnover, own_generator_.State()};
}

void Simulation::store_stake(const Stake& stake) {
  state_.bet = stake.bet;
  state_.balance = stake.balance;
  state_.win_streak = stake.win_streak;
  state_.loss_streak = stake.loss_streak;
  state_.turnover = stake.turnover;
  own_generator_.Seed(stake.generator);
}

void Simulation::read_session_inputs() {
  for (int k = 0; k < 11; ++k) {
    inputs_.bet_after_wins[k] = TruncateToInt32(ParseDecimal(form_.GetText(kBetAfterWins[k]).GetText()));
    inputs_.bet_after_losses[k] = TruncateToInt32(ParseDecimal(form_.GetText(kBetAfterLosses[k]).GetText()));
  }
  inputs_.first_bet = TruncateToInt32(settings_.first_bet);
  // The count passed its check, so it lies between 1 and 10000.
  inputs_.last_game = static_cast<int32_t>(std::floor(settings_.games_per_session));
  inputs_.whole_game_count = inputs_.last_game == settings_.games_per_session;
  inputs_.delay_ms = static_cast<uint32_t>(TruncateToInt32(settings_.delay_ms));
  inputs_.bet_on_red = form_.GetChecked(Control::checkbox_rot_oder_schwarz);
  inputs_.first_bet_after_win = form_.GetChecked(Control::checkbox_bei_gewinn_erster_einsatz);
  inputs_.first_bet_after_loss = form_.GetChecked(Control::checkbox_bei_verlust_erster_einsatz);
  inputs_.switch_after_win = form_.GetChecked(Control::checkbox_tauschen_bei_gewinn);
  inputs_.first_bet_at_table_limit = form_.GetChecked(Control::checkbox_bei_tischlimit_neueinsatz);
  inputs_.show_numbers_live = form_.GetChecked(Control::checkbox_zahlen_des_letzten_durchganges);
}

Simulation::GameEnd Simulation::play_game(int32_t game, Stake& stake) {
  if (game > inputs_.last_game) {
    store_stake(stake);
    return GameEnd::Ended;
  }
  stake.turnover += stake.bet;
  if (stake.turnover > settings_.wager_limit) {
    store_stake(stake);
    show_message(WColor(WColor::Green), "wager limit reached!");
    state_.max_count += 1;
    return GameEnd::Ended;
  }
  if (stake.balance < stake.bet || stake.bet > settings_.table_limit) {
    store_stake(stake);
    show_message(WColor(WColor::Red), "bet > table limit or amount");
    state_.limit_count += 1;
    return GameEnd::Ended;
  }

  state_.last_number = spin(stake);
  state_.number_colour = ColourOf(state_.last_number);

  settings_.bet_on_red = inputs_.bet_on_red;
  if (game == 1) {
    // Options only the user changes: what the first game stores, every game would.
    settings_.first_bet_after_win = inputs_.first_bet_after_win;
    settings_.first_bet_after_loss = inputs_.first_bet_after_loss;
    settings_.first_bet_at_table_limit = inputs_.first_bet_at_table_limit;
  }
  const NumberColour bet_colour = settings_.bet_on_red ? NumberColour::Red : NumberColour::Black;
  colour_box_changed_ = false;
  if (state_.number_colour == bet_colour) {
    settle_win(stake);
  } else {
    settle_loss(stake);
  }

  if (settings_.first_bet_at_table_limit && stake.bet >= settings_.table_limit) stake.bet = inputs_.first_bet;

  GameView view;
  view.game = game;
  view.number = state_.last_number;
  view.colour = state_.number_colour;
  view.colour_box_changed = colour_box_changed_;
  view.bet_on_red = inputs_.bet_on_red;
  list_number(view);
  view.balance = stake.balance;
  view.bet = stake.bet;
  form_.ShowGame(view);

  // The limits read the same in every game of the session, so only the
  // first game's check can fail.
  if (game == 1) {
    store_stake(stake);
    if (!CheckedBalanceLimits()) return GameEnd::Ended;
  }
  if (stake.balance >= stake.bet && settings_.min_balance < stake.balance && stake.balance < settings_.max_balance) {
    form_.Sleep(inputs_.delay_ms);
    if (game == inputs_.last_game && inputs_.whole_game_count) state_.limit_count += 1;
    return GameEnd::Continue;
  }
  store_stake(stake);
  return end_by_balance();
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

Simulation::GameEnd Simulation::end_by_balance() {
  if (state_.balance >= settings_.max_balance) {
    state_.max_count += 1;
    show_message(WColor(WColor::Green), "max balance reached !");
  }
  if (state_.balance < state_.bet || state_.balance <= settings_.min_balance) {
    state_.min_count += 1;
    show_message(WColor(WColor::Red), "min balance reached !");
  }
  if (state_.balance < state_.bet) show_message(WColor(WColor::Red), "balance < next bet !");
  return GameEnd::Ended;
}

void Simulation::show_message(const WColor& colour, const char* text) {
  form_.SetForeColor(Control::label_infolabel, colour);
  form_.SetText(Control::label_infolabel, WString(text));
}

void Simulation::settle_win() {
  Stake stake = load_stake();
  settle_win(stake);
  store_stake(stake);
}

void Simulation::settle_loss() {
  Stake stake = load_stake();
  settle_loss(stake);
  store_stake(stake);
}

void Simulation::settle_win(Stake& stake) {
  stake.loss_streak = 0;
  Increment(stake.win_streak);
  stake.balance += stake.bet;
  stake.bet = progression_entry(inputs_.bet_after_wins, stake.win_streak, stake.bet);
  settings_.switch_after_win = inputs_.switch_after_win;
  if (settings_.switch_after_win) {
    inputs_.bet_on_red = !settings_.bet_on_red;
    colour_box_changed_ = true;
  }
  if (settings_.first_bet_after_win) stake.bet = inputs_.first_bet;
  if (stake.bet <= 1) stake.bet = 1;
}

void Simulation::settle_loss(Stake& stake) {
  stake.win_streak = 0;
  Increment(stake.loss_streak);
  stake.balance -= stake.bet;
  stake.bet = progression_entry(inputs_.bet_after_losses, stake.loss_streak, stake.bet);
  if (settings_.first_bet_after_loss) stake.bet = inputs_.first_bet;
  if (stake.bet <= 1) stake.bet = 1;
}

int32_t Simulation::progression_entry(const int32_t (&row)[11], int32_t streak, int32_t bet) {
  // Beyond 11 in a row the bet stays as it is.
  if (streak < 1 || streak > 11) return bet;
  return row[streak - 1];
}
