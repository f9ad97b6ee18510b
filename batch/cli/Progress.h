#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>

// A line of progress on standard error, for work that takes more than a
// second, and only where standard error is a terminal: a bar where the
// total is known, else a count. It is drawn at most ten times a second,
// from any thread.
// What is left of work `done` of `of` through after `elapsed` seconds, at
// the pace so far, in words ("about 40 s left", "about 3 min left"); empty
// before anything is done.
std::string TimeLeft(double elapsed, int64_t done, int64_t of);

class Progress {
 public:
  // `unit` names what is counted ("runs", "cells", "games").
  Progress(int64_t total, std::string unit);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  void Show(int64_t done, const std::string& note = std::string());

 private:
  using Clock = std::chrono::steady_clock;

  int64_t total_;
  std::string unit_;
  bool terminal_;
  Clock::time_point start_ = Clock::now();
  Clock::time_point last_{};
  bool drawn_ = false;
  std::size_t shown_ = 0;  // the width of the line drawn last
  std::mutex lock_;
};
