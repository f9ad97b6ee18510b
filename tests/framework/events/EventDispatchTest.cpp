#include <gtest/gtest.h>

#include "framework/events/WAssertionReport.h"
#include "framework/events/WThreadRecord.h"
#include "framework/events/WEventGeneratorSpy.h"
#include "tests/framework/events/EventTestObjects.h"

namespace {

using Dispatch = GeneratorTest;

TEST_F(Dispatch, NewestHandlerRunsFirstAndAHandledEventStops) {
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Second);
  EXPECT_FALSE(generator.CallEventHandlers(ClickEvent, &generator));
  EXPECT_EQ(log, (std::vector<std::string>{"second#0", "first#1"}));

  log.clear();
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Handles);
  EXPECT_TRUE(generator.CallEventHandlers(ClickEvent, &generator));
  EXPECT_EQ(log, (std::vector<std::string>{"handles#0"}));
}

TEST_F(Dispatch, PositionsPlaceHandlersAmongTheirEvent) {
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Second);
  const int32_t one = 1;
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Third, 0, &one);
  const int32_t far = 99;
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Act, 0, &far);
  generator.CallEventHandlers(ClickEvent);
  EXPECT_EQ(log, (std::vector<std::string>{"second#0", "third#1", "first#2", "act#3"}));
}

TEST_F(Dispatch, TablesRunTheirLastEntryFirst) {
  static const WEventHandlerTableEntry table[] = {
      {ClickEvent, &Listener::First, nullptr, 1},
      {ClickEvent, &Listener::Second, nullptr, 2},
      {CloseEvent, &Listener::Third, nullptr, 3},
      {NullEvent, {}, nullptr, 0},
  };
  ASSERT_TRUE(SetEventHandlers(&generator, table, &listener));
  generator.CallEventHandlers(ClickEvent);
  EXPECT_EQ(log, (std::vector<std::string>{"second#0", "first#1"}));

  ASSERT_TRUE(RemoveEventHandlers(&generator, table, &listener));
  EXPECT_FALSE(generator.HasEventHandler(ClickEvent));
  EXPECT_FALSE(generator.HasEventHandler(CloseEvent));
}

TEST_F(Dispatch, ATableNamesItsFirstEntryThatCouldNotBeRegisteredAndRegistersTheRest) {
  // The listener is no Unrelated, so that entry cannot be called on it.
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
  EXPECT_EQ(log, (std::vector<std::string>{"second#0", "first#1"})) << "the good entries are all there";

  static const WEventHandlerTableEntry good[] = {{ClickEvent, &Listener::Third, nullptr, 5},
                                                 {NullEvent, {}, nullptr, 0}};
  EXPECT_TRUE(SetEventHandlers(&generator, good, &listener, &failed));
  EXPECT_EQ(failed, -1);
}

#ifndef _WIN32
// On Windows the report asks in a message box, which a test cannot answer.
TEST(Assertion, ABrokenInvariantIsReportedWithWhereAndWhyAndEndsTheProcess) {
  const auto broken = [] { W_ASSERT(1 + 1 == 3, "arithmetic holds"); };
  EXPECT_DEATH(broken(), "1 \\+ 1 == 3\n    arithmetic holds");
  W_ASSERT(1 + 1 == 2, "a kept invariant does nothing");
}
#endif

TEST_F(Dispatch, FirstIndexSkipsEarlierHandlers) {
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Second);
  generator.CallEventHandlers(ClickEvent, nullptr, nullptr, nullptr, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"first#1"}));
}

TEST_F(Dispatch, UserDataSourceAndEventReachTheHandler) {
  WEventData seen;
  listener.action = [&seen](WEventData* data) { seen = *data; };
  generator.SetEventHandler(TimerEvent, &listener, &Listener::Act, 4711);
  WObject source;
  generator.CallEventHandlers(TimerEvent, &source);
  EXPECT_EQ(seen.user_data, 4711u);
  EXPECT_EQ(seen.source, &source);
  EXPECT_EQ(seen.event, TimerEvent);
}

TEST_F(Dispatch, AResultKeepsTheSystemsWidth) {
  // A window message's result may be a handle: on a 64-bit build its high
  // half must survive the dispatch.
  const intptr_t handle = static_cast<intptr_t>(~uintptr_t{0} / 3);
  listener.action = [handle](WEventData* data) { data->result = handle; };
  generator.SetEventHandler(ControlColorEvent, &listener, &Listener::Act);
  intptr_t result = 0;
  generator.CallEventHandlers(ControlColorEvent, nullptr, nullptr, &result);
  EXPECT_EQ(result, handle);
}

TEST_F(Dispatch, ResultIsCopiedInAndOut) {
  listener.action = [](WEventData* data) { data->result = data->result * 10 + 1; };
  generator.SetEventHandler(PaintEvent, &listener, &Listener::Act);
  generator.SetEventHandler(PaintEvent, &listener, &Listener::Act, 0, nullptr);
  intptr_t result = 5;
  generator.CallEventHandlers(PaintEvent, nullptr, nullptr, &result);
  EXPECT_EQ(result, 511);

  intptr_t untouched = 9;
  EXPECT_FALSE(generator.CallEventHandlers(MoveEvent, nullptr, nullptr, &untouched));
  EXPECT_EQ(untouched, 9) << "no handler: the variable stays";
}

TEST_F(Dispatch, EventsSharingAMaskBitStillOnlyReachTheirOwnHandlers) {
  generator.SetEventHandler(SizeChangingEvent, &listener, &Listener::Handles);  // 8
  EXPECT_NE(generator.GetEventMask() & (1u << 8), 0u);
  static_assert(RightButtonDoubleEvent == 40 && SizeChangingEvent == 8, "numbers 40 and 8");
  EXPECT_FALSE(generator.CallEventHandlers(RightButtonDoubleEvent)) << "40 shares the bit of 8";
  EXPECT_TRUE(log.empty());
}

TEST_F(Dispatch, AHandlerThatRemovesItselfIsNotCalledAgain) {
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First);
  listener.action = [this](WEventData*) {
    EXPECT_TRUE(generator.RemoveEventHandler(ClickEvent, &listener, &Listener::Act));
  };
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Act);
  generator.CallEventHandlers(ClickEvent);
  generator.CallEventHandlers(ClickEvent);
  EXPECT_EQ(log, (std::vector<std::string>{"act#0", "first#1", "first#0"}));
}

TEST_F(Dispatch, AHandlerThatRemovesTheNextHandlerEndsTheWalkSafely) {
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Second);
  listener.action = [this](WEventData*) {
    generator.RemoveEventHandler(ClickEvent, &listener, &Listener::Second);
    generator.RemoveEventHandler(ClickEvent, &listener, &Listener::First);
  };
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Act);
  generator.CallEventHandlers(ClickEvent);
  EXPECT_EQ(log, (std::vector<std::string>{"act#0"}));
}

TEST_F(Dispatch, AHandlerThatRegistersAnotherDoesNotRunItThisTime) {
  listener.action = [this](WEventData*) { generator.SetEventHandler(ClickEvent, &listener, &Listener::Second); };
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Act);
  generator.CallEventHandlers(ClickEvent);
  EXPECT_EQ(log, (std::vector<std::string>{"act#0"}));
}

TEST_F(Dispatch, AHandlerRemovedDuringANestedDispatchStaysSafe) {
  int depth = 0;
  listener.action = [&](WEventData*) {
    if (++depth == 1) {
      generator.CallEventHandlers(ClickEvent);  // nested: the same handler runs inside itself
      generator.RemoveEventHandler(ClickEvent, HandlerRemoval::All);
    }
  };
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Act);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First);
  generator.CallEventHandlers(ClickEvent);
  EXPECT_EQ(log, (std::vector<std::string>{"first#0", "act#1", "first#0", "act#1"}));
  EXPECT_FALSE(generator.CallEventHandlers(ClickEvent));
}

TEST_F(Dispatch, DispatchDepthCountsNestedDispatches) {
  std::vector<int> depths;
  listener.action = [&](WEventData* data) {
    depths.push_back(WThreadRecord::Current().dispatch_depth);
    if (data->event == ClickEvent) generator.CallEventHandlers(CloseEvent);
  };
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Act);
  generator.SetEventHandler(CloseEvent, &listener, &Listener::Act);
  generator.CallEventHandlers(ClickEvent);
  EXPECT_EQ(depths, (std::vector<int>{1, 2}));
  EXPECT_EQ(WThreadRecord::Current().dispatch_depth, 0);
}

class Observer : public WObject {
  W_DECLARE_CLASS(Observer, WObject)

 public:
  bool Seen(WObject*, WEventData* data) {
    const auto* report = static_cast<WSpyEventData*>(data);
    reports.push_back(std::string(EventName(report->observed_event)) + (report->after ? " after " : " before ") +
                      (report->handled ? "handled" : "not handled"));
    return false;
  }
  std::vector<std::string> reports;
};

TEST_F(Dispatch, TheObserverHearsEveryDispatchWhileItListens) {
  WEventGeneratorSpy spy;
  Observer observer;
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Handles);
  generator.CallEventHandlers(ClickEvent);
  EXPECT_TRUE(observer.reports.empty());

  spy.SetEventHandler(NotifyEvent, &observer, &Observer::Seen);
  generator.CallEventHandlers(ClickEvent);
  generator.CallEventHandlers(MoveEvent);
  EXPECT_EQ(observer.reports,
            (std::vector<std::string>{"ClickEvent before not handled", "ClickEvent after handled",
                                      "MoveEvent before not handled", "MoveEvent after not handled"}));
  spy.RemoveEventHandler(NotifyEvent, HandlerRemoval::All);
  generator.CallEventHandlers(ClickEvent);
  EXPECT_EQ(observer.reports.size(), 4u);
}

}  // namespace
