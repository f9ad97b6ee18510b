#pragma once

#include <string>

// A framework consistency check that failed.
struct WAssertionFailure {
  const char* kind = "Assertion Failure - Expecting";
  const char* function = "";
  const char* file = "";
  int line = 0;
  const char* expression = nullptr;  // optional
  const char* message = nullptr;     // optional
};

// The box's title: "<program>: Debug Message [Process <id> Thread <id>]",
// the program's file title cut to 100 characters.
std::string AssertionTitle(const char* program_title, unsigned long process_id, unsigned long thread_id);
std::string AssertionText(const WAssertionFailure& failure);

// Records the report and returns: on Windows to the debugger's output (a
// user of the program is never asked), elsewhere to standard error, after
// which the process ends.
void ReportAssertionFailure(const WAssertionFailure& failure);
// The reports recorded so far in this process.
int AssertionFailures();

// Checks an invariant whose breach would corrupt state; on failure reports
// where and what. The parameters are named apart from the report's fields,
// which the preprocessor would otherwise replace too.
#define W_ASSERT(condition, explanation)       \
  do {                                         \
    if (!(condition)) {                        \
      WAssertionFailure failure_;              \
      failure_.function = __PRETTY_FUNCTION__; \
      failure_.file = __FILE__;                \
      failure_.line = __LINE__;                \
      failure_.expression = #condition;        \
      failure_.message = explanation;          \
      ReportAssertionFailure(failure_);        \
    }                                          \
  } while (false)
