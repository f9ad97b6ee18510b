#include "framework/events/WEventGeneratorSpy.h"

std::atomic<WEventGeneratorSpy*> WEventGeneratorSpy::instance_{nullptr};
std::atomic<bool> WEventGeneratorSpy::observe_{false};

WEventGeneratorSpy::WEventGeneratorSpy() {
  WEventGeneratorSpy* none = nullptr;
  instance_.compare_exchange_strong(none, this);
}

WEventGeneratorSpy::~WEventGeneratorSpy() {
  WEventGeneratorSpy* self = this;
  if (instance_.compare_exchange_strong(self, nullptr)) Watch(false);
}

void WEventGeneratorSpy::Watch(bool on) {
  observe_ = on;
  SetObserver(on ? this : nullptr);
}

void WEventGeneratorSpy::EventHandlersChanged(WEventNumber event, int32_t change) {
  if (instance_.load() != this) return;
  if (change == kReset) {
    Watch(false);
  } else if (event == NotifyEvent) {
    WObject* target = nullptr;
    Watch(GetEventHandler(NotifyEvent, &target, nullptr, nullptr));
  }
}

WEventGeneratorSpy* WEventGeneratorSpy::Watching() { return observe_.load() ? instance_.load() : nullptr; }

void WEventGeneratorSpy::ObserveDispatch(WEventGenerator* generator, WEventNumber event, WEventData* data, bool after,
                                         bool handled) {
  WSpyEventData report;
  report.generator = generator;
  report.observed_event = event;
  report.observed_data = data;
  report.after = after;
  report.handled = handled;
  CallEventHandlers(NotifyEvent, generator, &report);
}
