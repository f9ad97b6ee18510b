#pragma once

#include <cstdint>

#include "sim/FormOperations.h"
#include "sim/NumberGenerator.h"
#include "sim/SimRunState.h"
#include "sim/SimSettings.h"

// The betting engine of the main form: a run of sessions driven by the poll
// timer and the one-shot session timer, each session a series of games on
// the colour bet with its progression and limits, and the run statistics.
class Simulation {
 public:
  static constexpr uint32_t kTimerInterval = 100;

  // Draws from the program's own generator.
  explicit Simulation(FormOperations& form) : Simulation(form, own_generator_) {}
  Simulation(FormOperations& form, NumberSource& numbers) : form_(form), numbers_(numbers) {}
  Simulation(const Simulation&) = delete;
  Simulation& operator=(const Simulation&) = delete;

  // Commands.
  void request_start() { state_.start_requested = true; }
  void request_stop() { state_.sessions_remaining = 1; }
  // Writes the default settings into the form.
  void reset_settings();

  // Timer handlers.
  void on_poll_timer();
  void on_session_timer();

  // One whole session on the form's settings; returns at its end, whatever
  // ended it.
  void play_session();
  // The next wheel number: 0 to 36, or 37 for 00 on a double-zero wheel.
  int32_t draw_number();
  void settle_win();
  void settle_loss();

  void clear_statistics();
  void record_session();

  const SimSettings& settings() const { return settings_; }
  const SimRunState& state() const { return state_; }

 private:
  enum class GameEnd { Continue, Ended };

  GameEnd play_game(int32_t game);
  void show_number();
  void show_game(int32_t game);
  GameEnd end_by_balance();
  void show_message(const WColor& colour, const char* text);
  int32_t progression_entry(const Control (&row)[11], int32_t streak) const;
  int32_t first_bet() const;

  FormOperations& form_;
  SimSettings settings_;
  SimRunState state_;
  NumberGenerator own_generator_;
  NumberSource& numbers_;
};
