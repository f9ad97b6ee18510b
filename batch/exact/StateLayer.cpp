#include "batch/exact/StateLayer.h"

#include <algorithm>

namespace {

// What a row's entry and its index take, as the budget counts them.
constexpr int64_t kRowBytes = sizeof(StateRow) + 48;

uint64_t KeyOf(uint32_t rest, int64_t wagered) {
  return (static_cast<uint64_t>(rest) << 40) ^ static_cast<uint64_t>(wagered);
}

}  // namespace

StateLayer::StateLayer(int32_t lowest, int32_t highest, bool keep_most, MemoryBudget& budget)
    : lowest_(lowest), highest_(highest), keep_most_(keep_most), share_(budget) {}

bool StateLayer::Hold(int64_t more) {
  if (share_.Resize(share_.Held() + more)) return true;
  over_budget_ = true;
  wanted_ = share_.Held() + more;
  return false;
}

StateRow* StateLayer::RowFor(uint32_t rest, int64_t wagered) {
  const auto [at, fresh] = index_.emplace(KeyOf(rest, wagered), static_cast<uint32_t>(rows_.size()));
  if (fresh) {
    if (!Hold(kRowBytes)) {
      index_.erase(at);
      return nullptr;
    }
    rows_.push_back(StateRow{rest, wagered, 0, {}, {}});
  }
  return &rows_[at->second];
}

// Grows the row to hold the balances from..to, with room to spare on the
// side it grows, within the balances that can be.
bool StateLayer::Cover(StateRow& row, int32_t from, int32_t to) {
  if (!row.p.empty() && from >= row.lo && to <= row.Hi()) return true;
  const int32_t old_lo = row.p.empty() ? from : row.lo;
  const int32_t old_hi = row.p.empty() ? to : row.Hi();
  const int32_t spare = static_cast<int32_t>(row.p.size() / 2) + 8;
  const int32_t lo = from < old_lo ? std::max(lowest_, from - spare) : old_lo;
  const int32_t hi = to > old_hi ? std::min(highest_, to + spare) : old_hi;
  const auto size = static_cast<std::size_t>(hi - lo + 1);
  const int64_t grown = static_cast<int64_t>(size - row.p.size()) * (keep_most_ ? 16 : 8);
  if (!Hold(grown)) return false;
  std::vector<double> p(size, 0.0);
  std::copy(row.p.begin(), row.p.end(), p.begin() + (old_lo - lo));
  row.p.swap(p);
  if (keep_most_) {
    std::vector<double> most(size, 0.0);
    std::copy(row.most.begin(), row.most.end(), most.begin() + (old_lo - lo));
    row.most.swap(most);
  }
  row.lo = lo;
  return true;
}

void StateLayer::Add(uint32_t rest, int64_t wagered, int32_t balance, const double* p, const double* most,
                     int32_t count, double q, double more) {
  if (over_budget_) return;
  StateRow* row = RowFor(rest, wagered);
  if (!row || !Cover(*row, balance, balance + count - 1)) return;
  double* into = row->p.data() + (balance - row->lo);
  for (int32_t i = 0; i < count; ++i) into[i] += q * p[i];
  if (keep_most_) {
    double* most_into = row->most.data() + (balance - row->lo);
    for (int32_t i = 0; i < count; ++i) {
      if (p[i] != 0) most_into[i] = std::max(most_into[i], most[i] + more);
    }
  }
}

void StateLayer::Clear() {
  rows_.clear();
  index_.clear();
  share_.Resize(0);
  over_budget_ = false;
  wanted_ = 0;
}
