#include "framework/events/WindowsHeadersWin32.h"

#include "framework/events/WMTVector.h"
#include "framework/events/WTimer.h"

namespace {

struct WTimerData {
  WTimer* timer;
  uintptr_t id;
};

// Maps the system's timer ids back to their objects.
WMTVector<WTimerData>& Registry() {
  static auto* const registry = new WMTVector<WTimerData>;  // outlives timers of static objects
  return *registry;
}

// The registry's lock is released before the tick, so that handlers may
// start and stop timers.
void CALLBACK OnSystemTimer(HWND, UINT, UINT_PTR id, DWORD time) {
  const auto entry = Registry().FindFirst([id](const WTimerData& data) { return data.id == id; });
  if (entry) entry->timer->Tick(time);
}

}  // namespace

WTimer::~WTimer() { Stop(); }

bool WTimer::Start(uint32_t interval_ms, int32_t ticks) {
  Stop();
  remaining_ = ticks;
  id_ = SetTimer(nullptr, 0, interval_ms, &OnSystemTimer);
  if (id_ == 0) {
    remaining_ = 0;
    return false;
  }
  Registry().Append({this, id_});
  return true;
}

bool WTimer::Stop() {
  bool stopped = true;
  if (id_ != 0) {
    stopped = KillTimer(nullptr, id_) != FALSE;
    const uintptr_t id = id_;
    Registry().RemoveFirst([id](const WTimerData& data) { return data.id == id; });
  }
  id_ = 0;
  remaining_ = 0;
  return stopped;
}

void WTimer::Tick(uint32_t time) {
  if (time == 0) time = GetTickCount();
  if (remaining_ > 0 && --remaining_ == 0) Stop();
  WTimerEventData data;
  data.time = time;
  CallEventHandlers(TimerEvent, this, &data);
}

std::size_t RunningTimerCount() { return Registry().Size(); }
