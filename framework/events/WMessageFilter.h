#pragma once

#include <cstdint>
#include <vector>

#include "framework/events/WEventHandlerFunction.h"

// What a message filter receives. A filter that returns true consumed the
// message.
struct WMessageFilterData : WEventData {
  WMessage message;
  uint32_t user_value = 0;
};

struct WMessageFilter {
  WObject* filter = nullptr;
  WEventHandlerFunction function;
  uint32_t user_value = 0;
  uint32_t key = 0;
};

// Filters in ascending order of their keys; among equal keys, in the order
// they were added.
class WMessageFilterList {
 public:
  void Add(const WMessageFilter& entry);
  // Removes the first entry of this object and function.
  bool Remove(WObject* filter, const WEventHandlerFunction& function);
  // Offers the message to each filter in turn until one consumes it; a
  // filter may change the message. Filters may add and remove filters
  // meanwhile.
  bool Run(WMessage& message) const;
  bool IsEmpty() const { return entries_.empty(); }
  const std::vector<WMessageFilter>& Entries() const { return entries_; }

 private:
  std::vector<WMessageFilter> entries_;
};
