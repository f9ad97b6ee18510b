// The application's start, run and end, and deletions deferred until no
// dispatch can still use the object.
#include "framework/app/WApplication.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/events/WEventGenerator.h"
#include "framework/events/WThreadRecord.h"

namespace {

// An application whose start, run and end handlers log and do what the
// test sets up.
class TestApplication : public WApplication {
 public:
  TestApplication() {
    SetEventHandler(StartEvent, this, &TestApplication::OnStart);
    SetEventHandler(StartEvent, this, &TestApplication::OnDefaultStart);
    SetEventHandler(RunEvent, this, &TestApplication::OnRun);
    SetEventHandler(EndEvent, this, &TestApplication::OnEnd);
  }
  bool OnDefaultStart(WObject*, WEventData* data) {
    log += "default start, ";
    static_cast<WApplicationEventData*>(data)->quit = false;
    return false;
  }
  bool OnStart(WObject*, WEventData* data) {
    log += "start, ";
    static_cast<WApplicationEventData*>(data)->exit_code = start_succeeds ? 0 : -1;
    static_cast<WApplicationEventData*>(data)->quit = !start_succeeds;
    return true;
  }
  bool OnRun(WObject*, WEventData* data) {
    log += "run, ";
    static_cast<WApplicationEventData*>(data)->exit_code = 7;
    return true;
  }
  bool OnEnd(WObject*, WEventData*) {
    log += "end";
    return true;
  }
  bool start_succeeds = true;
  std::string log;
};

class Tracked : public WObject {
 public:
  explicit Tracked(int* deletions) : deletions_(deletions) {}
  ~Tracked() override { ++*deletions_; }

 private:
  int* deletions_;
};

int hook_argument = 0;

TEST(Application, ExecuteRaisesStartRunAndEndAndAFailedStartSkipsTheRun) {
  TestApplication application;
  EXPECT_EQ(application.Execute(nullptr, nullptr, "args", 1), 7);
  EXPECT_EQ(application.log, "default start, start, run, end");
  EXPECT_EQ(application.GetThreadId(), CurrentThreadId());
  EXPECT_STREQ(application.GetCommandLine(), "args");
  TestApplication failing;
  failing.start_succeeds = false;
  EXPECT_EQ(failing.Execute(nullptr, nullptr, nullptr, 0), -1);
  EXPECT_EQ(failing.log, "default start, start, end");
  EXPECT_EQ(WApplication::Current(), &application) << "the first application is the current one";
  {
    WExeApplication program;
    EXPECT_EQ(WApplication::Current(), &program) << "an exe application always is";
  }
  EXPECT_EQ(WApplication::Current(), nullptr) << "cleared with the object it named";
}

TEST(Application, TheEndDeletesDeferredObjectsOnceAndCallsTheShutdownHook) {
  TestApplication application;
  int deletions = 0;
  auto* doomed = new Tracked(&deletions);
  EXPECT_TRUE(DeferDelete(doomed));
  EXPECT_FALSE(DeferDelete(doomed)) << "deferred once";
  DeferDelete(&application);
  WApplication::SetShutdownHook([](int32_t code) { hook_argument = code; });
  application.Execute(nullptr, nullptr, nullptr, 0);
  WApplication::SetShutdownHook(nullptr);
  EXPECT_EQ(deletions, 1);
  EXPECT_EQ(hook_argument, -1);
  EXPECT_EQ(WThreadRecord::Current().deferred, std::vector<WObject*>{&application}) << "the application stays";
  WThreadRecord::Current().deferred.clear();
}

// Defers a deletion from a handler that runs inside another dispatch.
class Deferrer : public WObject {
  W_DECLARE_CLASS(Deferrer, WObject)

 public:
  bool Outer(WObject*, WEventData*) {
    generator.CallEventHandlers(CloseEvent);
    survived_inner_pass = deletions == 0;
    return true;
  }
  bool Inner(WObject*, WEventData*) {
    DeferDelete(new Tracked(&deletions));
    ProcessDeferredDeletes(false);
    return true;
  }
  WEventGenerator generator;
  int deletions = 0;
  bool survived_inner_pass = false;
};

TEST(DeferredDelete, NestedDispatchKeepsObjectsUntilALaterPassAndAKeptObjectWaits) {
  Deferrer deferrer;
  deferrer.generator.SetEventHandler(ClickEvent, &deferrer, &Deferrer::Outer);
  deferrer.generator.SetEventHandler(CloseEvent, &deferrer, &Deferrer::Inner);
  deferrer.generator.CallEventHandlers(ClickEvent);
  EXPECT_TRUE(deferrer.survived_inner_pass) << "the outer handler may still use it";
  ProcessDeferredDeletes(false);
  EXPECT_EQ(deferrer.deletions, 1);

  int deletions = 0;
  auto* kept = new Tracked(&deletions);
  DeferDelete(kept);
  DeferDelete(new Tracked(&deletions));
  ProcessDeferredDeletes(true, kept);
  EXPECT_EQ(deletions, 1);
  ProcessDeferredDeletes(true);
  EXPECT_EQ(deletions, 2);
}

}  // namespace
