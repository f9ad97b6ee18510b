#pragma once

#include <cstdint>

// Failures of framework operations, reported as 0x20000000 plus the number
// in the thread's last-error value. The program's string table holds each
// number's text under that number.
enum class WFrameworkError : uint32_t {
  WindowNotCreated = 1,
  WindowAlreadyCreated = 2,
  UserEventNotPosted = 3,
  NoWindow = 4,
  InvalidTargetWindow = 5,
  DragNotStarted = 6,
  RegistryQueryFailed = 7,
};

constexpr uint32_t kFrameworkErrorBase = 0x20000000;

constexpr uint32_t FrameworkErrorCode(WFrameworkError error) {
  return kFrameworkErrorBase + static_cast<uint32_t>(error);
}

// Sets the thread's last-error value to the error's code.
void SetFrameworkError(WFrameworkError error);
