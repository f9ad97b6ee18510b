// Computations that share a memory budget: one that throws (out of memory
// under an address-space limit) still leaves, so one that waits to run
// alone goes on instead of waiting forever.
#include "batch/core/AloneWhenNeeded.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <new>
#include <thread>

namespace {

TEST(AloneWhenNeeded, OneThatThrowsLeavesSoThatAnotherCanRunAlone) {
  AloneWhenNeeded shared;
  std::promise<void> first_in;
  std::promise<void> second_waits;
  auto failing = std::async(std::launch::async, [&] {
    const AloneWhenNeeded::Running running(shared);
    first_in.set_value();
    second_waits.get_future().wait();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // the other is waiting to be alone by now
    throw std::bad_alloc();
  });
  first_in.get_future().wait();
  auto alone = std::async(std::launch::async, [&] {
    const AloneWhenNeeded::Running running(shared);
    second_waits.set_value();
    const AloneWhenNeeded::Alone only(shared);
    return true;
  });
  EXPECT_THROW(failing.get(), std::bad_alloc);
  if (alone.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    ADD_FAILURE() << "the computation that wanted to run alone still waits for one that threw";
    std::_Exit(1);  // its thread can never be joined
  }
  EXPECT_TRUE(alone.get());
}

}  // namespace
