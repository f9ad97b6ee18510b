#include "batch/results/Merge.h"

#include <algorithm>

#include "batch/results/Printed.h"
#include "batch/results/SummaryJson.h"

MaybeProblem MergeParts(const std::vector<NamedPart>& parts, bool allow_gaps, BatchResult& whole, std::string& gaps) {
  std::vector<const NamedPart*> order;
  order.reserve(parts.size());
  for (const NamedPart& part : parts) order.push_back(&part);
  std::stable_sort(order.begin(), order.end(), [](const NamedPart* a, const NamedPart* b) {
    // An empty part (more shards than cells) comes before
    // the part that starts where it lies.
    return std::pair(a->part.part_begin, a->part.part_end) < std::pair(b->part.part_begin, b->part.part_end);
  });
  const NamedPart& first_named = *order.front();
  const BatchResult& first = first_named.part;
  const Json settings = SettingsJson(first.settings);
  const auto axes_json = [](const BatchResult& r) {
    Json axes = Json::array();
    for (const SweepAxis& axis : r.axes) axes.push_back({axis.name, axis.values});
    return axes;
  };
  // A sweep's or a comparison's parts hold cells; a batch's parts, runs.
  const bool of_cells = !first.axes.empty() || !first.compared.empty();
  whole = first;
  whole.cells.clear();
  whole.blocks.clear();
  for (const NamedPart* named : order) {
    const BatchResult& part = named->part;
    if (SettingsJson(part.settings) != settings || axes_json(part) != axes_json(first) ||
        part.compared != first.compared || part.compared_files != first.compared_files ||
        part.sampled != first.sampled || part.exact != first.exact || part.runs != first.runs ||
        part.first_seed != first.first_seed) {
      return Problem{ProblemKind::Unreadable,
                     named->file + ": it belongs to another batch (other settings, sweep, systems, runs or seeds)"};
    }
    const int64_t covered = whole.blocks.empty() ? 0 : whole.blocks.back().second;
    if (part.part_begin < covered)
      return Problem{ProblemKind::Unreadable,
                     named->file + ": its " + (of_cells ? "cells" : "seeds") + " overlap another file's"};
    if (!whole.blocks.empty() && part.part_begin == covered) {
      whole.blocks.back().second = part.part_end;
    } else if (part.part_end > part.part_begin) {
      whole.blocks.emplace_back(part.part_begin, part.part_end);
    }
    if (of_cells) {
      whole.cells.insert(whole.cells.end(), part.cells.begin(), part.cells.end());
      continue;
    }
    if (whole.cells.empty()) {
      whole.cells.push_back(part.cells.front());
      continue;
    }
    CellResult& merged = whole.cells.front();
    const CellResult& cell = part.cells.front();
    // Every shard of one batch computes the same exact odds.
    if (merged.exact && (ExactRunJson(*merged.exact) != ExactRunJson(*cell.exact) ||
                         FanJson(merged.exact->fan, 1) != FanJson(cell.exact->fan, 1))) {
      return Problem{ProblemKind::Unreadable,
                     named->file + ": its exact odds differ from those of " + first_named.file};
    }
    if (merged.tally && !merged.tally->Add(*cell.tally)) {
      return Problem{ProblemKind::Unreadable,
                     named->file + ": its counts and the others' together pass what a count holds"};
    }
  }
  // What is missing: before, between and after the blocks.
  const int64_t domain = DomainSize(first);
  const char* unit = of_cells ? "cells" : "seeds";
  const int64_t offset = of_cells ? 0 : first.first_seed;
  int64_t from = 0;
  std::vector<std::string> missing;
  for (const auto& [begin, end] : whole.blocks) {
    if (begin > from)
      missing.push_back(
          Printed("%lld to %lld", static_cast<long long>(offset) + from, static_cast<long long>(offset) + begin - 1));
    from = end;
  }
  if (from < domain)
    missing.push_back(
        Printed("%lld to %lld", static_cast<long long>(offset) + from, static_cast<long long>(offset) + domain - 1));
  if (whole.blocks.empty())
    return Problem{ProblemKind::Unreadable, first_named.file + ": its part holds no " + unit + "; nothing to merge"};
  if (!missing.empty()) {
    std::string list;
    for (std::size_t k = 0; k < missing.size(); ++k)
      list += (k ? (k + 1 == missing.size() ? " and " : ", ") : "") + missing[k];
    gaps = std::string("missing ") + unit + " " + list;
    if (!allow_gaps)
      return Problem{ProblemKind::Unreadable,
                     std::string("the files leave out ") + unit + " " + list + " (--allow-gaps merges them anyway)"};
  }
  whole.part_index = whole.part_count = 1;
  whole.part_begin = whole.blocks.front().first;
  whole.part_end = whole.blocks.back().second;
  return std::nullopt;
}
