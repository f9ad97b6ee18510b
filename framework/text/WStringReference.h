#pragma once

#include <atomic>
#include <cstdint>

#include "framework/text/WStringBuffer.h"

// The shared, reference-counted storage behind WString. A reference that is
// shared is never changed: writers detach first (copy on write).
class WStringReference {
 public:
  WStringReference() = default;
  WStringReference(const WStringReference&) = delete;
  WStringReference& operator=(const WStringReference&) = delete;

  void AddRef() { count_.fetch_add(1, std::memory_order_relaxed); }
  // Deletes the reference when the last holder lets go.
  void Release() {
    if (count_.fetch_sub(1, std::memory_order_acq_rel) <= 1) delete this;
  }
  int32_t Count() const { return count_.load(std::memory_order_acquire); }

  bool wide_current = false;
  WStringBuffer<char> narrow;
  WStringBuffer<char16_t> wide;

 private:
  ~WStringReference() = default;
  std::atomic<int32_t> count_{1};
};
