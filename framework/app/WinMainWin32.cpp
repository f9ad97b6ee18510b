// The program entry: hands control to the static application object.
#include "framework/events/WindowsHeadersWin32.h"

#include "framework/app/WApplication.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  WApplication* application = WApplication::Current();
  return application ? application->Execute(instance, previous, command_line, show) : -1;
}
