#include "framework/events/WindowsHeadersWin32.h"

#include <ctime>

#include "ui/FormClock.h"

namespace {

class SystemFormClock final : public FormClock {
 public:
  int64_t CalendarSeconds() const override { return static_cast<int64_t>(std::time(nullptr)); }
  uint32_t Milliseconds() const override { return GetTickCount(); }
};

const SystemFormClock kSystemClock;

}  // namespace

const FormClock& SystemClock() { return kSystemClock; }
