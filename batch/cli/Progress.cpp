#include "batch/cli/Progress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "batch/cli/Terminal.h"

Progress::Progress(int64_t total, std::string unit)
    : total_(total), unit_(std::move(unit)), terminal_(ErrorIsTerminal()) {}

Progress::~Progress() {
  if (drawn_) std::fputc('\n', stderr);
}

void Progress::Show(int64_t done, const std::string& note) {
  if (!terminal_) return;
  const std::lock_guard<std::mutex> hold(lock_);
  const Clock::time_point now = Clock::now();
  if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(100)) return;
  last_ = now;
  drawn_ = true;
  std::string line;
  if (total_ > 0) {
    constexpr int64_t kBar = 40;
    const int64_t filled = std::min(done, total_) * kBar / total_;
    line = "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(kBar - filled), ' ') + "] " + std::to_string(done) + "/" +
           std::to_string(total_) + " " + unit_;
  } else {
    line = std::to_string(done) + " " + unit_;
  }
  if (!note.empty()) line += ", " + note;
  // Blanks over what is left of a longer line before, rather than an
  // escape that a Windows console shows as it is.
  const std::size_t width = line.size();
  line.resize(std::max(width, shown_), ' ');
  shown_ = width;
  std::fprintf(stderr, "\r%s", line.c_str());
}

std::string TimeLeft(double elapsed, int64_t done, int64_t of) {
  if (done <= 0 || done >= of || !(elapsed >= 0)) return std::string();
  const double left = elapsed * static_cast<double>(of - done) / static_cast<double>(done);
  if (left < 60) return "about " + std::to_string(static_cast<int64_t>(std::ceil(left))) + " s left";
  if (left < 3600) return "about " + std::to_string(static_cast<int64_t>(std::ceil(left / 60))) + " min left";
  return "about " + std::to_string(static_cast<int64_t>(std::ceil(left / 3600))) + " h left";
}
