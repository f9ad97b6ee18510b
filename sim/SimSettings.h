#pragma once

#include <array>
#include <cstdint>

#include "sim/BetSystem.h"

// The entries of a progression row: the bet after 1 to 11 wins, or losses,
// in a row.
constexpr std::size_t kRowLength = 11;
using ProgressionRow = std::array<int32_t, kRowLength>;

// Every parameter of a simulation. The window's engine reads the numbers
// and flags from its form at fixed points of a run (the flags hold their
// box as last read) and the rows when a session starts; elsewhere the
// record is filled from the settings' texts (SettingTable).
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
  // Each entry as its field converts: truncated toward zero.
  ProgressionRow bet_after_wins{};
  ProgressionRow bet_after_losses{};

  bool double_zero = false;
  bool bet_on_red = false;
  bool first_bet_after_win = false;
  bool first_bet_after_loss = false;
  bool switch_after_win = false;
  bool first_bet_at_table_limit = false;
  bool show_numbers_live = false;

  // Beyond the window's fields, which play the rows on a table where zero
  // loses: the batch program's system and zero rule.
  BetSystem system = BetSystem::Rows;
  ZeroRule zero_rule = ZeroRule::Lose;
  StartLine line = kDefaultLine;
  // Whether every session of a run starts as its first one does, with no
  // streak or colour carried from the session before (the window carries
  // them; the batch program can play either way).
  bool fresh_sessions = false;
};
