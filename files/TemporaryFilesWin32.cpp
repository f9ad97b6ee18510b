#include "framework/events/WindowsHeadersWin32.h"

#include "files/TemporaryFiles.h"
#include "files/TemporaryFilesPlatform.h"

namespace TemporaryFiles {

namespace {

BOOL WINAPI RemoveAndEnd(DWORD) {
  RemoveAll();
  return FALSE;  // the system's own handler ends the program
}

}  // namespace

void RemovePathNow(const char* path) { DeleteFileA(path); }

void RemoveOnSignals() { SetConsoleCtrlHandler(&RemoveAndEnd, TRUE); }

}  // namespace TemporaryFiles
