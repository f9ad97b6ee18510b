#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/events/WEventGenerator.h"

// A target whose handlers log their calls and do what a test tells them.
class Listener : public WObject {
  W_DECLARE_CLASS(Listener, WObject)

 public:
  explicit Listener(std::vector<std::string>* log) : log_(log) {}

  bool First(WObject*, WEventData* data) { return Note("first", data); }
  bool Second(WObject*, WEventData* data) { return Note("second", data); }
  bool Third(WObject*, WEventData* data) { return Note("third", data); }
  bool Handles(WObject*, WEventData* data) {
    Note("handles", data);
    return true;
  }
  bool Act(WObject*, WEventData* data) {
    Note("act", data);
    if (action) action(data);
    return false;
  }

  std::function<void(WEventData*)> action;

 private:
  bool Note(const char* name, WEventData* data) {
    log_->push_back(std::string(name) + "#" + std::to_string(data->handler_index));
    return false;
  }
  std::vector<std::string>* log_;
};

class Unrelated : public WObject {
  W_DECLARE_CLASS(Unrelated, WObject)

 public:
  bool Handler(WObject*, WEventData*) { return true; }
};

// A generator and a listener that logs into `log`.
class GeneratorTest : public ::testing::Test {
 protected:
  std::vector<std::string> log;
  Listener listener{&log};
  WEventGenerator generator;
};
