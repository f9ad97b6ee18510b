#include <gtest/gtest.h>

#include <memory>

#include "tests/framework/events/EventTestObjects.h"

namespace {

using Registration = GeneratorTest;

TEST_F(Registration, RemovalReportsThePositionOfTheRemovedHandler) {
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Second);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Third);
  int32_t index = 7;
  EXPECT_TRUE(generator.RemoveEventHandler(ClickEvent, &listener, &Listener::First, &index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(generator.RemoveEventHandler(ClickEvent, &listener, &Listener::First, &index));
  EXPECT_EQ(index, -1);
  EXPECT_TRUE(generator.RemoveEventHandler(ClickEvent, HandlerRemoval::First, &index));
  EXPECT_EQ(index, 0) << "the first handler of the event";
  EXPECT_TRUE(generator.RemoveEventHandler(ClickEvent, HandlerRemoval::All, &index));
  EXPECT_EQ(index, -1);
  EXPECT_FALSE(generator.RemoveEventHandler(ClickEvent, HandlerRemoval::All, &index));
  EXPECT_FALSE(generator.HasEventHandler(ClickEvent));
}

TEST_F(Registration, RemovalComparesTargetAndFunction) {
  Listener other(&log);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First);
  EXPECT_FALSE(generator.RemoveEventHandler(ClickEvent, &other, &Listener::First));
  EXPECT_FALSE(generator.RemoveEventHandler(ClickEvent, &listener, &Listener::Second));
  EXPECT_FALSE(generator.RemoveEventHandler(CloseEvent, &listener, &Listener::First));
  EXPECT_TRUE(generator.HasEventHandler(ClickEvent));
}

TEST_F(Registration, GetEventHandlerWalksTheHandlersOfAnEvent) {
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First, 1);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::Second, 2);
  WObject* target = nullptr;
  WEventHandlerFunction function;
  uint32_t user_data = 0;
  ASSERT_TRUE(generator.GetEventHandler(ClickEvent, &target, &function, &user_data));
  EXPECT_EQ(function, WEventHandlerFunction(&Listener::Second));
  EXPECT_EQ(user_data, 2u);
  const WEventHandlerFunction second(&Listener::Second);
  ASSERT_TRUE(generator.GetEventHandler(ClickEvent, &target, &function, &user_data, &second));
  EXPECT_EQ(function, WEventHandlerFunction(&Listener::First));
  const WEventHandlerFunction first(&Listener::First);
  EXPECT_FALSE(generator.GetEventHandler(ClickEvent, &target, &function, &user_data, &first));
  EXPECT_EQ(target, nullptr);
  EXPECT_TRUE(function.IsEmpty());
  EXPECT_FALSE(generator.GetEventHandler(CloseEvent, &target, &function, &user_data));
}

TEST_F(Registration, AFunctionOfAnotherClassIsRefused) {
  Unrelated unrelated;
  EXPECT_FALSE(generator.SetEventHandler(ClickEvent, &listener, &Unrelated::Handler));
  EXPECT_FALSE(generator.SetEventHandler(ClickEvent, nullptr, &Listener::First));
  EXPECT_FALSE(generator.HasEventHandler(ClickEvent));
  EXPECT_TRUE(generator.SetEventHandler(ClickEvent, &unrelated, &Unrelated::Handler));
}

TEST_F(Registration, PooledRecordsAreRecycledUpToFifty) {
  {
    std::vector<std::unique_ptr<WEventGenerator>> generators;
    for (int i = 0; i < 80; ++i) {
      generators.push_back(std::make_unique<WEventGenerator>());
      generators.back()->SetEventHandler(ClickEvent, &listener, &Listener::First);
    }
  }
  EXPECT_EQ(WEventHandlerPool::Count(), WEventHandlerPool::kPoolLimit);
  for (int round = 0; round < 1000; ++round) {
    const auto event = static_cast<WEventNumber>(round % kEventCount);
    generator.SetEventHandler(event, &listener, &Listener::First);
    generator.RemoveEventHandler(event, HandlerRemoval::All);
  }
  EXPECT_EQ(WEventHandlerPool::Count(), WEventHandlerPool::kPoolLimit);
  generator.SetEventHandler(ClickEvent, &listener, &Listener::First);
  EXPECT_EQ(WEventHandlerPool::Count(), WEventHandlerPool::kPoolLimit - 1) << "taken from the pool";
}

class ChangeCounter : public WEventGenerator {
 public:
  void EventHandlersChanged(WEventNumber event, int32_t change) override {
    changes.push_back(std::to_string(event) + ":" + std::to_string(change));
  }
  std::vector<std::string> changes;
};

TEST_F(Registration, EveryRegistrationAndRemovalCallIsReported) {
  ChangeCounter counter;
  counter.SetEventHandler(ClickEvent, &listener, &Listener::First);
  counter.RemoveEventHandler(CloseEvent, HandlerRemoval::All);
  counter.RemoveEventHandler(ClickEvent, &listener, &Listener::First);
  EXPECT_EQ(counter.changes, (std::vector<std::string>{"30:0", "84:1", "30:1"}));
}

TEST(WObjectTypes, TypeTestsFollowTheClassTree) {
  std::vector<std::string> log;
  Listener listener(&log);
  WEventGenerator generator;
  EXPECT_TRUE(listener.Is<Listener>());
  EXPECT_TRUE(listener.Is<WObject>());
  EXPECT_FALSE(listener.Is<WEventGenerator>());
  EXPECT_TRUE(generator.Is<WEventGenerator>());
  EXPECT_FALSE(generator.Is<Listener>());
  EXPECT_EQ(RegisterClassAtom("Listener"), Listener::ClassAtom());
}

}  // namespace
