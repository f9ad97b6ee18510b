#include "batch/exact/StateLayer.h"

#include <algorithm>

namespace {

// What a row's entry and its index take, as the budget counts them.
constexpr int64_t kRowBytes = sizeof(StateRow) + 48;

uint64_t KeyOf(uint32_t rest, int64_t other) {
  return (static_cast<uint64_t>(rest) << 40) ^ static_cast<uint64_t>(other);
}

}  // namespace

StateLayer::StateLayer(int32_t lowest, int32_t highest, bool keep_most, MemoryBudget& budget)
    : lowest_(lowest), highest_(highest), keep_most_(keep_most), share_(budget) {}

bool StateLayer::Hold(int64_t more) {
  if (share_.Resize(share_.Held() + more)) return true;
  over_budget_ = true;
  wanted_ = std::max(wanted_, more);
  return false;
}

StateRow* StateLayer::RowFor(uint32_t rest, int64_t other) {
  const auto [at, fresh] = index_.try_emplace(KeyOf(rest, other), static_cast<uint32_t>(rows_.size()));
  if (fresh) {
    if (!Hold(kRowBytes)) {
      index_.erase(at);
      return nullptr;
    }
    rows_.emplace_back();
    rows_.back().other = other;
    rows_.back().rest = rest;
  }
  return &rows_[at->second];
}

// Makes the row hold the axis from..to, with room to spare on the side it
// grows, within what the axis can hold.
bool StateLayer::Cover(StateRow& row, int32_t from, int32_t to) {
  if (row.live && from >= row.lo && to <= row.Hi()) return true;
  const int32_t held = row.size;
  if (!row.live && to - from < held) {
    // An empty row moves to where it is wanted: its memory holds zeros
    // already, and the states of one game lie near those of the one before.
    const int32_t spare = held - (to - from + 1);
    row.lo = std::max(lowest_, std::min(from - spare / 2, highest_ - held + 1));
    return true;
  }
  // An empty row starts afresh; a live one keeps what it holds.
  const int32_t old_lo = row.live ? row.lo : from;
  const int32_t old_hi = row.live ? row.Hi() : to;
  const int32_t spare = std::max(held, to - from + 1) + 8;
  const int32_t lo = std::max(lowest_, std::min(old_lo, from) - (from < old_lo || !row.live ? spare : 0));
  const int32_t hi = std::min(highest_, std::max(old_hi, to) + (to > old_hi || !row.live ? spare : 0));
  const auto size = static_cast<std::size_t>(hi - lo) + 1;
  const int64_t grown = (static_cast<int64_t>(size) - held) * 8;
  if (!Hold(grown)) return false;
  std::unique_ptr<double[]> p(new double[size]());
  if (row.live) std::copy(row.p.get(), row.p.get() + held, p.get() + (old_lo - lo));
  row.p = std::move(p);
  row.lo = lo;
  row.size = static_cast<int32_t>(size);
  return true;
}

uint32_t StateLayer::RowAt(uint32_t rest, int64_t other) {
  if (over_budget_) return kNoRow;
  const StateRow* row = RowFor(rest, other);
  return row ? static_cast<uint32_t>(row - rows_.data()) : kNoRow;
}

void StateLayer::Add(uint32_t rest, int64_t other, int32_t along, const double* p, double most, int32_t count, double q,
                     double more) {
  const uint32_t at = RowAt(rest, other);
  if (at != kNoRow) AddAt(at, along, p, most, count, q, more);
}

void StateLayer::AddAt(uint32_t at, int32_t along, const double* p, double most, int32_t count, double q, double more) {
  if (over_budget_) return;
  StateRow* row = &rows_[at];
  if (!Cover(*row, along, along + count - 1)) return;
  if (!row->live) {
    row->live = true;
    live_.push_back(static_cast<uint32_t>(row - rows_.data()));
    row->first = along;
    row->last = along + count - 1;
    ++live_rows_;
  } else {
    row->first = std::min(row->first, along);
    row->last = std::max(row->last, along + count - 1);
  }
  // Apart, so that the compiler adds several at once.
  double* __restrict into = row->p.get() + (along - row->lo);
  const double* __restrict from = p;
  for (int32_t i = 0; i < count; ++i) into[i] += q * from[i];
  if (keep_most_) row->most = std::max(row->most, most + more);
}

void StateLayer::Clear(StateRow& row) {
  if (!row.live) return;
  const auto first = static_cast<std::ptrdiff_t>(row.first - row.lo);
  const auto last = static_cast<std::ptrdiff_t>(row.last - row.lo) + 1;
  std::fill(row.p.get() + first, row.p.get() + last, 0.0);
  row.most = 0;
  row.live = false;
  --live_rows_;
}

void StateLayer::Clear() {
  for (uint32_t at : live_) Clear(rows_[at]);
  live_.clear();
}

void StateLayer::InOrder() {
  marks_.assign((rows_.size() + 63) / 64, 0);
  for (uint32_t at : live_) marks_[at / 64] |= uint64_t{1} << (at % 64);
  live_.clear();
  for (std::size_t word = 0; word < marks_.size(); ++word) {
    for (uint64_t bits = marks_[word]; bits != 0; bits &= bits - 1) {
      live_.push_back(static_cast<uint32_t>(word * 64 + static_cast<std::size_t>(__builtin_ctzll(bits))));
    }
  }
}

int64_t StateLayer::LiveStates() const {
  int64_t live = 0;
  for (uint32_t at : live_) {
    const StateRow& row = rows_[at];
    if (row.live) live += std::count_if(row.p.get(), row.p.get() + row.size, [](double p) { return p != 0; });
  }
  return live;
}
