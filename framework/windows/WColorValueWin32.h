#pragma once

// A colour as the system draws it, system colours read now. For platform
// code only.
#include "framework/events/WindowsHeadersWin32.h"

#include "framework/windows/WColor.h"

inline COLORREF ColourValue(const WColor& colour) {
  return colour.GetValue([](int32_t number) { return static_cast<uint32_t>(GetSysColor(number)); });
}
