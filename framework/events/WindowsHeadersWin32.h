#pragma once

// The system's headers, with the macros taken back that would rename the
// framework's own names: CreateEvent (an event of the framework) and
// LoadString (a member of WString). Platform files include the system
// through this header only, so every file sees the same names.
#include <windows.h>

#undef CreateEvent
#undef LoadString
