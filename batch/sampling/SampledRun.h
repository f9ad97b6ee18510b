#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "batch/sampling/SessionRecord.h"
#include "sim/SimSettings.h"

// One run of the settings, played game by game on the engine's step as the
// window plays it with no pause between games: the window's reset seeds
// the generator with the seed, the run's start with the seed plus 5, and
// the poll tick before every session draws one number for its display.
// What the run kept is what the step said of every game.
struct RunOutcome {
  int64_t seed = 0;
  // The messages the window would have shown in "Fehler" boxes, in order.
  std::vector<std::string> messages;
  std::vector<SessionRecord> sessions;
  // For the odds: what was wagered on each colour, on which wheel, and the
  // sum of the squared bets.
  bool double_zero = false;
  int32_t quanta = 1;   // of the money in the records
  int32_t capital = 0;  // in units, as each session starts with it
  ZeroRule zero_rule = ZeroRule::Lose;
  int64_t wagered_on_red = 0;
  int64_t wagered_on_black = 0;
  int64_t squared_bets = 0;
  // Whether any game of the run was won (the window stores the colour
  // switch's option only then).
  bool won_a_game = false;
  // Where asked for: the balance of each of the first sessions (in quanta)
  // before its first game and after every game it played. A session that
  // failed its start check has none.
  std::vector<std::vector<int32_t>> courses;
};

// `run` numbers the sessions' records; the courses of the first `courses`
// sessions are kept.
RunOutcome PlayRun(const SimSettings& settings, int64_t seed, int32_t run, int32_t courses = 0);
