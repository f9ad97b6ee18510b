#include "framework/events/WindowsHeadersWin32.h"

#include "framework/app/WFrameworkError.h"

void SetFrameworkError(WFrameworkError error) { SetLastError(FrameworkErrorCode(error)); }
