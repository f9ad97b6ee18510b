#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "ui/odds/OddsAnswer.h"

// Computes odds on a thread of its own, one request at a time: a newer
// request stops the one in work and takes its place, so only the newest
// answer is ever given. Whoever asks looks for the answer (TakeAnswer)
// from its own thread; nothing is called back. Destroying the worker stops
// the work and waits for its thread, within a game of the computation.
class OddsWorker {
 public:
  OddsWorker();
  ~OddsWorker();
  OddsWorker(const OddsWorker&) = delete;
  OddsWorker& operator=(const OddsWorker&) = delete;

  // Asks for the odds of these settings; returns the request's number.
  uint64_t Ask(const RunSettings& settings);
  // Drops what was asked: the work in hand stops, no answer comes.
  void Cancel();
  // The answer to the newest request, once, when it is done.
  std::optional<OddsAnswer> TakeAnswer();
  // Whether a request is waiting or in work, and how far the work is.
  bool Busy() const;
  std::string Progress() const;

 private:
  void Work();

  mutable std::mutex lock_;
  std::condition_variable asked_;
  std::optional<RunSettings> waiting_;
  std::optional<OddsAnswer> answer_;
  std::string progress_;
  uint64_t asked_count_ = 0;
  bool working_ = false;
  bool quit_ = false;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};
