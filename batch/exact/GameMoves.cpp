#include "batch/exact/GameMoves.h"

#include <algorithm>

namespace {

// The streaks a carried state tells apart: 0 to one beyond the rows.
constexpr uint32_t kStreaks = kStreakBeyondTheRows + 1;

uint64_t KeyOf(const Rest& rest) {
  return (static_cast<uint64_t>(static_cast<uint32_t>(rest.bet)) << 16) |
         (static_cast<uint64_t>(rest.win_streak) << 8) | (static_cast<uint64_t>(rest.loss_streak) << 1) |
         (rest.bet_on_red ? 1u : 0u);
}

}  // namespace

uint32_t CarriedOf(const GameRules& rules, const SessionState& state) {
  const Streaks streaks = CanonicalStreaks(rules, state);
  return (static_cast<uint32_t>(streaks.win) * kStreaks + static_cast<uint32_t>(streaks.loss)) * 2 +
         (state.bet_on_red ? 1 : 0);
}

SessionState CarriedState(uint32_t carried) {
  SessionState state;
  state.bet_on_red = carried % 2 == 1;
  state.loss_streak = static_cast<int32_t>(carried / 2 % kStreaks);
  state.win_streak = static_cast<int32_t>(carried / 2 / kStreaks);
  return state;
}

// A system's rest by its bytes: the bet and colour, the level, the profit
// and the line (the streaks are none of its business), into a buffer kept
// for the next: most rests asked for are known already.
void BytesOf(const Rest& rest, std::string& bytes) {
  const int32_t head[4] = {rest.bet, rest.bet_on_red ? 1 : 0, rest.system.level, rest.system.profit};
  bytes.assign(reinterpret_cast<const char*>(head), sizeof head);
  bytes.append(reinterpret_cast<const char*>(rest.system.line.data()), rest.system.line.size() * sizeof(int32_t));
}

uint32_t Rests::Intern(const SessionState& state) {
  const Streaks streaks = CanonicalStreaks(rules_, state);
  const auto same = [&](uint32_t id) {
    const Rest& rest = rests_[id];
    return rest.bet == state.bet && rest.win_streak == streaks.win && rest.loss_streak == streaks.loss &&
           rest.bet_on_red == state.bet_on_red && rest.system == state.system;
  };
  for (uint32_t id : recent_) {
    if (id < rests_.size() && same(id)) return id;
  }
  const uint32_t id = Find(state, streaks);
  recent_[next_recent_] = id;
  next_recent_ = (next_recent_ + 1) % recent_.size();
  return id;
}

uint32_t Rests::Find(const SessionState& state, Streaks streaks) {
  Rest rest{state.bet, streaks.win, streaks.loss, state.bet_on_red, state.system};
  const auto id = static_cast<uint32_t>(rests_.size());
  const auto keep = [&](const auto& emplaced) {
    if (emplaced.second) {
      // The rest, its line, its key and the index's entry, as the budget counts them.
      const int64_t bytes = static_cast<int64_t>(sizeof(Rest) + 2 * sizeof(int32_t) * rest.system.line.size()) + 96;
      if (!share_.Resize(share_.Held() + bytes)) over_budget_ = true;
      rests_.push_back(std::move(rest));
    }
    return emplaced.first->second;
  };
  if (rules_.system == BetSystem::Rows) return keep(ids_.emplace(KeyOf(rest), id));
  BytesOf(rest, bytes_);
  const auto known = by_bytes_.find(bytes_);
  return known != by_bytes_.end() ? known->second : keep(by_bytes_.emplace(bytes_, id));
}

// The step's answer for one balance: a stop before the spin, or what each
// kind of number does.
struct GameMoves::Probe {
  GameEnd before = GameEnd::None;
  int32_t bet = 0;
  uint16_t carried = 0;
  int32_t kinds = 0;
  Move moves[kMostKinds];
  bool operator==(const Probe& other) const {
    if (before != other.before || bet != other.bet || carried != other.carried) return false;
    if (before != GameEnd::None) return true;
    for (int32_t kind = 0; kind < kinds; ++kind) {
      if (!(moves[kind] == other.moves[kind])) return false;
    }
    return true;
  }
};

// Balances from `from` to `to` for which the step answered the same.
struct GameMoves::Span {
  int32_t from;
  int32_t to;
  Probe probe;
};

GameMoves::GameMoves(const GameRules& rules, Axis axis, int32_t lowest, int32_t highest, Rests& rests,
                     MemoryBudget& budget)
    : rules_(rules),
      axis_(axis),
      lowest_(lowest),
      highest_(highest),
      rests_(rests),
      kinds_(KindsOf(rules)),
      share_(budget) {}

GameMoves::~GameMoves() = default;

GameMoves::Probe GameMoves::Try(const Rest& rest, int64_t other, int32_t game, int32_t along) {
  SessionState& state = before_;
  state.game = game - 1;
  state.balance = axis_ == Axis::Balance ? along : static_cast<int32_t>(other);
  state.bet = rest.bet;
  state.win_streak = rest.win_streak;
  state.loss_streak = rest.loss_streak;
  state.bet_on_red = rest.bet_on_red;
  state.system = rest.system;
  state.wagered = axis_ == Axis::Balance ? other : along;
  const int32_t balance = state.balance;
  const int64_t wagered = state.wagered;
  Probe probe;
  probe.bet = rest.bet;
  probe.before = EndBeforeSpin(rules_, state);
  if (probe.before != GameEnd::None) {
    probe.carried = static_cast<uint16_t>(CarriedOf(rules_, state));
    return probe;
  }
  probe.kinds = kinds_.count;
  for (int kind = 0; kind < kinds_.count; ++kind) {
    SessionState& after = after_;
    after = state;
    GameEvent event;
    const int32_t* numbers = kinds_.numbers[kind];
    SettleSpins(
        rules_, after, numbers[0], [numbers] { return numbers[1]; }, event);
    Move& move = probe.moves[kind];
    move.end = EndAfterSettlement(rules_, after);
    move.rest = rests_.Intern(after);
    if (axis_ == Axis::Balance) {
      move.other = after.wagered;
      move.change = after.balance - balance;
    } else {
      move.other = after.balance;
      move.change = static_cast<int32_t>(after.wagered - wagered);
      move.balance = after.balance;
    }
    move.carried = static_cast<uint16_t>(CarriedOf(rules_, after));
  }
  return probe;
}

void GameMoves::Split(const Rest& rest, int64_t other, int32_t game, int32_t lo, const Probe& at_lo, int32_t hi,
                      const Probe& at_hi, std::vector<Span>& spans) {
  const auto append = [&spans](int32_t from, int32_t to, const Probe& probe) {
    if (!spans.empty() && spans.back().to + 1 == from && spans.back().probe == probe) {
      spans.back().to = to;
    } else {
      spans.push_back({from, to, probe});
    }
  };
  if (at_lo == at_hi) {
    append(lo, hi, at_lo);
  } else if (hi - lo <= 1) {
    append(lo, lo, at_lo);
    append(hi, hi, at_hi);
  } else {
    const int32_t middle = lo + (hi - lo) / 2;
    const Probe at_middle = Try(rest, other, game, middle);
    Split(rest, other, game, lo, at_lo, middle, at_middle, spans);
    const Probe after_middle = middle + 1 == hi ? at_hi : Try(rest, other, game, middle + 1);
    Split(rest, other, game, middle + 1, after_middle, hi, at_hi, spans);
  }
}

void GameMoves::Append(const Rest& rest, const Span& span, RowMoves& row) const {
  Region region;
  region.from = span.from;
  region.to = span.to;
  region.before = span.probe.before;
  region.bet = span.probe.bet;
  region.carried = span.probe.carried;
  region.first_move = static_cast<uint32_t>(row.moves.size());
  if (region.before == GameEnd::None) {
    // Kinds of number that move alike are one, with their chances added;
    // where the two that lose a colour bet are one, theirs is 1 less the
    // winning kind's chance.
    for (int kind = 0; kind < kinds_.count; ++kind) {
      Move* const moves = row.moves.data() + region.first_move;
      int32_t same = 0;
      while (same < region.kinds && !(moves[same] == span.probe.moves[kind])) ++same;
      if (same == region.kinds) {
        row.moves.push_back(span.probe.moves[kind]);
        row.moves.back().chance = kinds_.chance[kind];
        ++region.kinds;
      } else {
        moves[same].chance += kinds_.chance[kind];
      }
    }
    if (region.kinds == 2) {
      Move* const two = row.moves.data() + region.first_move;
      const int won = rest.bet_on_red ? 0 : 1;
      const int alone = two[0] == span.probe.moves[won] ? 0 : 1;
      two[alone].chance = kinds_.chance[won];
      two[1 - alone].chance = 1 - kinds_.chance[won];
    }
  }
  row.regions.push_back(region);
}

int GameMoves::SlotOf(int32_t game) const {
  const int32_t alike = GameAlike(rules_, game);
  return alike == 1 ? 0 : alike == 2 ? kBetween : 2;
}

// Copies a row's regions and moves to the end of the last block, or of a
// new one where it has no room left.
KeptMoves GameMoves::Keep(const RowMoves& row) {
  constexpr std::size_t kBlock = 256 << 10;
  const std::size_t regions = sizeof(Region) * row.regions.size();
  const std::size_t moves_at = (regions + alignof(Move) - 1) / alignof(Move) * alignof(Move);
  const std::size_t bytes = moves_at + sizeof(Move) * row.moves.size();
  if (bytes > room_) {
    room_ = std::max(bytes, kBlock);
    blocks_.emplace_back(new std::byte[room_]);  // written before it is read
    next_ = blocks_.back().get();
  }
  std::byte* const at = next_;
  next_ += bytes;
  room_ -= bytes;
  auto* const kept_regions = reinterpret_cast<Region*>(at);
  std::uninitialized_copy(row.regions.begin(), row.regions.end(), kept_regions);
  std::uninitialized_copy(row.moves.begin(), row.moves.end(), reinterpret_cast<Move*>(at + moves_at));
  return {kept_regions, static_cast<uint32_t>(row.regions.size()), static_cast<uint32_t>(moves_at)};
}

KeptMoves GameMoves::Of(uint32_t rest_id, int64_t other, int32_t game) {
  const int32_t alike = GameAlike(rules_, game);
  const auto key = [rest_id, other](int slot) {
    return (static_cast<uint64_t>(rest_id) << 40) ^ (static_cast<uint64_t>(other + 1) << 2) ^
           static_cast<uint64_t>(slot);
  };
  const int slot = SlotOf(game);
  const auto found = known_.find(key(slot));
  if (found != known_.end()) return found->second;
  if (over_budget_) return {};
  rest_ = rests_[rest_id];  // a copy: interning the rests it moves to may move it
  const Rest& rest = rest_;
  std::vector<Span>& spans = spans_;
  spans.clear();
  // The regions of a session's first or last game lie mostly where those
  // of the games between do: where those are known, their bounds are
  // probed first, a few probes instead of a search of the whole axis. The
  // spans are the same: alike probes at both ends of a range make it one
  // either way, and adjacent alike spans are joined.
  const auto between = slot != kBetween ? known_.find(key(kBetween)) : known_.end();
  if (between != known_.end()) {
    for (const Region& region : between->second) {
      const Probe at_from = Try(rest, other, alike, region.from);
      const Probe at_to = region.from == region.to ? at_from : Try(rest, other, alike, region.to);
      Split(rest, other, alike, region.from, at_from, region.to, at_to, spans);
    }
  } else {
    const Probe at_lo = Try(rest, other, alike, lowest_);
    const Probe at_hi = lowest_ == highest_ ? at_lo : Try(rest, other, alike, highest_);
    Split(rest, other, alike, lowest_, at_lo, highest_, at_hi, spans);
  }
  RowMoves& row = row_;
  row.regions.clear();
  row.moves.clear();
  row.regions.reserve(spans.size());
  row.moves.reserve(spans.size() * static_cast<std::size_t>(kinds_.count));
  for (const Span& span : spans) Append(rest, span, row);
  // The regions, their moves and the index's entry for the row, as the
  // budget counts them.
  const int64_t bytes =
      static_cast<int64_t>(sizeof(Region) * row.regions.size() + sizeof(Move) * row.moves.size()) + 144;
  if (!share_.Resize(share_.Held() + bytes)) {
    over_budget_ = true;
    wanted_ = bytes;
    return {};
  }
  return known_.emplace(key(slot), Keep(row)).first->second;
}
