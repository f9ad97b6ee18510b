#pragma once

#include <cstdint>

// Where the wheel and the generator status display take their numbers.
class NumberSource {
 public:
  virtual ~NumberSource() = default;
  virtual void Seed(uint32_t seed) = 0;
  // 0 to 32767.
  virtual int32_t Next() = 0;
};

// Linear congruential generator with 15 output bits.
class NumberGenerator final : public NumberSource {
 public:
  void Seed(uint32_t seed) override { state_ = seed; }
  int32_t Next() override { return Step(state_); }

  uint32_t State() const { return state_; }
  // Moves `state` on and returns bits 16 to 30 of the new state.
  static int32_t Step(uint32_t& state) {
    state = state * 1103515245u + 12345u;
    return static_cast<int32_t>((state >> 16) & 0x7FFF);
  }

 private:
  uint32_t state_ = 1;
};
