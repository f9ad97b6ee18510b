#pragma once

#include <cstdint>
#include <vector>

#include "framework/text/WString.h"
#include "sim/SessionEnding.h"
#include "sim/SessionNumbers.h"
#include "sim/Wheel.h"

// One session's balance in units before its first game and after each game
// it played, and how it ended (a failed limits check: Check).
struct PlayedCourse {
  std::vector<double> balances;
  Ending ending = Ending::Check;
};

// The courses a run keeps, of its first sessions: enough to draw beside
// the run's odds, few enough that a long run holds little.
constexpr std::size_t kKeptCourses = 200;

// The live values of a run and its statistics.
struct SimRunState {
  int32_t bet = 0;
  int32_t balance = 0;
  double turnover = 0;
  // Only the opposite outcome resets a streak, so streaks carry over from
  // one session (and one run) to the next.
  int32_t win_streak = 0;
  int32_t loss_streak = 0;
  int32_t last_number = 0;
  NumberColour number_colour = NumberColour::Zero;
  // The numbers of the current session; the list display shows their text.
  SessionNumbers numbers;
  int32_t sessions_remaining = 0;
  bool run_active = false;
  bool start_requested = false;
  int32_t seed = 0;

  // How sessions of the run ended.
  double max_count = 0;
  double min_count = 0;
  double limit_count = 0;
  WString results_text;
  // The sessions of the run that ended so far, and the courses of the first
  // of them that played.
  int32_t sessions_ended = 0;
  std::vector<PlayedCourse> courses;
};
