#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "batch/core/WideKeyHash.h"
#include "batch/exact/MemoryBudget.h"
#include "sim/GameStep.h"
#include "sim/WheelOdds.h"

// What one game does to every state of a row: the states of a row share
// their rest (the bet, the streaks, the colour bet) and one of the balance
// and the amount wagered, and differ in the other, their axis. The game
// step, asked about a few of them, tells where they part ways: the moves of
// a row are its axis cut into regions within which the step does the same
// thing, found by halving. The step ends a session at a balance limit or
// at the wager limit, or lets it go on, on one side of a threshold, so
// each kind of outcome covers one range of the axis. Nothing here knows a
// rule; the step is asked.

// A state's part that a row shares, as the step leaves it: interned.
struct Rest {
  int32_t bet = 0;
  int32_t win_streak = 0;
  int32_t loss_streak = 0;
  bool bet_on_red = false;
  SystemState system;
};

// The streaks and colour a session carries into the next, numbered.
constexpr uint32_t kCarriedStates = (kStreakBeyondTheRows + 1) * (kStreakBeyondTheRows + 1) * 2;
uint32_t CarriedOf(const GameRules& rules, const SessionState& state);
SessionState CarriedState(uint32_t carried);

// The rests, each once, numbered; what they take comes out of the budget.
// One that the budget has no room for is kept all the same, and says so:
// the computation stops after the game it is in.
class Rests {
 public:
  Rests(const GameRules& rules, MemoryBudget& budget) : rules_(rules), share_(budget) {}
  uint32_t Intern(const SessionState& state);
  const Rest& operator[](uint32_t id) const { return rests_[id]; }
  std::size_t size() const { return rests_.size(); }
  bool OverBudget() const { return over_budget_; }
  int64_t Held() const { return share_.Held(); }

 private:
  uint32_t Find(const SessionState& state, Streaks streaks);

  const GameRules& rules_;
  BudgetShare share_;
  bool over_budget_ = false;
  std::unordered_map<uint64_t, uint32_t, WideKeyHash> ids_;  // the rows' rests, by their fields packed
  std::unordered_map<std::string, uint32_t> by_bytes_;       // other systems' rests, by their fields' bytes
  std::string bytes_;                                        // the last rest's, asked for
  std::vector<Rest> rests_;
  // The last few found: the rests a row's probes ask for are mostly the
  // same few (each kind of number's), and are compared before any is hashed.
  std::array<uint32_t, 4> recent_ = {UINT32_MAX, UINT32_MAX, UINT32_MAX, UINT32_MAX};
  std::size_t next_recent_ = 0;
};

// The coordinate a row's states differ in.
enum class Axis { Balance, Wagered };

// What one kind of number does in a region.
// A spin settles the bet, and en prison a zero turns the wheel again: a
// game's numbers come in the wheel's kinds of outcome (WheelKinds).

// Laid out small: a game reads every move of a row.
struct Move {
  // Where the states it moves go in each of the two layers that a game
  // moves from one into the other, once the layer was asked (StateLayer).
  mutable uint32_t row_at[2] = {UINT32_MAX, UINT32_MAX};
  double chance = 0;     // of the kinds of number that move alike, added
  int64_t other = 0;     // the coordinate off the axis after it
  uint32_t rest = 0;     // the rest after the game
  int32_t change = 0;    // the axis after it less the axis before
  int32_t balance = 0;   // the balance after it, where it is off the axis
  uint16_t carried = 0;  // what a session that ends here carries on
  GameEnd end = GameEnd::None;
  bool operator==(const Move& other) const {
    return end == other.end && rest == other.rest && this->other == other.other && change == other.change &&
           balance == other.balance && carried == other.carried;
  }
};
static_assert(kCarriedStates <= UINT16_MAX, "a carried state fits a move");

// The states from `from` to `to` on the axis that one game treats alike:
// stopped before the spin, or moved by each kind of number with its
// probability (its moves, from `first_move` on in the row's moves).
// Small, as a game reads every region of a row to find the few that hold
// its states.
struct Region {
  int32_t from = 0;
  int32_t to = 0;
  int32_t bet = 0;
  uint32_t first_move = 0;
  uint16_t carried = 0;  // where it stops before the spin
  GameEnd before = GameEnd::None;
  uint8_t kinds = 0;
};
static_assert(kMostKinds <= UINT8_MAX, "a region's kinds fit");

// What a game does to a row, as it is found: its regions, and their moves.
struct RowMoves {
  std::vector<Region> regions;
  std::vector<Move> moves;
};

// A row's regions and moves as kept: side by side, after those of the
// rows found before it, so that a game, which plays its rows mostly in the
// order they were found, reads them in turn.
// Small, as a row keeps one: its moves lie a few bytes after its regions.
struct KeptMoves {
  const Region* regions = nullptr;
  uint32_t count = 0;     // of the regions
  uint32_t moves_at = 0;  // bytes from the first region to the first move
  const Region* begin() const { return regions; }
  const Region* end() const { return regions + count; }
  const Move* Moves() const {
    return reinterpret_cast<const Move*>(reinterpret_cast<const std::byte*>(regions) + moves_at);
  }
};

class GameMoves {
 public:
  // A row's states lie on the axis from `lowest` to `highest`. What is
  // kept comes out of the budget.
  GameMoves(const GameRules& rules, Axis axis, int32_t lowest, int32_t highest, Rests& rests, MemoryBudget& budget);
  ~GameMoves();  // where its spans are whole

  // The regions of the row of this rest and off-axis coordinate in game
  // `game` (as GameAlike numbers it): kept once found, where they stay
  // while the moves last. None where the budget had no room to keep them
  // (OverBudget).
  KeptMoves Of(uint32_t rest, int64_t other, int32_t game);
  // Which of a session's first game, one between and its last the game is.
  int SlotOf(int32_t game) const;
  static constexpr int kBetween = 1;

  bool OverBudget() const { return over_budget_ || rests_.OverBudget(); }
  int64_t Wanted() const { return wanted_; }
  // The bytes the moves and the rests hold.
  int64_t Held() const { return share_.Held() + rests_.Held(); }

 private:
  struct Probe;
  struct Span;
  Probe Try(const Rest& rest, int64_t other, int32_t game, int32_t along);
  void Split(const Rest& rest, int64_t other, int32_t game, int32_t lo, const Probe& at_lo, int32_t hi,
             const Probe& at_hi, std::vector<Span>& spans);
  void Append(const Rest& rest, const Span& span, RowMoves& row) const;
  KeptMoves Keep(const RowMoves& row);

  const GameRules& rules_;
  Axis axis_;
  int32_t lowest_;
  int32_t highest_;
  Rests& rests_;
  WheelKinds kinds_;
  std::unordered_map<uint64_t, KeptMoves, WideKeyHash> known_;
  std::vector<std::unique_ptr<std::byte[]>> blocks_;  // where they are kept
  std::byte* next_ = nullptr;                         // the first byte left in the last block
  std::size_t room_ = 0;                              // how many are left
  BudgetShare share_;
  bool over_budget_ = false;
  int64_t wanted_ = 0;
  // What finding a row's moves works in, kept from one row and probe to the
  // next: emptied or copied into, each keeps its room, so that finding
  // moves seldom allocates. Where allocating is dear (the Windows builds
  // under Wine) the allocations of a Labouchère's lines took most of its
  // time.
  Rest rest_;
  std::vector<Span> spans_;
  RowMoves row_;
  SessionState before_;
  SessionState after_;
};
