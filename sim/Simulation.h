#pragma once

#include <cstdint>
#include <initializer_list>

#include "sim/FormOperations.h"
#include "sim/GameStep.h"
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

  void clear_statistics();
  void record_session();

  const SimSettings& settings() const { return settings_; }
  const SimRunState& state() const { return state_; }

 private:
  enum class GameEnd { Continue, Ended };

  // What a session reads once: the rules its games play by, and what only
  // the window needs. While a session plays no input reaches the form, so
  // its controls change only by the engine's own writes, which the engine
  // follows here; the stored settings still take each value at the step of
  // the game that reads it.
  struct SessionInputs {
    GameRules rules;
    uint32_t delay_ms = 0;
    bool bet_on_red = false;
    bool show_numbers_live = false;
  };

  // What every game changes. The games of a session work on a copy that
  // the compiler can keep in registers; the run state gets it back before
  // anything but a game's own displays is shown.
  struct Stake {
    SessionState game;
    // The program's own generator, when the wheel draws from it.
    uint32_t generator;
  };

  // What the last read of a group of inputs gave, and the form's input
  // generation then: while it stays, reading them again gives the same.
  struct InputsRead {
    uint64_t generation = 0;
    bool valid = false;
    SimSettings settings;
    SessionInputs inputs;
  };
  // Runs a check group, or, while the inputs and `same` stay, gives back
  // the fields it read before.
  bool CheckedAgain(InputsRead& read, bool same, bool (*check)(FormOperations&, SimSettings&),
                    std::initializer_list<double SimSettings::*> fields);
  bool CheckedSessionCount();
  bool CheckedBalanceLimits();

  Stake load_stake() const;
  void store_stake(const Stake& stake);
  void read_session_inputs();
  GameEnd play_game(Stake& stake);
  void list_number(GameView& view);
  // Counts how a session ended and says it.
  GameEnd end_session(::GameEnd end);
  void show_message(const WColor& colour, const char* text);
  int32_t spin(Stake& stake);
  double UnitsOf(int32_t quanta) const;

  FormOperations& form_;
  SimSettings settings_;
  SimRunState state_;
  SessionInputs inputs_;
  InputsRead count_read_;
  InputsRead start_read_;
  InputsRead limits_read_;
  NumberGenerator own_generator_;
  NumberSource& numbers_;
  // Whether the session that plays keeps its course (the run's first
  // kKeptCourses do).
  bool keeps_course_ = false;
};
