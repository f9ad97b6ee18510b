// The exact sums behind the intervals: products of any signs, their sum in
// any order, decimal digits there and back, and a refusal, never a wrap,
// where a sum would pass 128 bits.
#include "batch/core/WideSum.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(WideSum, ProductsAddUpExactlyAndWriteTheirDigits) {
  struct Case {
    int64_t a, b;
    const char* sum;  // after adding a * b to 0
  };
  const Case cases[] = {
      {0, 0, "0"},
      {-3, 7, "-21"},
      {INT64_MAX, INT64_MAX, "85070591730234615847396907784232501249"},
      {INT64_MIN, INT64_MIN + 1, "85070591730234615856620279821087277056"},
      {INT64_MIN, 1, "-9223372036854775808"},
      {4294967296, 4294967296, "18446744073709551616"},
  };
  for (const Case& c : cases) {
    WideSum sum;
    ASSERT_TRUE(sum.AddProduct(c.a, c.b)) << c.sum;
    EXPECT_EQ(sum.Text(), c.sum);
    const std::optional<WideSum> back = WideSum::FromText(c.sum);
    ASSERT_TRUE(back.has_value()) << c.sum;
    EXPECT_EQ(*back, sum) << c.sum;
    EXPECT_DOUBLE_EQ(sum.Value(), static_cast<double>(c.a) * static_cast<double>(c.b)) << c.sum;
  }
}

TEST(WideSum, AnyOrderAndGroupingGivesTheSameSum) {
  const int64_t values[] = {INT64_MAX, -5, 3037000499, -INT64_MAX, 12, INT64_MIN + 7};
  WideSum forward, halves_first, halves_second;
  for (const int64_t v : values) ASSERT_TRUE(forward.AddProduct(v, 3));
  for (int k = 5; k >= 0; --k) ASSERT_TRUE((k < 3 ? halves_first : halves_second).AddProduct(values[k], 3));
  ASSERT_TRUE(halves_second.Add(halves_first));
  EXPECT_EQ(forward, halves_second);
  // 3 * (INT64_MIN + 7 - 5 + 12 + 3037000499), past what 64 bits hold.
  EXPECT_EQ(forward.Text(), "-27670116101453325885");
}

TEST(WideSum, ASumBeyond128BitsIsRefusedAndLeftAsItWas) {
  WideSum sum;
  ASSERT_TRUE(sum.AddProduct(INT64_MIN, INT64_MIN + 1));  // 2^126 - 2^63
  ASSERT_TRUE(sum.AddProduct(INT64_MIN, INT64_MIN + 1));  // 2^127 - 2^64
  const std::string before = sum.Text();
  EXPECT_FALSE(sum.AddProduct(INT64_MIN, INT64_MIN + 1));
  EXPECT_EQ(sum.Text(), before);
  EXPECT_FALSE(sum.AddProduct(INT64_MIN, INT64_MIN));  // 2^126 alone fits, but not on top
  WideSum other = sum;
  EXPECT_FALSE(sum.Add(other));
  EXPECT_EQ(sum.Text(), before);
}

TEST(WideSum, OnlyTheDigitsOfASumAreRead) {
  for (const char* text : {"", "-", "+1", "01", "1e5", " 1", "12a", "170141183460469231731687303715884105728"}) {
    EXPECT_FALSE(WideSum::FromText(text).has_value()) << '"' << text << '"';
  }
  EXPECT_EQ(WideSum::FromText("170141183460469231731687303715884105727")->Text(),
            "170141183460469231731687303715884105727");
}

}  // namespace
