#include "batch/cli/Progress.h"

#include <gtest/gtest.h>

namespace {

TEST(Progress, TimeLeftAtThePaceSoFar) {
  const struct {
    double elapsed;
    int64_t done, of;
    const char* says;
  } cases[] = {{10, 100, 500, "about 40 s left"},
               {0.5, 1, 3, "about 1 s left"},
               {30, 1, 5, "about 2 min left"},
               {3600, 1, 3, "about 2 h left"},
               {5, 0, 500, ""},
               {5, 500, 500, ""}};
  for (const auto& c : cases) EXPECT_EQ(TimeLeft(c.elapsed, c.done, c.of), c.says) << c.done << " of " << c.of;
}

}  // namespace
