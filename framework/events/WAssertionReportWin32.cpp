#include "framework/events/WindowsHeadersWin32.h"

#include "framework/events/WAssertionReport.h"

namespace {

constexpr UINT kExitOnNo = 0xC000013A;

// The program file's name without its folder.
std::string ProgramTitle() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full(path);
  const auto slash = full.find_last_of("\\/");
  return slash == std::string::npos ? full : full.substr(slash + 1);
}

}  // namespace

void ReportAssertionFailure(const WAssertionFailure& failure) {
  const std::string title = AssertionTitle(ProgramTitle().c_str(), GetCurrentProcessId(), GetCurrentThreadId());
  const std::string text = AssertionText(failure);
  const int answer =
      MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_YESNO | MB_ICONSTOP | MB_TASKMODAL | MB_SETFOREGROUND);
  if (answer == IDNO) ExitProcess(kExitOnNo);
}
