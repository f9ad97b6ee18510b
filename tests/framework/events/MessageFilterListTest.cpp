// Message filters in key order, and the text of an assertion report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/events/WAssertionReport.h"
#include "framework/events/WMessageFilter.h"

namespace {

class Filter : public WObject {
  W_DECLARE_CLASS(Filter, WObject)

 public:
  Filter(std::string* log, char name, bool consumes) : log_(log), name_(name), consumes_(consumes) {}
  bool Offer(WObject*, WEventData* data) {
    auto* filtered = static_cast<WMessageFilterData*>(data);
    *log_ += name_ + std::to_string(filtered->user_value) + " ";
    filtered->message.message += 1;
    return consumes_;
  }

 private:
  std::string* log_;
  char name_;
  bool consumes_;
};

TEST(MessageFilters, RunInKeyOrderThenInOrderOfAddingUntilOneConsumes) {
  std::string log;
  Filter a(&log, 'a', false), b(&log, 'b', false), c(&log, 'c', false), d(&log, 'd', true), e(&log, 'e', false);
  WMessageFilterList list;
  list.Add({&a, &Filter::Offer, 1, 64});
  list.Add({&b, &Filter::Offer, 2, 0});
  list.Add({&c, &Filter::Offer, 3, 64});
  list.Add({&d, &Filter::Offer, 4, 100});
  list.Add({&e, &Filter::Offer, 5, 200});
  WMessage message;
  message.message = 10;
  EXPECT_TRUE(list.Run(message));
  EXPECT_EQ(log, "b2 a1 c3 d4 ") << "d consumes it; e never sees it";
  EXPECT_EQ(message.message, 14u) << "each filter may change the message";
  EXPECT_TRUE(list.Remove(&d, &Filter::Offer));
  EXPECT_FALSE(list.Remove(&d, &Filter::Offer));
  log.clear();
  EXPECT_FALSE(list.Run(message));
  EXPECT_EQ(log, "b2 a1 c3 e5 ");
}

TEST(AssertionReport, ListsWhatFailedWhereAndCutsLongProgramNames) {
  WAssertionFailure failure;
  failure.function = "bool WModelessDialog::Load()";
  failure.file = "wdialog";
  failure.line = 42;
  failure.expression = "hdl != 0";
  failure.message = "Unable to find it";
  EXPECT_EQ(AssertionText(failure),
            "Assertion Failure - Expecting:\n\n    Function bool WModelessDialog::Load()\n    File 'wdialog'\n"
            "    Line 42\n\n    hdl != 0\n    Unable to find it\n\nDo you wish to continue running?");
  failure.expression = failure.message = nullptr;
  EXPECT_EQ(AssertionText(failure).find("hdl"), std::string::npos);
  EXPECT_EQ(AssertionTitle("vantrel.exe", 0x1a, 0x2b), "vantrel.exe: Debug Message [Process 1a Thread 2b]");
  EXPECT_EQ(AssertionTitle(std::string(150, 'n').c_str(), 1, 2),
            std::string(100, 'n') + ": Debug Message [Process 1 Thread 2]");
}

}  // namespace
