#pragma once

#include <atomic>
#include <cstdint>

// The bytes a computation may hold at once, shared by all that compute
// together: each asks before it takes memory, so a computation that would
// pass the budget is refused before it takes what it cannot have.
class MemoryBudget {
 public:
  explicit MemoryBudget(int64_t bytes) : limit_(bytes) {}
  MemoryBudget(const MemoryBudget&) = delete;
  MemoryBudget& operator=(const MemoryBudget&) = delete;

  // Takes `bytes` of the budget; false, taking nothing, where that would
  // pass it.
  bool Take(int64_t bytes);
  void Give(int64_t bytes) { used_ -= bytes; }

  int64_t Limit() const { return limit_; }
  int64_t Used() const { return used_; }

 private:
  const int64_t limit_;
  std::atomic<int64_t> used_{0};
};

// The budget of the exact odds, as the README states it.
constexpr int64_t kExactMemoryBudget = int64_t{1} << 30;

// Bytes of a budget held for as long as the object lives.
class BudgetShare {
 public:
  explicit BudgetShare(MemoryBudget& budget) : budget_(budget) {}
  BudgetShare(const BudgetShare&) = delete;
  BudgetShare& operator=(const BudgetShare&) = delete;
  ~BudgetShare() { budget_.Give(held_); }

  // Holds `bytes` instead of what was held; false, holding what it held,
  // where the budget has not enough.
  bool Resize(int64_t bytes);
  int64_t Held() const { return held_; }

 private:
  MemoryBudget& budget_;
  int64_t held_ = 0;
};
