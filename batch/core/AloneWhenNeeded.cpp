#include "batch/core/AloneWhenNeeded.h"

void AloneWhenNeeded::Enter() {
  std::unique_lock<std::mutex> hold(lock_);
  changed_.wait(hold, [&] { return !alone_wanted_; });
  ++running_;
}

void AloneWhenNeeded::Leave() {
  const std::lock_guard<std::mutex> hold(lock_);
  --running_;
  changed_.notify_all();
}

void AloneWhenNeeded::BeAlone() {
  std::unique_lock<std::mutex> hold(lock_);
  // Two that want to be alone would wait for each other: the later one
  // steps out until the earlier one is done.
  while (alone_wanted_) {
    --running_;
    changed_.notify_all();
    changed_.wait(hold, [&] { return !alone_wanted_; });
    ++running_;
  }
  alone_wanted_ = true;
  changed_.wait(hold, [&] { return running_ == 1; });
}

void AloneWhenNeeded::DoneAlone() {
  const std::lock_guard<std::mutex> hold(lock_);
  alone_wanted_ = false;
  changed_.notify_all();
}
