#include <mutex>
#include <new>

#include "framework/events/WAssertionReport.h"
#include "framework/events/WEventHandler.h"

namespace {

struct Pool {
  std::mutex lock;
  WEventHandler* first = nullptr;
  int32_t count = 0;
};

// Never destroyed: generators of static objects give their records back
// during the process's exit.
Pool& ThePool() {
  static Pool* const pool = new Pool;
  return *pool;
}

}  // namespace

namespace WEventHandlerPool {

WEventHandler* Take() {
  Pool& pool = ThePool();
  WEventHandler* record = nullptr;
  {
    std::lock_guard<std::mutex> hold(pool.lock);
    if (pool.first) {
      record = pool.first;
      pool.first = record->next;
      --pool.count;
    }
  }
  if (!record) return new (std::nothrow) WEventHandler;
  *record = WEventHandler();
  return record;
}

void Give(WEventHandler* record) {
  W_ASSERT(record->calls == 0, "a handler record is freed while its handler runs");
  Pool& pool = ThePool();
  {
    std::lock_guard<std::mutex> hold(pool.lock);
    if (pool.count < kPoolLimit) {
      record->previous = nullptr;
      record->next = pool.first;
      pool.first = record;
      ++pool.count;
      return;
    }
  }
  delete record;
}

int32_t Count() {
  Pool& pool = ThePool();
  std::lock_guard<std::mutex> hold(pool.lock);
  return pool.count;
}

}  // namespace WEventHandlerPool
