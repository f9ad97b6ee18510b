#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "batch/exact/MemoryBudget.h"

// The states of a session before one game, in rows: a row holds the states
// that share a rest (the bet, the streaks and the colour) and what was
// wagered, with their probabilities by balance, so that a game moves a row
// as a whole. Where the amount wagered is not followed, a row keeps with
// each state the most that any path to it has wagered. Its memory comes
// out of a budget before it is taken; where the budget has too little, the
// layer takes no more and says so.
struct StateRow {
  uint32_t rest = 0;
  int64_t wagered = 0;
  int32_t lo = 0;  // the balance of p[0]
  std::vector<double> p;
  std::vector<double> most;
  int32_t Hi() const { return lo + static_cast<int32_t>(p.size()) - 1; }
};

class StateLayer {
 public:
  // Balances lie from `lowest` to `highest`.
  StateLayer(int32_t lowest, int32_t highest, bool keep_most, MemoryBudget& budget);

  // Adds q times the probabilities of `count` balances from `balance` to
  // the row of this rest and amount, and the most wagered (plus `more`).
  void Add(uint32_t rest, int64_t wagered, int32_t balance, const double* p, const double* most, int32_t count,
           double q, double more);
  std::vector<StateRow>& Rows() { return rows_; }
  bool Empty() const { return rows_.empty(); }
  void Clear();

  bool OverBudget() const { return over_budget_; }
  int64_t Wanted() const { return wanted_; }

 private:
  StateRow* RowFor(uint32_t rest, int64_t wagered);
  bool Cover(StateRow& row, int32_t from, int32_t to);
  bool Hold(int64_t more);

  int32_t lowest_;
  int32_t highest_;
  bool keep_most_;
  BudgetShare share_;
  std::unordered_map<uint64_t, uint32_t> index_;
  std::vector<StateRow> rows_;
  bool over_budget_ = false;
  int64_t wanted_ = 0;
};
