#include <gtest/gtest.h>

#include "framework/events/WThreadRecord.h"
#include "framework/events/WEventGenerator.h"

namespace {

class Tracked : public WObject {
 public:
  explicit Tracked(int* deletions) : deletions_(deletions) {}
  ~Tracked() override { ++*deletions_; }

 private:
  int* deletions_;
};

// Defers deletions from inside handlers, at the depth a test asks for.
class Deferrer : public WObject {
  W_DECLARE_CLASS(Deferrer, WObject)

 public:
  bool Outer(WObject*, WEventData*) {
    generator.CallEventHandlers(CloseEvent);
    survived_inner_pass = deletions == 0;
    return true;
  }
  // Runs nested inside Outer.
  bool Inner(WObject*, WEventData*) {
    DeferDelete(new Tracked(&deletions));
    ProcessDeferredDeletes(false);
    return true;
  }

  WEventGenerator generator;
  int deletions = 0;
  bool survived_inner_pass = false;
};

TEST(DeferredDelete, AnObjectDeferredTwiceIsDeletedOnce) {
  int deletions = 0;
  auto* object = new Tracked(&deletions);
  EXPECT_TRUE(DeferDelete(object));
  EXPECT_FALSE(DeferDelete(object));
  ProcessDeferredDeletes(false);
  EXPECT_EQ(deletions, 1);
  ProcessDeferredDeletes(true);
  EXPECT_EQ(deletions, 1);
}

TEST(DeferredDelete, NestedDispatchKeepsObjectsUntilALaterPass) {
  Deferrer deferrer;
  deferrer.generator.SetEventHandler(ClickEvent, &deferrer, &Deferrer::Outer);
  deferrer.generator.SetEventHandler(CloseEvent, &deferrer, &Deferrer::Inner);
  deferrer.generator.CallEventHandlers(ClickEvent);
  EXPECT_TRUE(deferrer.survived_inner_pass) << "the outer handler may still use it";
  EXPECT_EQ(WThreadRecord::Current().deferred.size(), 1u);
  EXPECT_EQ(deferrer.deletions, 0);
  ProcessDeferredDeletes(false);
  EXPECT_EQ(deferrer.deletions, 1);
}

TEST(DeferredDelete, TheKeptObjectWaitsForTheNextPass) {
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
