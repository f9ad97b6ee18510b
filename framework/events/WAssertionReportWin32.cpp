#include "framework/events/WindowsHeadersWin32.h"

#include "framework/events/WAssertionReport.h"

namespace {

int failures = 0;

// The program file's name without its folder.
std::string ProgramTitle() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full(path);
  const auto slash = full.find_last_of("\\/");
  return slash == std::string::npos ? full : full.substr(slash + 1);
}

}  // namespace

// A user of the program is never asked about the program's own checks: the
// report goes to the debugger's output, where a developer sees it, and the
// program goes on as the box's "Yes" did.
void ReportAssertionFailure(const WAssertionFailure& failure) {
  const std::string title = AssertionTitle(ProgramTitle().c_str(), GetCurrentProcessId(), GetCurrentThreadId());
  const std::string text = AssertionText(failure);
  OutputDebugStringA((title + "\n" + text.substr(0, text.rfind("\n\n")) + "\n").c_str());
  ++failures;
}

int AssertionFailures() { return failures; }
