#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

// Storage of one form (narrow or wide) of a string's text: 64 units inline,
// heap storage beyond that.
template <typename Unit>
class WStringBuffer {
 public:
  static constexpr uint32_t kInlineUnits = 64;

  WStringBuffer() { inline_[0] = 0; }
  WStringBuffer(const WStringBuffer&) = delete;
  WStringBuffer& operator=(const WStringBuffer&) = delete;

  // Prepares room for `units` units, terminator included, and leaves the
  // buffer empty. Returns false when heap storage cannot be had.
  bool MakeRoom(uint32_t units) {
    if (units > capacity_) {
      if (units > kInlineUnits) {
        const uint32_t rounded = (units + kInlineUnits - 1) / kInlineUnits * kInlineUnits;
        std::unique_ptr<Unit[]> heap(new (std::nothrow) Unit[rounded]);
        if (!heap) return false;
        heap_ = std::move(heap);
        data_ = heap_.get();
        capacity_ = rounded;
      } else {
        UseInline();
      }
    }
    initialized_ = true;
    SetLengths(0, 0);
    return true;
  }

  // Makes room for `units` units, terminator included, keeping the text.
  // Grows at least twofold so that repeated appends copy little.
  bool Grow(uint32_t units) {
    if (units <= capacity_) return true;
    const uint32_t wanted = units > 2 * capacity_ ? units : 2 * capacity_;
    const uint32_t rounded = (wanted + kInlineUnits - 1) / kInlineUnits * kInlineUnits;
    std::unique_ptr<Unit[]> heap(new (std::nothrow) Unit[rounded]);
    if (!heap) return false;
    std::copy(data_, data_ + units_ + 1, heap.get());
    heap_ = std::move(heap);
    data_ = heap_.get();
    capacity_ = rounded;
    return true;
  }

  // Gives up the text and any heap storage.
  void Discard() {
    UseInline();
    initialized_ = false;
    SetLengths(0, 0);
  }

  void SetLengths(uint32_t characters, uint32_t units) {
    characters_ = characters;
    units_ = units;
    data_[units] = 0;
  }

  Unit* Data() { return data_; }
  const Unit* Data() const { return data_; }
  uint32_t Capacity() const { return capacity_; }
  uint32_t Characters() const { return characters_; }
  uint32_t Units() const { return units_; }
  bool Initialized() const { return initialized_; }

 private:
  void UseInline() {
    heap_.reset();
    data_ = inline_;
    capacity_ = kInlineUnits;
  }

  bool initialized_ = false;
  uint32_t capacity_ = kInlineUnits;
  uint32_t characters_ = 0;
  uint32_t units_ = 0;
  Unit* data_ = inline_;
  Unit inline_[kInlineUnits];
  std::unique_ptr<Unit[]> heap_;
};
