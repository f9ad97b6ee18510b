#pragma once

// Root of every framework class. Objects are deleted through this base, so
// the destructor is virtual.
class WObject {
 public:
  WObject() = default;
  WObject(const WObject&) = default;
  WObject& operator=(const WObject&) = default;
  virtual ~WObject() = default;
};
