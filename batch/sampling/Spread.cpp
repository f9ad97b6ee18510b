#include "batch/sampling/Spread.h"

const std::array<MomentSpec, kMoments> kMomentSpecs = {{
    {"run_ended_max_balance_or_wager_limit", true},
    {"run_ended_min_balance", true},
    {"run_ended_table_limit_or_last_game", true},
    {"run_ended_failed_check", true},
    {"run_ended_no_count", true},
    {"run_played", true},
    {"run_at_least_capital", true},
    {"run_at_least_capital_by_played", false},
    {"run_final_balance", true},
    {"run_final_balance_by_played", false},
    {"run_games", true},
    {"run_wagered", true},
    {"run_result", true},
    {"run_result_by_wagered", false},
    {"session_final_balance", true},
    {"session_games", true},
    {"session_wagered", true},
    {"session_result", true},
    {"session_result_by_wagered", false},
}};

bool Spread::Add(const Spread& other) {
  Spread sum = *this;
  for (std::size_t k = 0; k < kMoments; ++k) {
    if (!sum.sums[k].Add(other.sums[k])) return false;
  }
  *this = sum;
  return true;
}
