#pragma once

#include <condition_variable>
#include <mutex>

// Lets computations that share a memory budget run side by side, and one
// that the others left too little run again alone, so that what is
// computed does not depend on how many threads compute it. A computation
// enters before it takes from the budget and leaves when it gave all back;
// the scopes below make sure it leaves even where it throws (out of memory
// under an address-space limit), or the others would wait for it forever.
class AloneWhenNeeded {
 public:
  // Entered for its lifetime.
  class Running {
   public:
    explicit Running(AloneWhenNeeded& shared) : shared_(shared) { shared_.Enter(); }
    ~Running() { shared_.Leave(); }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

   private:
    AloneWhenNeeded& shared_;
  };
  // The only one running for its lifetime, within a Running.
  class Alone {
   public:
    explicit Alone(AloneWhenNeeded& shared) : shared_(shared) { shared_.BeAlone(); }
    ~Alone() { shared_.DoneAlone(); }
    Alone(const Alone&) = delete;
    Alone& operator=(const Alone&) = delete;

   private:
    AloneWhenNeeded& shared_;
  };

 private:
  void Enter();
  void Leave();
  // Waits until the caller is the only one running.
  void BeAlone();
  void DoneAlone();

  std::mutex lock_;
  std::condition_variable changed_;
  int running_ = 0;
  bool alone_wanted_ = false;
};
