#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/events/WMessageFilter.h"

namespace {

class Filter : public WObject {
  W_DECLARE_CLASS(Filter, WObject)

 public:
  Filter(std::vector<std::string>* log, const char* name, bool consumes)
      : log_(log), name_(name), consumes_(consumes) {}
  bool Offer(WObject*, WEventData* data) {
    auto* filtered = static_cast<WMessageFilterData*>(data);
    log_->push_back(name_ + ":" + std::to_string(filtered->user_value));
    filtered->message.message += 1;
    return consumes_;
  }

 private:
  std::vector<std::string>* log_;
  std::string name_;
  bool consumes_;
};

TEST(MessageFilters, RunInKeyOrderThenInOrderOfAdding) {
  std::vector<std::string> log;
  Filter a(&log, "a", false), b(&log, "b", false), c(&log, "c", false), d(&log, "d", true), e(&log, "e", false);
  WMessageFilterList list;
  list.Add({&a, &Filter::Offer, 1, 64});
  list.Add({&b, &Filter::Offer, 2, 0});
  list.Add({&c, &Filter::Offer, 3, 64});
  list.Add({&d, &Filter::Offer, 4, 100});
  list.Add({&e, &Filter::Offer, 5, 200});
  WMessage message;
  message.message = 10;
  EXPECT_TRUE(list.Run(message));
  EXPECT_EQ(log, (std::vector<std::string>{"b:2", "a:1", "c:3", "d:4"})) << "d consumes it; e never sees it";
  EXPECT_EQ(message.message, 14u) << "each filter may change the message";

  EXPECT_TRUE(list.Remove(&d, &Filter::Offer));
  EXPECT_FALSE(list.Remove(&d, &Filter::Offer));
  log.clear();
  EXPECT_FALSE(list.Run(message));
  EXPECT_EQ(log.back(), "e:5");
}

}  // namespace
