#include "batch/exact/MemoryBudget.h"

bool MemoryBudget::Take(int64_t bytes) {
  int64_t used = used_.load();
  do {
    if (bytes > limit_ - used) return false;
  } while (!used_.compare_exchange_weak(used, used + bytes));
  return true;
}

bool BudgetShare::Resize(int64_t bytes) {
  if (bytes > held_ && !budget_.Take(bytes - held_)) return false;
  if (bytes < held_) budget_.Give(held_ - bytes);
  held_ = bytes;
  return true;
}
