#pragma once

#include <mutex>
#include <vector>

// The one scratch buffer that string formatting and string-table loads
// share across the process, under its lock.
struct FormatScratch {
  std::mutex lock;
  std::vector<char> buffer;

  // Never destroyed: strings of static objects may still format at exit.
  static FormatScratch& Instance() {
    static FormatScratch* const scratch = new FormatScratch;
    return *scratch;
  }
};
