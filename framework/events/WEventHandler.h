#pragma once

#include <cstdint>

#include "framework/events/WEventNumber.h"

#include "framework/events/WEventHandlerFunction.h"

// One registered handler: a record in one generator's list, or free in the
// shared pool.
struct WEventHandler {
  WEventHandler* previous = nullptr;
  WEventHandler* next = nullptr;
  WEventNumber event = BeforeProcessingEvent;  // number 0
  WObject* target = nullptr;
  WEventHandlerFunction function;
  uint32_t user_data = 0;
  // Removed while it ran: skipped by dispatch, never called again, and
  // unlinked only when its generator goes.
  bool disabled = false;
  // Calls of this record in progress on the stack.
  int32_t calls = 0;
};

// Free records shared by every generator of the process, at most
// kPoolLimit of them, so that frequent registration does not allocate.
namespace WEventHandlerPool {

constexpr int32_t kPoolLimit = 50;

// A cleared record, from the pool or newly allocated; null when none can be
// had.
WEventHandler* Take();
// Back to the pool while it holds fewer than the limit, else freed.
void Give(WEventHandler* record);
int32_t Count();

}  // namespace WEventHandlerPool
