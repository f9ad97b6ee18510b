#include "files/TemporaryFiles.h"

#include <atomic>
#include <cstring>

#include "files/TemporaryFilesPlatform.h"

namespace TemporaryFiles {

namespace {

enum State : int { kFree, kFilling, kLive };

struct Slot {
  std::atomic<int> state{kFree};
  char path[4096] = {};
};

// Lock-free by construction: a slot is claimed by one compare-and-swap and
// published by a store once its path is whole.
Slot slots[16];

}  // namespace

int Remember(const std::string& path) {
  if (path.size() >= sizeof slots[0].path) return -1;
  for (int index = 0; index < static_cast<int>(sizeof slots / sizeof slots[0]); ++index) {
    int expected = kFree;
    if (!slots[index].state.compare_exchange_strong(expected, kFilling)) continue;
    std::memcpy(slots[index].path, path.c_str(), path.size() + 1);
    slots[index].state.store(kLive);
    return index;
  }
  return -1;
}

void Forget(int slot) {
  if (slot >= 0) slots[slot].state.store(kFree);
}

void RemoveAll() {
  for (Slot& slot : slots) {
    if (slot.state.load() == kLive) RemovePathNow(slot.path);
  }
}

}  // namespace TemporaryFiles
