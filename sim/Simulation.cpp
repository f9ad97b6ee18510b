#include "sim/Simulation.h"

#include <limits>

#include "sim/DecimalText.h"
#include "sim/Formatted.h"
#include "sim/SettingsChecks.h"

namespace {

const WString kEmpty("");

void Increment(int32_t& streak) {
  if (streak < std::numeric_limits<int32_t>::max()) ++streak;
}

const char* ColourWord(NumberColour colour) {
  switch (colour) {
    case NumberColour::Red: return "r";
    case NumberColour::Black: return "s";
    case NumberColour::Zero: return "zero";
    case NumberColour::DoubleZero: return "zerozero";
  }
  return "";
}

struct DisplayColours {
  WColor::Palette back;
  WColor::Palette text;
};

DisplayColours NumberDisplayColours(NumberColour colour) {
  switch (colour) {
    case NumberColour::Red: return {WColor::Red, WColor::Green};
    case NumberColour::Black: return {WColor::Black, WColor::Yellow};
    case NumberColour::Zero:
    case NumberColour::DoubleZero: break;
  }
  return {WColor::Green, WColor::Black};
}

}  // namespace

void Simulation::on_poll_timer() {
  if (state_.start_requested) {
    state_.start_requested = false;
    if (!CheckSessionCount(form_, settings_)) return;
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
  form_.SetText(Control::rtb_random, Formatted("%5.0d", numbers_.Next() % 30000));
}

void Simulation::on_session_timer() {
  if (static_cast<double>(state_.sessions_remaining) == settings_.session_count) clear_statistics();
  form_.SetText(Control::label_akt_gesamtdurchgang, Formatted("%6d", state_.sessions_remaining));
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
  if (!CheckSessionStart(form_, settings_)) return;
  settings_.double_zero = form_.GetChecked(Control::checkbox_zero_oder_zerozero);
  form_.SetFont(Control::label_alle_zahlen, settings_.games_per_session <= 200 ? "12.Courier New" : "8.Courier New");
  form_.SetText(Control::label_infolabel, kEmpty);
  state_.numbers_text = "";
  state_.bet = first_bet();
  state_.balance = TruncateToInt32(settings_.capital);
  form_.SetText(Control::label_alle_zahlen, kEmpty);
  for (int32_t game = 1; play_game(game) == GameEnd::Continue; ++game) {
  }
}

Simulation::GameEnd Simulation::play_game(int32_t game) {
  if (game > settings_.games_per_session) return GameEnd::Ended;
  state_.turnover += state_.bet;
  if (state_.turnover > settings_.wager_limit) {
    show_message(WColor(WColor::Green), "wager limit reached!");
    state_.max_count += 1;
    return GameEnd::Ended;
  }
  if (state_.balance < state_.bet || state_.bet > settings_.table_limit) {
    show_message(WColor(WColor::Red), "bet > table limit or amount");
    state_.limit_count += 1;
    return GameEnd::Ended;
  }

  state_.last_number = draw_number();
  state_.number_colour = ColourOf(state_.last_number);
  const DisplayColours colours = NumberDisplayColours(state_.number_colour);
  form_.SetBackColor(Control::label_aktueller_durchgang, WColor(colours.back));
  form_.SetForeColor(Control::label_aktueller_durchgang, WColor(colours.text));

  settings_.bet_on_red = form_.GetChecked(Control::checkbox_rot_oder_schwarz);
  settings_.first_bet_after_win = form_.GetChecked(Control::checkbox_bei_gewinn_erster_einsatz);
  settings_.first_bet_after_loss = form_.GetChecked(Control::checkbox_bei_verlust_erster_einsatz);
  const NumberColour bet_colour = settings_.bet_on_red ? NumberColour::Red : NumberColour::Black;
  if (state_.number_colour == bet_colour) {
    settle_win();
  } else {
    settle_loss();
  }

  settings_.first_bet_at_table_limit = form_.GetChecked(Control::checkbox_bei_tischlimit_neueinsatz);
  if (settings_.first_bet_at_table_limit && state_.bet >= settings_.table_limit) state_.bet = first_bet();

  show_number();
  show_game(game);

  if (!CheckBalanceLimits(form_, settings_)) return GameEnd::Ended;
  if (state_.balance >= state_.bet && settings_.min_balance < state_.balance &&
      state_.balance < settings_.max_balance) {
    form_.Sleep(static_cast<uint32_t>(TruncateToInt32(settings_.delay_ms)));
    if (game == settings_.games_per_session) state_.limit_count += 1;
    return GameEnd::Continue;
  }
  return end_by_balance();
}

void Simulation::show_number() {
  const bool double_zero = state_.last_number == kDoubleZero;
  const WString padded = double_zero ? WString("  00") : Formatted("%4d", state_.last_number);
  state_.number_text = double_zero ? WString(" 00") : padded;
  state_.numbers_text += padded;
  state_.numbers_text += ColourWord(state_.number_colour);

  settings_.show_numbers_live = form_.GetChecked(Control::checkbox_zahlen_des_letzten_durchganges);
  // Long sessions would be slowed down too much by the live list.
  if (settings_.show_numbers_live && settings_.games_per_session > 999) {
    form_.SetChecked(Control::checkbox_zahlen_des_letzten_durchganges, false);
  }
  form_.SetText(Control::label_alle_zahlen, settings_.show_numbers_live ? state_.numbers_text : kEmpty);
}

void Simulation::show_game(int32_t game) {
  form_.SetText(Control::label_aktueller_durchgang, state_.number_text);
  form_.SetText(Control::label_akt_durchlauf, Formatted("%4d", game));
  form_.SetText(Control::label_akt_kapital, Formatted("%4d", state_.balance));
  form_.SetText(Control::label_akt_einsatz, Formatted("%4d", state_.bet));
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

int32_t Simulation::draw_number() {
  // Raw values 0 to 25 modulo 51 come up once more in 32768 than 26 to 50;
  // the wheel keeps that slight bias.
  const int32_t numbers = settings_.double_zero ? 38 : 37;
  for (;;) {
    const int32_t n = numbers_.Next() % 51;
    if (n < numbers) return n;
  }
}

void Simulation::settle_win() {
  state_.loss_streak = 0;
  Increment(state_.win_streak);
  state_.balance += state_.bet;
  state_.bet = progression_entry(kBetAfterWins, state_.win_streak);
  settings_.switch_after_win = form_.GetChecked(Control::checkbox_tauschen_bei_gewinn);
  if (settings_.switch_after_win) form_.SetChecked(Control::checkbox_rot_oder_schwarz, !settings_.bet_on_red);
  if (settings_.first_bet_after_win) state_.bet = first_bet();
  if (state_.bet <= 1) state_.bet = 1;
}

void Simulation::settle_loss() {
  state_.win_streak = 0;
  Increment(state_.loss_streak);
  state_.balance -= state_.bet;
  state_.bet = progression_entry(kBetAfterLosses, state_.loss_streak);
  if (settings_.first_bet_after_loss) state_.bet = first_bet();
  if (state_.bet <= 1) state_.bet = 1;
}

int32_t Simulation::progression_entry(const Control (&row)[11], int32_t streak) const {
  // Beyond 11 in a row the bet stays as it is.
  if (streak < 1 || streak > 11) return state_.bet;
  return TruncateToInt32(ParseDecimal(form_.GetText(row[streak - 1]).GetText()));
}

int32_t Simulation::first_bet() const { return TruncateToInt32(settings_.first_bet); }
