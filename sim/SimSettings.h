#pragma once

// Every parameter of a simulation, as last read from the main form. The
// progression rows are not kept: each entry is read from its field when
// it is used.
struct SimSettings {
  double capital = 0;
  double games_per_session = 0;
  double delay_ms = 0;
  double first_bet = 0;
  double wager_limit = 0;
  double table_limit = 0;  // the entered value plus 1
  double max_balance = 0;
  double min_balance = 0;
  double session_count = 0;

  bool double_zero = false;
  bool bet_on_red = false;
  bool first_bet_after_win = false;
  bool first_bet_after_loss = false;
  bool switch_after_win = false;
  bool first_bet_at_table_limit = false;
  bool show_numbers_live = false;
};
