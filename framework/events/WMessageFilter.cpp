#include "framework/events/WMessageFilter.h"

#include <algorithm>

void WMessageFilterList::Add(const WMessageFilter& entry) {
  const auto after = std::upper_bound(entries_.begin(), entries_.end(), entry.key,
                                      [](uint32_t key, const WMessageFilter& other) { return key < other.key; });
  entries_.insert(after, entry);
}

bool WMessageFilterList::Remove(WObject* filter, const WEventHandlerFunction& function) {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const WMessageFilter& entry) {
    return entry.filter == filter && entry.function == function;
  });
  if (found == entries_.end()) return false;
  entries_.erase(found);
  return true;
}

bool WMessageFilterList::Run(WMessage& message) const {
  // A copy, so that filters can change the list while it runs.
  const std::vector<WMessageFilter> snapshot = entries_;
  for (const WMessageFilter& entry : snapshot) {
    WMessageFilterData data;
    data.message = message;
    data.user_value = entry.user_value;
    const bool consumed = entry.function.Call(entry.filter, nullptr, &data);
    message = data.message;
    if (consumed) return true;
  }
  return false;
}
