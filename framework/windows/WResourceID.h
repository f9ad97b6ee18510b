#pragma once

#include <cstdint>
#include <string>

#include "framework/events/WObject.h"

// A resource by number or by name; both are handed to the system's resource
// functions as they are.
class WResourceID : public WObject {
  W_DECLARE_CLASS(WResourceID, WObject)

 public:
  WResourceID(uint16_t number) : number_(number) {}           // NOLINT: ids are written as numbers
  WResourceID(const char* name) : name_(name ? name : "") {}  // NOLINT: or as names

  bool IsNumber() const { return name_.empty(); }
  uint16_t GetNumber() const { return number_; }
  // What the system's resource functions take: the name, or the number in
  // the low word of a pointer.
  const char* ForSystem() const {
    return IsNumber() ? reinterpret_cast<const char*>(static_cast<uintptr_t>(number_)) : name_.c_str();
  }

 private:
  uint16_t number_ = 0;
  std::string name_;
};
