#include <csignal>
#include <unistd.h>

#include "files/TemporaryFiles.h"
#include "files/TemporaryFilesPlatform.h"

namespace TemporaryFiles {

namespace {

void RemoveAndEnd(int signal_number) {
  RemoveAll();
  // Ends as the signal would have ended the program, so that the shell
  // sees it (a closed pipe ends quietly, as the usual tools do).
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

}  // namespace

void RemovePathNow(const char* path) { ::unlink(path); }

void RemoveOnSignals() {
  struct sigaction action {};
  action.sa_handler = &RemoveAndEnd;
  sigemptyset(&action.sa_mask);
  for (int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) sigaction(signal_number, &action, nullptr);
}

}  // namespace TemporaryFiles
