#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "batch/core/WideSum.h"
#include "sim/SessionEnding.h"

// What the intervals of a tally's figures need beyond its sums: the sums
// of the squares (and of the products) of what each run gave and of what
// each session gave, exact, so that parts of a batch add up to the whole.
// A run's sessions carry their streaks and share a run's fate, so the
// figures' errors come from how the runs differ; a batch of one run can
// only measure how its sessions differ.
enum class Moment : uint8_t {
  // Of each run: how many of its sessions ended each way (in the order of
  // the endings), played, ended at or above the capital; the sum of their
  // final balances, their games, what they wagered and their result.
  RunEnded,  // the first of kEndings
  RunPlayed = kEndings,
  RunAtLeast,
  RunAtLeastByPlayed,
  RunBalance,
  RunBalanceByPlayed,
  RunGames,
  RunWagered,
  RunResult,
  RunResultByWagered,
  // Of each session.
  SessionBalance,
  SessionGames,
  SessionWagered,
  SessionResult,
  SessionResultByWagered,
};
constexpr std::size_t kMoments = static_cast<std::size_t>(Moment::SessionResultByWagered) + 1;

// Its key in a shard's counts, and whether it is a sum of squares (never
// below 0) rather than of products.
struct MomentSpec {
  const char* key;
  bool square;
};
extern const std::array<MomentSpec, kMoments> kMomentSpecs;

struct Spread {
  std::array<WideSum, kMoments> sums{};

  const WideSum& operator[](Moment moment) const { return sums[static_cast<std::size_t>(moment)]; }
  WideSum& operator[](Moment moment) { return sums[static_cast<std::size_t>(moment)]; }
  [[nodiscard]] bool Add(Moment moment, int64_t a, int64_t b) { return (*this)[moment].AddProduct(a, b); }
  // False, with this spread as it was, where a sum would not fit.
  [[nodiscard]] bool Add(const Spread& other);
};

constexpr Moment RunEnded(std::size_t ending) { return static_cast<Moment>(ending); }
