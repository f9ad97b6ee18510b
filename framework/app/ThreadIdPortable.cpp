#include <functional>
#include <thread>

#include "framework/app/WApplication.h"

uint32_t CurrentThreadId() { return static_cast<uint32_t>(std::hash<std::thread::id>()(std::this_thread::get_id())); }
