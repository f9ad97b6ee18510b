#pragma once

#include <cstdint>
#include <vector>

#include "framework/events/WMessageFilter.h"

class WObject;

// The framework's state of one thread, made on first use.
struct WThreadRecord {
  // Nested dispatches running on this thread.
  uint16_t dispatch_depth = 0;
  // A deletion was deferred while a dispatch ran.
  bool deleted_during_dispatch = false;
  // The object whose window is being created on this thread.
  WObject* creating = nullptr;
  std::vector<WObject*> deferred;
  // Idle messages of dialog boxes since deferred deletions were last run.
  uint32_t idle_messages = 0;
  // [0] runs on messages the framework's own loop takes; [1] on every
  // message any loop of the thread removes, through the get-message hook.
  WMessageFilterList filters[2];
  bool framework_filters_installed = false;
  bool hook_filtering = true;
  void* hook = nullptr;

  static WThreadRecord& Current();
  // Null until the thread first used the framework.
  static WThreadRecord* CurrentIfAny();
};

// Deletes the object later, when no dispatch of this thread can still use
// it. False when it was already waiting.
bool DeferDelete(WObject* object);
// Deletes the waiting objects, except `keep`. Unless forced, waits while a
// nested dispatch runs that saw a deletion deferred.
void ProcessDeferredDeletes(bool force, WObject* keep = nullptr);
