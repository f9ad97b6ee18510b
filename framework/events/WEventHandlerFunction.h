#pragma once

#include <cstring>

#include "framework/events/WEventData.h"
#include "framework/events/WObject.h"

// A member function of some class T derived from WObject, with the handler
// signature bool (T::*)(WObject* source, WEventData* data), kept without
// its type and called on a target that is known to be a T. Two functions
// are equal when they are the same member of the same class.
class WEventHandlerFunction {
 public:
  constexpr WEventHandlerFunction() = default;

  template <class T>
  WEventHandlerFunction(bool (T::*member)(WObject*, WEventData*))  // NOLINT: tables list members directly
      : invoke_(&Invoke<T>), accepts_(&Accepts<T>) {
    static_assert(sizeof member <= sizeof storage_, "member function pointer too large");
    std::memcpy(storage_, &member, sizeof member);
  }

  bool IsEmpty() const { return invoke_ == nullptr; }
  explicit operator bool() const { return !IsEmpty(); }

  // True when the target is a T that this function can be called on.
  bool CanCallOn(WObject* target) const { return accepts_ && accepts_(target); }
  // The target must be one that CanCallOn accepted.
  bool Call(WObject* target, WObject* source, WEventData* data) const {
    return invoke_(storage_, target, source, data);
  }

  friend bool operator==(const WEventHandlerFunction& a, const WEventHandlerFunction& b) {
    return a.invoke_ == b.invoke_ && std::memcmp(a.storage_, b.storage_, sizeof a.storage_) == 0;
  }
  friend bool operator!=(const WEventHandlerFunction& a, const WEventHandlerFunction& b) { return !(a == b); }

 private:
  using Invoker = bool (*)(const unsigned char* storage, WObject* target, WObject* source, WEventData* data);
  using Acceptor = bool (*)(WObject* target);

  template <class T>
  static bool Invoke(const unsigned char* storage, WObject* target, WObject* source, WEventData* data) {
    bool (T::*member)(WObject*, WEventData*);
    std::memcpy(&member, storage, sizeof member);
    return (static_cast<T*>(target)->*member)(source, data);
  }

  template <class T>
  static bool Accepts(WObject* target) {
    return dynamic_cast<T*>(target) != nullptr;
  }

  Invoker invoke_ = nullptr;
  Acceptor accepts_ = nullptr;
  // Room for a member function pointer of any class.
  unsigned char storage_[2 * sizeof(void*) + sizeof(long)] = {};
};
