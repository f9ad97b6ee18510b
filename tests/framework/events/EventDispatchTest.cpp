// Handlers registered, called and removed, also while a dispatch runs.
#include <gtest/gtest.h>

#include <memory>

#include "framework/events/WAssertionReport.h"
#include "framework/events/WEventGeneratorSpy.h"
#include "framework/events/WThreadRecord.h"
#include "tests/framework/events/EventTestObjects.h"

namespace {

using Dispatch = GeneratorTest;
using Log = std::vector<std::string>;

TEST_F(Dispatch, NewestRunsFirstPositionsPlaceAHandledEventStopsAndFirstIndexSkips) {
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Second);
  const int32_t one = 1, far = 99;
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Third, 0, &one);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Act, 0, &far);
  EXPECT_FALSE(generator.CallEventHandlers(ClickEvent, &generator));
  generator.CallEventHandlers(ClickEvent, nullptr, nullptr, nullptr, 2);
  EXPECT_EQ(log, (Log{"second#0", "third#1", "first#2", "act#3", "first#2", "act#3"}));
  log.clear();
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Handles);
  EXPECT_TRUE(generator.CallEventHandlers(ClickEvent, &generator));
  EXPECT_EQ(log, Log{"handles#0"});
}

TEST_F(Dispatch, TablesRegisterTheirLastEntryFirstAndNameTheFirstEntryThatFailed) {
  // The listener is no Unrelated, so those entries cannot be called on it.
  static const WEventHandlerTableEntry table[] = {
      {ClickEvent, &Listener::First, nullptr, 1},
      {CloseEvent, &Unrelated::Handler, nullptr, 2},
      {ShowEvent, &Unrelated::Handler, nullptr, 3},
      {ClickEvent, &Listener::Second, nullptr, 4},
      {NullEvent, {}, nullptr, 0},
  };
  int32_t failed = 99;
  EXPECT_FALSE(SetEventHandlers(&generator, table, &listener, &failed));
  EXPECT_EQ(failed, 1);
  EXPECT_FALSE(generator.HasEventHandler(CloseEvent));
  generator.CallEventHandlers(ClickEvent);
  EXPECT_EQ(log, (Log{"second#0", "first#1"})) << "the good entries are all there";
  ASSERT_TRUE(RemoveEventHandlers(&generator, table, &listener));
  EXPECT_FALSE(generator.HasEventHandler(ClickEvent));
  static const WEventHandlerTableEntry good[] = {{ClickEvent, &Listener::Third, nullptr, 5},
                                                 {NullEvent, {}, nullptr, 0}};
  EXPECT_TRUE(SetEventHandlers(&generator, good, &listener, &failed));
  EXPECT_EQ(failed, -1);
}

TEST_F(Dispatch, RemovalComparesTargetAndFunctionAndReportsThePosition) {
  Listener other(&log);
  for (auto handler : {&Listener::First, &Listener::Second, &Listener::Third}) {
    generator.SetEventHandler(ClickEvent, &listener, handler);
  }
  EXPECT_FALSE(generator.RemoveEventHandler(ClickEvent, &other, &Listener::First));
  EXPECT_FALSE(generator.RemoveEventHandler(CloseEvent, &listener, &Listener::First));
  EXPECT_TRUE(generator.HasEventHandler(ClickEvent));
  int32_t index = 7;
  EXPECT_TRUE(generator.RemoveEventHandler(ClickEvent, &listener, &Listener::First, &index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(generator.RemoveEventHandler(ClickEvent, &listener, &Listener::First, &index));
  EXPECT_EQ(index, -1);
  EXPECT_TRUE(generator.RemoveEventHandler(ClickEvent, HandlerRemoval::First, &index));
  EXPECT_EQ(index, 0) << "the first handler of the event";
  EXPECT_TRUE(generator.RemoveEventHandler(ClickEvent, HandlerRemoval::All, &index));
  EXPECT_FALSE(generator.RemoveEventHandler(ClickEvent, HandlerRemoval::All, &index));
  EXPECT_FALSE(generator.HasEventHandler(ClickEvent));
}

TEST_F(Dispatch, AFunctionOfAnotherClassOrNoTargetIsRefused) {
  Unrelated unrelated;
  EXPECT_FALSE(generator.SetEventHandler(ClickEvent, &listener, &Unrelated::Handler));
  EXPECT_FALSE(generator.SetEventHandler(ClickEvent, nullptr, &Listener::First));
  EXPECT_FALSE(generator.HasEventHandler(ClickEvent));
  EXPECT_TRUE(generator.SetEventHandler(ClickEvent, &unrelated, &Unrelated::Handler));
  EXPECT_TRUE(listener.Is<WObject>() && !listener.Is<WEventGenerator>() && !generator.Is<Listener>());
}

TEST_F(Dispatch, DataResultAndTheSystemsWidthReachTheHandlerAndBack) {
  WEventData seen;
  listener.action = [&seen](WEventData* data) {
    seen = *data;
    data->result = data->result * 10 + 1;
  };
  generator.SetEventHandler(TimerEvent, &listener, &Listener::Act, 4711);
  generator.SetEventHandler(TimerEvent, &listener, &Listener::Act, 4711);
  WObject source;
  intptr_t result = 5;
  generator.CallEventHandlers(TimerEvent, &source, nullptr, &result);
  EXPECT_EQ(result, 511);
  EXPECT_EQ(seen.user_data, 4711u);
  EXPECT_EQ(seen.source, &source);
  EXPECT_EQ(seen.event, TimerEvent);

  // A window message's result may be a handle: on a 64-bit build its high
  // half must survive the dispatch.
  const auto handle = static_cast<intptr_t>(~uintptr_t{0} / 3);
  listener.action = [handle](WEventData* data) { data->result = handle; };
  generator.CallEventHandlers(TimerEvent, nullptr, nullptr, &result);
  EXPECT_EQ(result, handle);
  intptr_t untouched = 9;
  EXPECT_FALSE(generator.CallEventHandlers(MoveEvent, nullptr, nullptr, &untouched));
  EXPECT_EQ(untouched, 9) << "no handler: the variable stays";
}

TEST_F(Dispatch, EventsSharingAMaskBitStillOnlyReachTheirOwnHandlers) {
  static_assert(RightButtonDoubleEvent == 40 && SizeChangingEvent == 8, "numbers 40 and 8 share a bit");
  generator.SetEventHandler(SizeChangingEvent, &listener, &Listener::Handles);
  EXPECT_NE(generator.GetEventMask() & (1u << 8), 0u);
  EXPECT_FALSE(generator.CallEventHandlers(RightButtonDoubleEvent));
  EXPECT_TRUE(log.empty());
}

TEST_F(Dispatch, HandlersRemovedOrAddedDuringADispatchAreSafe) {
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Second);
  listener.action = [this](WEventData*) {
    generator.RemoveEventHandler(ClickEvent, &listener, &Listener::Second);
    generator.RemoveEventHandler(ClickEvent, &listener, &Listener::Act);
    generator.SetEventHandler(ClickEvent, &listener, &Listener::Third);
  };
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Act);
  generator.CallEventHandlers(ClickEvent);
  generator.CallEventHandlers(ClickEvent);
  EXPECT_EQ(log, (Log{"act#0", "first#1", "third#0", "first#1"}))
      << "a removed handler is not called, one added waits for the next dispatch";
}

TEST_F(Dispatch, AHandlerRemovedDuringANestedDispatchStaysSafeAndDepthsAreCounted) {
  std::vector<int> depths;
  listener.action = [&](WEventData*) {
    depths.push_back(WThreadRecord::Current().dispatch_depth);
    if (depths.size() == 1) {
      generator.CallEventHandlers(ClickEvent);  // nested: the same handler runs inside itself
      generator.RemoveEventHandler(ClickEvent, HandlerRemoval::All);
    }
  };
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Act);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First);
  generator.CallEventHandlers(ClickEvent);
  EXPECT_EQ(log, (Log{"first#0", "act#1", "first#0", "act#1"}));
  EXPECT_EQ(depths, (std::vector<int>{1, 2}));
  EXPECT_EQ(WThreadRecord::Current().dispatch_depth, 0);
  EXPECT_FALSE(generator.CallEventHandlers(ClickEvent));
}

TEST_F(Dispatch, ThePoolKeepsAtMostItsLimitOfFreedRecords) {
  {
    std::vector<std::unique_ptr<WEventGenerator>> generators(80);
    for (auto& each : generators) {
      each = std::make_unique<WEventGenerator>();
      each->SetEventHandler(ClickEvent, &listener, &Listener::First);
    }
  }
  EXPECT_EQ(WEventHandlerPool::Count(), WEventHandlerPool::kPoolLimit);
}

class Observer : public WEventGenerator {
  W_DECLARE_CLASS(Observer, WEventGenerator)

 public:
  bool Seen(WObject*, WEventData* data) {
    const auto* report = static_cast<WSpyEventData*>(data);
    log.push_back(std::string(EventName(report->observed_event)) + (report->after ? " after " : " before ") +
                  (report->handled ? "handled" : "not handled"));
    return false;
  }
  void EventHandlersChanged(WEventNumber event, int32_t change) override {
    log.push_back(std::to_string(event) + ":" + std::to_string(change));
  }
  Log log;
};

TEST_F(Dispatch, TheObserverHearsEveryDispatchWhileItListensAndEveryChangeIsReported) {
  WEventGeneratorSpy spy;
  Observer observer;
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Handles);
  generator.CallEventHandlers(ClickEvent);
  spy.SetEventHandler(NotifyEvent, &observer, &Observer::Seen);
  generator.CallEventHandlers(ClickEvent);
  generator.CallEventHandlers(MoveEvent);
  spy.RemoveEventHandler(NotifyEvent, HandlerRemoval::All);
  generator.CallEventHandlers(ClickEvent);
  EXPECT_EQ(observer.log, (Log{"ClickEvent before not handled", "ClickEvent after handled",
                               "MoveEvent before not handled", "MoveEvent after not handled"}));
  observer.log.clear();
  observer.SetEventHandler(ClickEvent, &listener, &Listener::First);
  observer.RemoveEventHandler(CloseEvent, HandlerRemoval::All);
  observer.RemoveEventHandler(ClickEvent, &listener, &Listener::First);
  EXPECT_EQ(observer.log, (Log{"30:0", "84:1", "30:1"}));
}

#ifndef _WIN32
// On Windows the report asks in a message box, which a test cannot answer.
TEST(Assertion, ABrokenInvariantIsReportedWithWhereAndWhyAndEndsTheProcess) {
  const auto broken = [] { W_ASSERT(1 + 1 == 3, "arithmetic holds"); };
  EXPECT_DEATH(broken(), "1 \\+ 1 == 3\n    arithmetic holds");
  W_ASSERT(1 + 1 == 2, "a kept invariant does nothing");
}
#endif

}  // namespace
