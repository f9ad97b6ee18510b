#pragma once

#include <cstdint>

#include "framework/events/WEventGenerator.h"

// A system timer without a window that raises TimerEvent every interval: a
// given number of times, or until stopped (tick count 0). Its ticks arrive
// as messages of the thread that started it.
class WTimer : public WEventGenerator {
  W_DECLARE_CLASS(WTimer, WEventGenerator)

 public:
  WTimer() = default;
  ~WTimer() override;

  // Stops the timer first if it runs. False when the system gives no timer.
  bool Start(uint32_t interval_ms, int32_t ticks = 0);
  // The system's result of stopping; true when nothing ran.
  bool Stop();
  bool IsRunning() const { return id_ != 0; }
  int32_t GetRemainingTicks() const { return remaining_; }

  // One tick at `time` (milliseconds; 0 means now): counts it, stops on the
  // last counted tick, then raises TimerEvent.
  void Tick(uint32_t time);

 private:
  uintptr_t id_ = 0;
  int32_t remaining_ = 0;
};

// Timers running in the process.
std::size_t RunningTimerCount();
