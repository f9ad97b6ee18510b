#include "framework/events/WTimer.h"

#include <gtest/gtest.h>

#include "tests/framework/app/PumpMessagesWin32.h"

namespace {

class TickCounter : public WObject {
  W_DECLARE_CLASS(TickCounter, WObject)

 public:
  bool OnTick(WObject* source, WEventData* data) {
    ++ticks;
    last_time = static_cast<WTimerEventData*>(data)->time;
    running_during_tick = static_cast<WTimer*>(source)->IsRunning();
    if (restart_from_handler && ticks == 1) static_cast<WTimer*>(source)->Start(10, 1);
    return false;
  }

  int ticks = 0;
  uint32_t last_time = 0;
  bool running_during_tick = true;
  bool restart_from_handler = false;
};

// Starts a timer with the count given, pumps until `ticks` came, then a
// while longer; returns the ticks counted.
int TicksOf(WTimer& timer, TickCounter& counter, int32_t count, int ticks) {
  timer.SetEventHandler(TimerEvent, &counter, &TickCounter::OnTick);
  EXPECT_TRUE(timer.Start(10, count));
  EXPECT_TRUE(PumpUntil([&] { return counter.ticks >= ticks; }));
  if (count == 0) {
    EXPECT_TRUE(timer.Stop());
  }
  const int counted = counter.ticks;
  PumpUntil([] { return false; }, 150);
  EXPECT_EQ(counter.ticks, counted) << "no tick after the last or after stopping";
  return counter.ticks;
}

TEST(Timer, ACountOfOneFiresOnceAndIsStoppedWhenItFires) {
  WTimer timer;
  TickCounter counter;
  EXPECT_EQ(TicksOf(timer, counter, 1, 1), 1);
  EXPECT_FALSE(counter.running_during_tick);
  EXPECT_FALSE(timer.IsRunning());
  EXPECT_NE(counter.last_time, 0u);
}

TEST(Timer, ADeletedTimerNeverFiresAndARestartReplacesTheCount) {
  TickCounter counter;
  {
    WTimer timer;
    timer.SetEventHandler(TimerEvent, &counter, &TickCounter::OnTick);
    ASSERT_TRUE(timer.Start(1, 0));
    Sleep(30);  // ticks are queued now
  }
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(counter.ticks, 0);
  WTimer timer;
  ASSERT_TRUE(timer.Start(1000, 0));
  ASSERT_TRUE(timer.Start(1000, 3));
  EXPECT_EQ(RunningTimerCount(), 1u);
  EXPECT_EQ(timer.GetRemainingTicks(), 3);
}

}  // namespace
