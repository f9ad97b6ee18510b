#include "framework/app/WApplication.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/events/WThreadRecord.h"

namespace {

// An application whose start, run and end handlers log and do what the test
// sets up.
class TestApplication : public WApplication {
 public:
  TestApplication() {
    SetEventHandler(StartEvent, this, &TestApplication::OnStart);
    SetEventHandler(StartEvent, this, &TestApplication::OnDefaultStart);
    SetEventHandler(RunEvent, this, &TestApplication::OnRun);
    SetEventHandler(EndEvent, this, &TestApplication::OnEnd);
  }

  bool OnDefaultStart(WObject*, WEventData* data) {
    log.push_back("default start");
    auto* app = static_cast<WApplicationEventData*>(data);
    app->exit_code = 0;
    app->quit = false;
    return false;
  }
  bool OnStart(WObject*, WEventData* data) {
    log.push_back("start");
    if (!start_succeeds) {
      auto* app = static_cast<WApplicationEventData*>(data);
      app->exit_code = -1;
      app->quit = true;
    }
    return true;
  }
  bool OnRun(WObject*, WEventData* data) {
    log.push_back("run");
    static_cast<WApplicationEventData*>(data)->exit_code = run_exit_code;
    return true;
  }
  bool OnEnd(WObject*, WEventData*) {
    log.push_back("end");
    return true;
  }

  bool start_succeeds = true;
  int32_t run_exit_code = 0;
  std::vector<std::string> log;
};

class Doomed : public WObject {
 public:
  explicit Doomed(bool* deleted) : deleted_(deleted) {}
  ~Doomed() override { *deleted_ = true; }

 private:
  bool* deleted_;
};

int hook_calls = 0;
int32_t hook_argument = 0;
void ShutdownHook(int32_t code) {
  ++hook_calls;
  hook_argument = code;
}

TEST(Application, ExecuteRaisesStartRunAndEnd) {
  TestApplication application;
  application.run_exit_code = 7;
  EXPECT_EQ(application.Execute(nullptr, nullptr, "args", 1), 7);
  EXPECT_EQ(application.log, (std::vector<std::string>{"default start", "start", "run", "end"}));
  EXPECT_EQ(application.GetThreadId(), CurrentThreadId());
  EXPECT_STREQ(application.GetCommandLine(), "args");
}

TEST(Application, AFailedStartSkipsTheRunButNotTheEnd) {
  TestApplication application;
  application.start_succeeds = false;
  EXPECT_EQ(application.Execute(nullptr, nullptr, nullptr, 0), -1);
  EXPECT_EQ(application.log, (std::vector<std::string>{"default start", "start", "end"}));
}

TEST(Application, TheEndDeletesDeferredObjectsAndCallsTheShutdownHook) {
  TestApplication application;
  bool deleted = false;
  DeferDelete(new Doomed(&deleted));
  DeferDelete(&application);
  WApplication::SetShutdownHook(&ShutdownHook);
  hook_calls = 0;
  application.Execute(nullptr, nullptr, nullptr, 0);
  WApplication::SetShutdownHook(nullptr);
  EXPECT_TRUE(deleted);
  EXPECT_EQ(hook_calls, 1);
  EXPECT_EQ(hook_argument, -1);
  EXPECT_EQ(WThreadRecord::Current().deferred, std::vector<WObject*>{&application}) << "the application stays";
  WThreadRecord::Current().deferred.clear();
}

TEST(Application, TheFirstApplicationIsCurrentAndAnExeApplicationAlways) {
  ASSERT_EQ(WApplication::Current(), nullptr);
  {
    TestApplication first;
    TestApplication second;
    EXPECT_EQ(WApplication::Current(), &first);
    {
      WExeApplication program;
      EXPECT_EQ(WApplication::Current(), &program);
    }
    EXPECT_EQ(WApplication::Current(), nullptr) << "cleared with the object it named";
  }
}

TEST(Application, ProcessingHandlersRaiseTheProcessWideFlags) {
  TestApplication application;
  application.SetEventHandler(BeforeProcessingEvent, &application, &TestApplication::OnEnd);
  EXPECT_TRUE(WApplication::HasBeforeProcessingHandler());
  application.RemoveEventHandler(BeforeProcessingEvent, HandlerRemoval::All);
  EXPECT_TRUE(WApplication::HasBeforeProcessingHandler()) << "never cleared";
}

}  // namespace
