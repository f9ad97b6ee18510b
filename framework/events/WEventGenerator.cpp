#include "framework/events/WEventGenerator.h"

#include <mutex>

#include "framework/events/WAssertionReport.h"
#include "framework/events/WThreadRecord.h"

namespace {

// Held by removal and by the destruction of generators, for the whole walk.
std::recursive_mutex& RemovalLock() {
  static std::recursive_mutex* const lock = new std::recursive_mutex;  // outlives static generators
  return *lock;
}

// The bookkeeping of one dispatch, undone however the dispatch ends: the
// thread's dispatch depth for the whole walk, and for the handler being
// called its record's call count and the generator's running handler.
class DispatchScope {
 public:
  DispatchScope(WThreadRecord& thread, WEventHandlerFunction& running)
      : thread_(thread), running_(running), outer_(running) {
    ++thread_.dispatch_depth;
  }
  DispatchScope(const DispatchScope&) = delete;
  DispatchScope& operator=(const DispatchScope&) = delete;
  ~DispatchScope() {
    Leave();
    W_ASSERT(thread_.dispatch_depth > 0, "a dispatch ended that never began");
    --thread_.dispatch_depth;
    if (thread_.dispatch_depth < 2) thread_.deleted_during_dispatch = false;
  }

  // Marks the record's handler as running until Leave.
  void Enter(WEventHandler& record) {
    Leave();
    record_ = &record;
    ++record.calls;
    running_ = record.function;
  }
  // The running handler goes back to the one of an enclosing dispatch, not
  // to none, so a nested dispatch leaves the outer call marked.
  void Leave() {
    if (!record_) return;
    W_ASSERT(record_->calls > 0, "a handler call ended that never began");
    --record_->calls;
    record_ = nullptr;
    running_ = outer_;
  }

 private:
  WThreadRecord& thread_;
  WEventHandlerFunction& running_;
  const WEventHandlerFunction outer_;
  WEventHandler* record_ = nullptr;
};

}  // namespace

std::atomic<WEventGenerator*> WEventGenerator::observer_{nullptr};

WEventGenerator::~WEventGenerator() {
  std::lock_guard<std::recursive_mutex> hold(RemovalLock());
  while (first_) {
    WEventHandler* record = first_;
    Unlink(record);
    WEventHandlerPool::Give(record);
  }
}

bool WEventGenerator::CallEventHandlers(WEventNumber event, WObject* source, WEventData* data, intptr_t* result,
                                        int32_t first_index) {
  WEventData plain;
  if (!data) data = &plain;
  if (result) data->result = *result;
  data->event = event;

  WEventGenerator* observer = observer_.load();
  if (observer == this) observer = nullptr;
  if (observer) observer->ObserveDispatch(this, event, data, false, false);

  bool handled = false;
  if (mask_ & MaskBit(event)) {
    handled = Dispatch(event, source, data, first_index);
    if (result) *result = data->result;
  }
  if (observer) observer->ObserveDispatch(this, event, data, true, handled);
  return handled;
}

bool WEventGenerator::Dispatch(WEventNumber event, WObject* source, WEventData* data, int32_t first_index) {
  DispatchScope scope(WThreadRecord::Current(), running_);
  bool handled = false;
  int32_t index = 0;
  for (WEventHandler* record = first_; record; record = record->next) {
    if (record->disabled || record->event < event) continue;
    if (record->event > event) break;
    if (index < first_index) {
      ++index;
      continue;
    }
    data->source = source;
    data->event = event;
    data->user_data = record->user_data;
    data->handler_index = index;
    scope.Enter(*record);
    const bool done = record->function.Call(record->target, source, data);
    scope.Leave();
    if (done) {
      handled = true;
      break;
    }
    ++index;
  }
  return handled;
}

bool WEventGenerator::HasEventHandler(WEventNumber event) {
  const WEventHandler* record = FindEventHandler(event);
  return record && record->target && !record->function.IsEmpty();
}

WEventHandler* WEventGenerator::FindEventHandler(WEventNumber event) {
  for (WEventHandler* record = first_; record && record->event <= event; record = record->next) {
    if (record->event == event) return record;
  }
  return nullptr;
}

bool WEventGenerator::SetEventHandler(WEventNumber event, WObject* target, const WEventHandlerFunction& function,
                                      uint32_t user_data, const int32_t* position) {
  if (!target || !function.CanCallOn(target)) return false;
  WEventHandler* record = WEventHandlerPool::Take();
  if (!record) return false;
  record->event = event;
  record->target = target;
  record->function = function;
  record->user_data = user_data;

  int32_t index = -1;
  WEventHandler* before = nullptr;
  for (WEventHandler* other = first_; other; other = other->next) {
    if (other->event > event) {
      before = other;
      break;
    }
    if (other->event < event) continue;
    if (!position) {
      before = other;
      break;
    }
    if (++index == *position) {
      before = other;
      break;
    }
  }
  InsertBefore(record, before);
  mask_ |= MaskBit(event);
  EventHandlersChanged(event, kRegistered);
  return true;
}

bool WEventGenerator::RemoveEventHandler(WEventNumber event, HandlerRemoval removal, int32_t* index) {
  const bool all = removal == HandlerRemoval::All;
  std::lock_guard<std::recursive_mutex> hold(RemovalLock());
  bool removed = false;
  int32_t position = -1;
  int32_t counted = 0;
  WEventHandler* next = nullptr;
  for (WEventHandler* record = first_; record && record->event <= event; record = next) {
    next = record->next;
    if (record->event != event || record->disabled) continue;
    if (!removed) position = counted;
    ++counted;
    Drop(record);
    removed = true;
    if (!all) break;
  }
  if (index) *index = (all || !removed) ? -1 : position;
  EventHandlersChanged(event, kRemoved);
  return removed;
}

bool WEventGenerator::RemoveEventHandler(WEventNumber event, WObject* target, const WEventHandlerFunction& function,
                                         int32_t* index) {
  std::lock_guard<std::recursive_mutex> hold(RemovalLock());
  bool removed = false;
  int32_t position = 0;
  for (WEventHandler* record = first_; record && record->event <= event; record = record->next) {
    if (record->event != event || record->disabled) continue;
    if (record->target == target && record->function == function) {
      Drop(record);
      removed = true;
      break;
    }
    ++position;
  }
  if (index) *index = removed ? position : -1;
  EventHandlersChanged(event, kRemoved);
  return removed;
}

bool WEventGenerator::GetEventHandler(WEventNumber event, WObject** target, WEventHandlerFunction* function,
                                      uint32_t* user_data, const WEventHandlerFunction* after) {
  bool passed = after == nullptr;
  for (const WEventHandler* record = first_; record && record->event <= event; record = record->next) {
    if (record->event != event || record->disabled) continue;
    if (!passed) {
      passed = record->function == *after;
      continue;
    }
    if (target) *target = record->target;
    if (function) *function = record->function;
    if (user_data) *user_data = record->user_data;
    return true;
  }
  if (target) *target = nullptr;
  if (function) *function = WEventHandlerFunction();
  if (user_data) *user_data = 0;
  return false;
}

void WEventGenerator::InsertBefore(WEventHandler* record, WEventHandler* before) {
  W_ASSERT(!record->previous && !record->next && record != first_, "a handler record is linked twice");
  record->next = before;
  record->previous = before ? before->previous : last_;
  if (record->previous) {
    record->previous->next = record;
  } else {
    first_ = record;
  }
  if (before) {
    before->previous = record;
  } else {
    last_ = record;
  }
}

void WEventGenerator::Unlink(WEventHandler* record) {
  // A record of another list would cut this one short.
  W_ASSERT(record->previous ? record->previous->next == record : first_ == record,
           "a handler record is not in this generator's list");
  if (record->previous) {
    record->previous->next = record->next;
  } else {
    first_ = record->next;
  }
  if (record->next) {
    record->next->previous = record->previous;
  } else {
    last_ = record->previous;
  }
  record->previous = record->next = nullptr;
}

void WEventGenerator::Drop(WEventHandler* record) {
  if (record->calls > 0 || record->function == running_) {
    record->disabled = true;
    return;
  }
  Unlink(record);
  WEventHandlerPool::Give(record);
}

bool SetEventHandlers(WEventGenerator* generator, const WEventHandlerTableEntry* table, WObject* default_target,
                      int32_t* failed_entry) {
  if (failed_entry) *failed_entry = -1;
  bool all = true;
  int32_t index = 0;
  for (const WEventHandlerTableEntry* entry = table; !entry->function.IsEmpty(); ++entry, ++index) {
    WObject* target = entry->target ? entry->target : default_target ? default_target : generator;
    if (generator->SetEventHandler(entry->event, target, entry->function, entry->user_data)) continue;
    // The rest are still registered; the first failure is reported.
    if (all && failed_entry) *failed_entry = index;
    all = false;
  }
  return all;
}

bool RemoveEventHandlers(WEventGenerator* generator, const WEventHandlerTableEntry* table, WObject* default_target) {
  for (const WEventHandlerTableEntry* entry = table; !entry->function.IsEmpty(); ++entry) {
    WObject* target = entry->target ? entry->target : default_target ? default_target : generator;
    generator->RemoveEventHandler(entry->event, target, entry->function);
  }
  return true;
}
