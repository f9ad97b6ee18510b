#include "batch/output/StandardOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace StandardOutput {

namespace {

// The first error a write on standard output gave, or 0.
int first_error = 0;

}  // namespace

void Write(const std::string& text) {
  if (first_error != 0) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) first_error = errno != 0 ? errno : EIO;
}

std::string Finish() {
  errno = 0;
  if (std::fflush(stdout) != 0 && first_error == 0) first_error = errno != 0 ? errno : EIO;
  if (std::ferror(stdout) && first_error == 0) first_error = EIO;
  if (first_error == EPIPE) return kClosed;
  if (first_error != 0) return std::strerror(first_error);
  if (std::fflush(stderr) != 0 || std::ferror(stderr)) return kClosed;  // nowhere left to say it
  return {};
}

}  // namespace StandardOutput
