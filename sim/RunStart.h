#pragma once

#include <cstdint>

#include "sim/GameStep.h"
#include "sim/SettingTable.h"
#include "sim/SimSettings.h"

// How a run of these settings begins, and each of its sessions, as the
// window's engine plays them; the sampled runs and the exact odds begin
// theirs by it. The poll tick that starts the run checks the session count
// (a failure plays nothing); every session checks its start (a failure
// ends it before its first game, keeping the balance it holds); the first
// game checks the balance limits (a failure ends the session there).
struct RunStart {
  const SettingSpec* count_failure = nullptr;
  const SettingSpec* start_failure = nullptr;
  const SettingSpec* limits_failure = nullptr;
  GameRules rules;
  int32_t sessions = 0;  // the sessions the run plays
  int32_t capital = 0;   // in units, as a session starts with it
  // The balance the window's run state holds before its first session (the
  // reset's capital), in quanta: what a session that fails its start check
  // keeps.
  int32_t reset_balance = 0;
};
RunStart StartOf(const SimSettings& settings);

// The generator's state when a run starts: the poll tick seeds it with the
// run's seed (the calendar time in the window) plus this.
constexpr int64_t kRunSeedOffset = 5;
inline uint32_t RunGenerator(int64_t seed) { return static_cast<uint32_t>(seed + kRunSeedOffset); }
