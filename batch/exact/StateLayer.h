#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "batch/core/WideKeyHash.h"
#include "batch/exact/GameMoves.h"
#include "batch/exact/MemoryBudget.h"

// The states of a session before one game, in rows: a row holds the states
// that share a rest (the bet, the streaks and the colour) and one of the
// balance and the amount wagered, with their probabilities along the other,
// the axis, so that a game moves a row as a whole. Where the amount wagered
// is not followed, a row keeps the most that any path to any of its states
// has wagered: a bound that costs no memory per state, and is tight enough,
// as a row's states were mostly reached alike. Its memory comes
// out of a budget before it is taken; where the budget has too little, the
// layer takes no more and says so.
//
// A game reads every live row and the rows its moves go to, each a wait on
// memory: a row is one cache line.
struct alignas(64) StateRow {
  std::unique_ptr<double[]> p;  // `size` of them, from `lo` on the axis
  int32_t lo = 0;
  int32_t size = 0;
  // The part of the axis added to since the layer was cleared, where the
  // probabilities are.
  int32_t first = 0;
  int32_t last = -1;
  double most = 0;
  // What a game between a session's first and its last does to the row,
  // once asked of the moves: the regions themselves rather than their
  // place in the moves, a cache miss fewer a row. The first game and the
  // last ask the moves again.
  KeptMoves between;
  int64_t other = 0;  // the coordinate off the axis
  uint32_t rest = 0;
  bool live = false;  // something was added since the layer was cleared
  int32_t Hi() const { return lo + size - 1; }
};
static_assert(sizeof(StateRow) == 64, "a row is one cache line");

// No row (yet), where a move keeps the place of its destination's row.
constexpr uint32_t kNoRow = UINT32_MAX;

class StateLayer {
 public:
  // The axis runs from `lowest` to `highest`.
  StateLayer(int32_t lowest, int32_t highest, bool keep_most, MemoryBudget& budget);

  // Adds q times the probabilities of `count` states from `along` on the
  // axis to the row of this rest and off-axis coordinate, and the most
  // wagered (plus `more`).
  void Add(uint32_t rest, int64_t other, int32_t along, const double* p, double most, int32_t count, double q,
           double more);
  // The same, to the row at a place that RowAt gave; RowAt is kNoRow
  // where the budget had no room for the row.
  uint32_t RowAt(uint32_t rest, int64_t other);
  void AddAt(uint32_t at, int32_t along, const double* p, double most, int32_t count, double q, double more);
  // The rows, and the live ones among them (those added to since the last
  // Clear) by their place, in the order they came alive.
  std::vector<StateRow>& Rows() { return rows_; }
  const std::vector<StateRow>& Rows() const { return rows_; }
  const std::vector<uint32_t>& Live() const { return live_; }
  // Puts the live rows in the order they lie in memory, so that a game
  // reads them, and the rows its moves go to, mostly in the order they lie.
  void InOrder();
  bool Empty() const { return live_rows_ == 0; }
  // Empties a row, or every row, but keeps it and its memory for the game
  // after the next: the rows of one game are mostly those of the game
  // before. A row emptied as soon as it has been played is emptied while
  // it is still in the cache.
  void Clear(StateRow& row);
  void Clear();

  // The states with a probability.
  int64_t LiveStates() const;

  // Whether the budget had too little, and the most it was asked for
  // beyond what it held then.
  bool OverBudget() const { return over_budget_; }
  int64_t Wanted() const { return wanted_; }
  int64_t Held() const { return share_.Held(); }

 private:
  StateRow* RowFor(uint32_t rest, int64_t other);
  bool Cover(StateRow& row, int32_t from, int32_t to);
  bool Hold(int64_t more);

  int32_t lowest_;
  int32_t highest_;
  bool keep_most_;
  BudgetShare share_;
  std::unordered_map<uint64_t, uint32_t, WideKeyHash> index_;
  std::vector<StateRow> rows_;
  std::vector<uint32_t> live_;
  std::vector<uint64_t> marks_;  // for InOrder, a bit a row
  std::size_t live_rows_ = 0;
  bool over_budget_ = false;
  int64_t wanted_ = 0;
};
