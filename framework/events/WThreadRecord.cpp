#include "framework/events/WThreadRecord.h"

#include <algorithm>
#include <memory>

#include "framework/events/WObject.h"

namespace {

thread_local std::unique_ptr<WThreadRecord> this_thread;

}  // namespace

WThreadRecord& WThreadRecord::Current() {
  if (!this_thread) this_thread = std::make_unique<WThreadRecord>();
  return *this_thread;
}

WThreadRecord* WThreadRecord::CurrentIfAny() { return this_thread.get(); }

bool DeferDelete(WObject* object) {
  WThreadRecord& thread = WThreadRecord::Current();
  if (thread.dispatch_depth != 0) thread.deleted_during_dispatch = true;
  if (std::find(thread.deferred.begin(), thread.deferred.end(), object) != thread.deferred.end()) return false;
  thread.deferred.push_back(object);
  return true;
}

void ProcessDeferredDeletes(bool force, WObject* keep) {
  WThreadRecord* thread = WThreadRecord::CurrentIfAny();
  if (!thread) return;
  // Handlers of an outer dispatch may still use the objects.
  if (!force && thread->dispatch_depth > 1 && thread->deleted_during_dispatch) return;
  std::vector<WObject*> doomed;
  doomed.swap(thread->deferred);
  const auto kept = std::find(doomed.begin(), doomed.end(), keep);
  const bool keeping = keep != nullptr && kept != doomed.end();
  if (keeping) doomed.erase(kept);
  for (WObject* object : doomed) delete object;
  if (keeping) thread->deferred.push_back(keep);
}
