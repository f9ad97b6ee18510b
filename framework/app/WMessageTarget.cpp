#include "framework/app/WMessageTarget.h"

#include <mutex>
#include <unordered_map>

namespace {

struct Targets {
  std::mutex lock;
  std::unordered_map<void*, WMessageTarget*> by_window;
};

Targets& TheTargets() {
  static Targets* const targets = new Targets;  // outlives windows of static objects
  return *targets;
}

}  // namespace

void RegisterMessageTarget(void* window, WMessageTarget* target) {
  Targets& targets = TheTargets();
  std::lock_guard<std::mutex> hold(targets.lock);
  targets.by_window[window] = target;
}

void UnregisterMessageTarget(void* window) {
  Targets& targets = TheTargets();
  std::lock_guard<std::mutex> hold(targets.lock);
  targets.by_window.erase(window);
}

WMessageTarget* FindMessageTarget(void* window) {
  Targets& targets = TheTargets();
  std::lock_guard<std::mutex> hold(targets.lock);
  const auto found = targets.by_window.find(window);
  return found == targets.by_window.end() ? nullptr : found->second;
}
