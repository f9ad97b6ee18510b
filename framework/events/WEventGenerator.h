#pragma once

#include <atomic>
#include <cstdint>

#include "framework/events/WEventHandler.h"
#include "framework/events/WEventNumber.h"

// An object that raises numbered events to registered handlers. Handlers of
// one event are called newest first until one reports the event handled.
//
// Handlers may register and remove handlers of the same generator while it
// dispatches: a record that is being called is only marked disabled when it
// is removed, so a dispatch never walks onto a freed record.
// Which handlers of an event a removal takes: the first, or every one.
enum class HandlerRemoval { First, All };

class WEventGenerator : public WObject {
  W_DECLARE_CLASS(WEventGenerator, WObject)

 public:
  WEventGenerator() = default;
  WEventGenerator(const WEventGenerator&) = delete;
  WEventGenerator& operator=(const WEventGenerator&) = delete;
  ~WEventGenerator() override;

  // Calls the enabled handlers of the event, skipping those before
  // `first_index`, until one returns true. A null `data` means a plain
  // record with result 0; `result`, when given, is copied into the data's
  // result first and back afterwards.
  virtual bool CallEventHandlers(WEventNumber event, WObject* source = nullptr, WEventData* data = nullptr,
                                 intptr_t* result = nullptr, int32_t first_index = 0);
  virtual bool HasEventHandler(WEventNumber event);
  // Removes the first handler of the event, or all of them. `index`
  // receives the removed handler's position, or -1 for `all` or when
  // nothing was removed.
  virtual bool RemoveEventHandler(WEventNumber event, HandlerRemoval removal, int32_t* index = nullptr);
  // Removes the first handler of the event with this target and function.
  virtual bool RemoveEventHandler(WEventNumber event, WObject* target, const WEventHandlerFunction& function,
                                  int32_t* index = nullptr);
  // Registers a handler first among its event, or at `*position` among
  // them. Refuses a function that cannot be called on the target, and
  // fails when no record can be had.
  virtual bool SetEventHandler(WEventNumber event, WObject* target, const WEventHandlerFunction& function,
                               uint32_t user_data = 0, const int32_t* position = nullptr);
  // The first handler of the event, or the one after the handler with the
  // function `after`. All outputs are cleared when there is none.
  virtual bool GetEventHandler(WEventNumber event, WObject** target, WEventHandlerFunction* function,
                               uint32_t* user_data, const WEventHandlerFunction* after = nullptr);
  // The first record of the event, disabled or not.
  virtual WEventHandler* FindEventHandler(WEventNumber event);

  enum Change : int32_t { kRegistered = 0, kRemoved = 1, kReset = 2 };
  // Called after every registration and every removal call.
  virtual void EventHandlersChanged(WEventNumber /*event*/, int32_t /*change*/) {}

  uint32_t GetEventMask() const { return mask_; }

 protected:
  // The generator told of every dispatch on any other generator of the
  // process, or null; the event spy sets itself here while it watches.
  static void SetObserver(WEventGenerator* observer) { observer_.store(observer); }
  // Told before and after the handlers of another generator's dispatch run.
  virtual void ObserveDispatch(WEventGenerator* /*generator*/, WEventNumber /*event*/, WEventData* /*data*/,
                               bool /*after*/, bool /*handled*/) {}

 private:
  static uint32_t MaskBit(WEventNumber event) { return 1u << (static_cast<uint32_t>(event) % 32u); }
  void InsertBefore(WEventHandler* record, WEventHandler* before);
  void Unlink(WEventHandler* record);
  // Unlinks and frees the record, or disables it while it is being called.
  void Drop(WEventHandler* record);
  bool Dispatch(WEventNumber event, WObject* source, WEventData* data, int32_t first_index);

  uint32_t mask_ = 0;
  WEventHandler* first_ = nullptr;
  WEventHandler* last_ = nullptr;
  WEventHandlerFunction running_;
  static std::atomic<WEventGenerator*> observer_;
};

// An entry of a static handler table; a table ends with an entry whose
// function is empty. An entry without target uses the default target, or
// the generator itself.
struct WEventHandlerTableEntry {
  WEventNumber event;
  WEventHandlerFunction function;
  WObject* target;
  uint32_t user_data;
};

// Registers every entry of the table; false when an entry could not be
// registered, with `failed_entry` (optional) set to the first such entry's
// index, or -1.
bool SetEventHandlers(WEventGenerator* generator, const WEventHandlerTableEntry* table, WObject* default_target,
                      int32_t* failed_entry = nullptr);
bool RemoveEventHandlers(WEventGenerator* generator, const WEventHandlerTableEntry* table, WObject* default_target);
