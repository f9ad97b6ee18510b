#include "framework/events/WEventGeneratorSpy.h"

std::atomic<WEventGeneratorSpy*> WEventGeneratorSpy::instance_{nullptr};
std::atomic<bool> WEventGeneratorSpy::observe_{false};

WEventGeneratorSpy::WEventGeneratorSpy() {
  WEventGeneratorSpy* none = nullptr;
  instance_.compare_exchange_strong(none, this);
}

WEventGeneratorSpy::~WEventGeneratorSpy() {
  WEventGeneratorSpy* self = this;
  if (instance_.compare_exchange_strong(self, nullptr)) observe_ = false;
}

void WEventGeneratorSpy::EventHandlersChanged(WEventNumber event, int32_t change) {
  if (instance_.load() != this) return;
  if (change == kReset) {
    observe_ = false;
  } else if (event == NotifyEvent) {
    WObject* target = nullptr;
    observe_ = GetEventHandler(NotifyEvent, &target, nullptr, nullptr);
  }
}

WEventGeneratorSpy* WEventGeneratorSpy::Watching() { return observe_.load() ? instance_.load() : nullptr; }
