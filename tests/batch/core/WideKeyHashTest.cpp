#include "batch/core/WideKeyHash.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The exact odds pack a rest above bit 40 and a coordinate below: a 32-bit
// build keeps only the low half of the hash, so the keys must spread over
// a table's buckets by that half alone, whichever half of the key differs.
TEST(WideKeyHash, KeysSpreadOverTheBucketsByTheLowHalfOfTheirHash) {
  constexpr uint64_t kBuckets = 509;
  for (const int shift : {0, 2, 32, 40, 52}) {
    std::set<uint32_t> buckets;
    for (uint64_t key = 0; key < 4096; ++key)
      buckets.insert(static_cast<uint32_t>(WideKeyHash{}(key << shift)) % kBuckets);
    EXPECT_GT(buckets.size(), kBuckets - 9) << "keys that differ from bit " << shift << " on";
  }
}

}  // namespace
