#pragma once

#include <cstddef>
#include <cstdint>

// A hash of a 64-bit key for the hash tables of the exact odds. The
// standard library's hash of an integer is the integer itself, cut to the
// width of size_t: on a 32-bit build the upper half of a key is lost, and
// keys that differ only there (a rest packed above bit 32) all fall into
// one bucket. Every bit of the key is mixed into every bit of the hash.
struct WideKeyHash {
  std::size_t operator()(uint64_t key) const {
    key ^= key >> 30;
    key *= 0xbf58476d1ce4e5b9ULL;
    key ^= key >> 27;
    key *= 0x94d049bb133111ebULL;
    key ^= key >> 31;
    return static_cast<std::size_t>(key ^ (key >> 32));
  }
};
