#include "ui/odds/OddsWorker.h"

OddsWorker::OddsWorker() : thread_([this] { Work(); }) {}

OddsWorker::~OddsWorker() {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    quit_ = true;
    stop_ = true;
  }
  asked_.notify_all();
  thread_.join();
}

uint64_t OddsWorker::Ask(const RunSettings& settings) {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    waiting_ = settings;
    answer_.reset();
    progress_.clear();
    stop_ = working_;
    ++asked_count_;
  }
  asked_.notify_all();
  return asked_count_;
}

void OddsWorker::Cancel() {
  const std::lock_guard<std::mutex> hold(lock_);
  waiting_.reset();
  answer_.reset();
  progress_.clear();
  stop_ = true;
}

std::optional<OddsAnswer> OddsWorker::TakeAnswer() {
  const std::lock_guard<std::mutex> hold(lock_);
  std::optional<OddsAnswer> taken = std::move(answer_);
  answer_.reset();
  return taken;
}

bool OddsWorker::Busy() const {
  const std::lock_guard<std::mutex> hold(lock_);
  return working_ || waiting_.has_value();
}

std::string OddsWorker::Progress() const {
  const std::lock_guard<std::mutex> hold(lock_);
  return progress_;
}

void OddsWorker::Work() {
  for (;;) {
    RunSettings settings;
    {
      std::unique_lock<std::mutex> hold(lock_);
      asked_.wait(hold, [this] { return quit_ || waiting_.has_value(); });
      if (quit_) return;
      settings = *waiting_;
      waiting_.reset();
      working_ = true;
      stop_ = false;
    }
    std::optional<OddsAnswer> answer = ComputeOdds(settings, stop_, [this](const std::string& reached) {
      const std::lock_guard<std::mutex> hold(lock_);
      progress_ = reached;
    });
    const std::lock_guard<std::mutex> hold(lock_);
    working_ = false;
    // An answer that a newer request overtook is not given.
    if (answer && !waiting_ && !quit_ && !stop_) answer_ = std::move(answer);
  }
}
