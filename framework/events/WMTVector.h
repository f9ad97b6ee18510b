#pragma once

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

// A vector that several threads may use: every operation holds its lock.
template <typename T>
class WMTVector {
 public:
  void Append(const T& value) {
    std::lock_guard<std::mutex> hold(lock_);
    items_.push_back(value);
  }

  // Removes the first item that matches; false when none does.
  template <typename Predicate>
  bool RemoveFirst(Predicate matches) {
    std::lock_guard<std::mutex> hold(lock_);
    const auto found = std::find_if(items_.begin(), items_.end(), matches);
    if (found == items_.end()) return false;
    items_.erase(found);
    return true;
  }

  // A copy of the first item that matches.
  template <typename Predicate>
  std::optional<T> FindFirst(Predicate matches) const {
    std::lock_guard<std::mutex> hold(lock_);
    const auto found = std::find_if(items_.begin(), items_.end(), matches);
    if (found == items_.end()) return std::nullopt;
    return *found;
  }

  std::size_t Size() const {
    std::lock_guard<std::mutex> hold(lock_);
    return items_.size();
  }

 private:
  mutable std::mutex lock_;
  std::vector<T> items_;
};
