#pragma once

#include <atomic>

#include "framework/events/WEventGenerator.h"

// Watches all dispatching of the process: while it has a NotifyEvent
// handler, every dispatch on another generator is reported to it before
// and after the handlers run, with a WSpyEventData.
class WEventGeneratorSpy : public WEventGenerator {
  W_DECLARE_CLASS(WEventGeneratorSpy, WEventGenerator)

 public:
  // The first spy made becomes the process's observer.
  WEventGeneratorSpy();
  ~WEventGeneratorSpy() override;

  void EventHandlersChanged(WEventNumber event, int32_t change) override;

  // The observer, when one is watching; null otherwise.
  static WEventGeneratorSpy* Watching();

 protected:
  // Raises NotifyEvent with a WSpyEventData that describes the dispatch.
  void ObserveDispatch(WEventGenerator* generator, WEventNumber event, WEventData* data, bool after,
                       bool handled) override;

 private:
  void Watch(bool on);

  static std::atomic<WEventGeneratorSpy*> instance_;
  static std::atomic<bool> observe_;
};
