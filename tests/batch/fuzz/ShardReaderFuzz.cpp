// Fuzz target: the reader of shard summaries takes any bytes without
// crashing, hanging, nesting too deep or reading out of bounds; what it
// accepts is a summary that writes itself back the same and merges.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "batch/results/Merge.h"
#include "batch/results/ShardReader.h"
#include "batch/results/SummaryJson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  BatchResult part;
  if (ReadSummary("fuzz.json", bytes, part)) return 0;
  BatchResult again;
  if (ReadSummary("again.json", ResultJson(part).dump(2), again)) __builtin_trap();
  if (ResultJson(again) != ResultJson(part)) __builtin_trap();
  BatchResult whole;
  std::string gaps;
  (void)MergeParts({{"fuzz.json", part}}, true, whole, gaps);
  return 0;
}
