#pragma once

#include <cstdint>

// Where the main form takes its times from: the calendar time that seeds
// the generator, and a running millisecond count for showing a session as
// it plays.
class FormClock {
 public:
  virtual ~FormClock() = default;
  virtual int64_t CalendarSeconds() const = 0;
  virtual uint32_t Milliseconds() const = 0;
};

// The system's clock.
const FormClock& SystemClock();
