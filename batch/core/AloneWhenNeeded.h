#pragma once

#include <condition_variable>
#include <mutex>

// Lets computations that share a memory budget run side by side, and one
// that the others left too little run again alone, so that what is
// computed does not depend on how many threads compute it. A computation
// enters before it takes from the budget and leaves when it gave all back.
class AloneWhenNeeded {
 public:
  void Enter();
  void Leave();
  // Waits until the caller is the only one running.
  void BeAlone();
  void DoneAlone();

 private:
  std::mutex lock_;
  std::condition_variable changed_;
  int running_ = 0;
  bool alone_wanted_ = false;
};
