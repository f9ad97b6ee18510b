#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

// Makes items 0 to count - 1 on up to `jobs` threads and hands each to
// `take` in order, one at a time, so that what is made of them is the same
// for any number of threads. An item waits for the earlier ones in a window
// of twice the threads, so memory stays flat. Where the system cannot start
// as many threads as asked, the threads it started do the work. What a
// `make` or `take` throws ends the others and is thrown again here.
template <class Item>
void MakeInOrder(int64_t count, int64_t jobs, const std::function<Item(int64_t)>& make,
                 const std::function<void(int64_t, Item&)>& take) {
  const int64_t threads = std::max<int64_t>(1, std::min(jobs, count));
  const int64_t window = 2 * threads;
  std::mutex lock;
  std::condition_variable taken;
  std::map<int64_t, Item> waiting;
  int64_t claimed = 0;
  int64_t next_to_take = 0;
  std::exception_ptr failure;
  auto work = [&] {
    try {
      for (;;) {
        int64_t index = 0;
        {
          std::unique_lock<std::mutex> hold(lock);
          taken.wait(hold, [&] { return failure || claimed >= count || claimed < next_to_take + window; });
          if (failure || claimed >= count) return;
          index = claimed++;
        }
        Item item = make(index);
        const std::lock_guard<std::mutex> hold(lock);
        waiting.emplace(index, std::move(item));
        for (auto first = waiting.begin(); !failure && first != waiting.end() && first->first == next_to_take;
             first = waiting.begin()) {
          take(first->first, first->second);
          waiting.erase(first);
          ++next_to_take;
        }
        taken.notify_all();
      }
    } catch (...) {
      const std::lock_guard<std::mutex> hold(lock);
      if (!failure) failure = std::current_exception();
      taken.notify_all();
    }
  };
  std::vector<std::thread> pool;
  for (int64_t i = 1; i < threads; ++i) {
    try {
      pool.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // the threads started so far do the work
    }
  }
  work();
  for (std::thread& thread : pool) thread.join();
  if (failure) std::rethrow_exception(failure);
}
