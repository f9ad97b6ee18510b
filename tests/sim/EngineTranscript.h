#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

// What a person sees and keeps of a run, written down line by line: every
// message with the window as it stands under the box, the window at every
// pause between games (a digest per session, since that is when the window
// may paint), the window at the end of every session, and at the end the
// lists, counters, percentages, stored flags and run state. Two engines
// that agree on this transcript are the same to a user, whatever the order
// of their writes inside a game.
namespace engine_transcript {

// A run to play: inputs typed into the form after the start-up reset, and
// what the user does between sessions.
struct Scenario {
  std::string name;
  int64_t calendar_time = 0;
  std::vector<std::pair<Control, std::string>> texts;
  std::vector<std::pair<Control, bool>> checks;
  // Called after each recorded session with its index (1 for the first);
  // may change inputs or give commands, as a user between sessions could.
  std::function<void(int played, Simulation&, MemoryForm&)> between;
};

// The scenarios of the comparison.
std::vector<Scenario> Scenarios();

// Plays the scenario headless with the program's own generator and returns
// its transcript.
std::string Transcript(const Scenario& scenario);

}  // namespace engine_transcript
