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
  // Taken and given back only by the scopes below.
  void Enter();
  void Leave();
  // Waits until the caller is the only one running.
  void BeAlone();
  void DoneAlone();

 public:
  // Entered for its lifetime (Running), or the only one running, within
  // a Running (Alone).
  template <void (AloneWhenNeeded::*kBegin)(), void (AloneWhenNeeded::*kEnd)()>
  class Scope {
   public:
    explicit Scope(AloneWhenNeeded& shared) : shared_(shared) { (shared_.*kBegin)(); }
    ~Scope() { (shared_.*kEnd)(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    AloneWhenNeeded& shared_;
  };
  using Running = Scope<&AloneWhenNeeded::Enter, &AloneWhenNeeded::Leave>;
  using Alone = Scope<&AloneWhenNeeded::BeAlone, &AloneWhenNeeded::DoneAlone>;

 private:
  std::mutex lock_;
  std::condition_variable changed_;
  int running_ = 0;
  bool alone_wanted_ = false;
};
