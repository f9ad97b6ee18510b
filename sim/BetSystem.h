#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The betting systems a session can follow, and the zero rules of the
// table. The window plays the progression rows on a table where zero loses;
// the batch program plays every system on either wheel, and the French
// tables' zero rules on the single-zero wheel.

// What picks the next bet.
enum class BetSystem : uint8_t {
  Rows,               // the progression rows, by the streak of wins or losses
  DAlembert,          // one unit more after a loss, one less after a win
  ContraDAlembert,    // one unit more after a win, one less after a loss
  Labouchere,         // a line of units: bet first plus last, cross out on a win
  ReverseLabouchere,  // the same, crossing out on a loss
  OscarsGrind,        // cycles that aim at one unit of profit
  Fibonacci,          // levels 1, 1, 2, 3, 5, ...: up one on a loss, down two on a win
};

// What a zero does to the colour bet.
enum class ZeroRule : uint8_t {
  Lose,       // the bet is lost
  LaPartage,  // half of the bet comes back
  EnPrison,   // the wheel turns again for the bet: its colour returns it, else it is lost
};

// How a game's bet came out.
enum class BetOutcome : uint8_t {
  Won,
  Lost,
  HalfBack,  // la partage: half lost
  Returned,  // en prison: the bet came back, nothing won or lost
};

// A Labouchère's line as a cycle starts it: up to twenty entries, in units
// of the first bet.
constexpr std::size_t kLongestStartLine = 20;
struct StartLine {
  std::array<int32_t, kLongestStartLine> units{};
  int32_t length = 0;
  bool operator==(const StartLine& other) const { return units == other.units && length == other.length; }
};
constexpr StartLine kDefaultLine{{1, 2, 3, 4}, 4};

// What a system carries from game to game within a session. Every
// session starts it afresh.
struct SystemState {
  // D'Alembert: the bet in units; Fibonacci: the level (0 for the first);
  // Labouchère: the units of the bet.
  int32_t level = 0;
  // Oscar's Grind: the profit of the cycle so far, in the money's quanta.
  int32_t profit = 0;
  // Labouchère: the line of units not yet crossed out.
  std::vector<int32_t> line;

  bool operator==(const SystemState& other) const {
    return level == other.level && profit == other.profit && line == other.line;
  }
};
