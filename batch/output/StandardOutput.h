#pragma once

#include <string>

// The program's standard output, every write checked: results go out
// through here, and Finish says whether all of them arrived.
namespace StandardOutput {

void Write(const std::string& text);
// Flushes standard output and standard error. Empty when everything
// written reached both; else the reason ("No space left on device").
// A closed pipe on standard output gives "closed", which ends the program
// quietly, as the usual tools end.
std::string Finish();

constexpr const char* kClosed = "closed";

}  // namespace StandardOutput
