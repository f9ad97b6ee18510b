#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "batch/exact/GameMoves.h"

// Where a pass is stopped before it passes its budget: how much its memory
// grew a game over the later span, and the game by which it would pass.
struct GrowthStop {
  double growth;
  int32_t passing_game;
};

// States that grow as a power of the games played pass no budget they fit
// in: bounded by the balance, or by what can be wagered, their growth
// slows. States that outgrow every power (a line that lengthens with every
// loss) pass any budget within a few games, each taking longer than all
// the games before it. So the memory a pass holds is fitted, over each of
// the last two spans of games, by a power of the games played; where the
// later power is at least kRisingPower above the earlier, the memory grew
// at least kLeastGrowth a game over the later span, the pass holds at
// least a share of what the budget leaves it and at least kLeastHeld, and
// at the later power it would pass what the budget leaves it before its
// last game, the pass stops where it is: a power that keeps rising passes
// sooner still. The share, and the least power that stops a pass, depend
// on the axis (EarlyStop in the source).
//
// A span is five games, or a 16th of the games played: rows take their
// memory in steps (each doubles its room when it must grow), and many rows
// step at once, so late in a long session a step within five games looks
// like a power of hundreds. Over a 16th of the games such a step is a
// growth of a few thousandths a game, not the percent of a line that
// lengthens.
class GrowthForecast {
 public:
  GrowthForecast(Axis axis, int32_t last_game) : axis_(axis), last_game_(last_game) {}

  // Told after each game in turn what the pass holds and what the budget
  // leaves it (what the pass holds included): where to stop, or nothing.
  std::optional<GrowthStop> After(int32_t game, int64_t held, double room);

 private:
  Axis axis_;
  int32_t last_game_;
  std::vector<int64_t> held_;  // after each game
};
