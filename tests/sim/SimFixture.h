#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "sim/DecimalText.h"
#include "sim/Formatted.h"
#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

// Hands out the raw values it was given; a raw value below 37 is the wheel
// number itself. Runs dry loudly.
class ScriptedNumbers : public NumberSource {
 public:
  void Seed(uint32_t seed) override { seeds.push_back(seed); }
  int32_t Next() override {
    if (values.empty()) {
      ADD_FAILURE() << "scripted numbers ran out";
      return 0;
    }
    const int32_t value = values.front();
    values.pop_front();
    ++drawn;
    return value;
  }

  std::deque<int32_t> values;
  std::vector<uint32_t> seeds;
  int drawn = 0;
};

// A form after the start-up reset, playing scripted numbers.
class SimFixture : public ::testing::Test {
 protected:
  SimFixture() { simulation.reset_settings(); }

  void Set(Control control, const char* text) { form.SetText(control, WString(text)); }
  std::string Text(Control control) const { return form.GetText(control).GetText(); }
  void Spins(std::initializer_list<int32_t> numbers) { scripted.values.insert(scripted.values.end(), numbers); }

  // Writes recorded from now on, starting empty.
  void Record() {
    form.ClearWrites();
    form.SetRecording(true);
  }

  MemoryForm form{1000};
  ScriptedNumbers scripted;
  Simulation simulation{form, scripted};
};

// Numbers by colour, for readable scripts.
constexpr int32_t kRed = 1;
constexpr int32_t kBlack = 2;
constexpr int32_t kBlack2 = 4;
constexpr int32_t kZero = 0;
