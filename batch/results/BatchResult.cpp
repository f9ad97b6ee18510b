#include "batch/results/BatchResult.h"

#include "batch/settings/Systems.h"
#include "sim/DecimalText.h"

int64_t DomainSize(const BatchResult& result) {
  if (!result.axes.empty()) return SweepCellCount(result.axes);
  if (!result.compared.empty()) return static_cast<int64_t>(result.compared.size());
  return result.sampled ? result.runs : 1;
}

std::pair<int64_t, int64_t> PartBlock(int64_t count, int64_t index, int64_t parts) {
  return {count * (index - 1) / parts, count * index / parts};
}

std::vector<SeedBlock> CellSeeds(const BatchResult& result) {
  if (!result.axes.empty() || !result.compared.empty()) {
    return {{result.first_seed, result.first_seed + result.runs - 1}};
  }
  std::vector<SeedBlock> seeds;
  for (const auto& [begin, end] : result.blocks) {
    seeds.emplace_back(result.first_seed + begin, result.first_seed + end - 1);
  }
  return seeds;
}

std::string WheelName(const RunSettings& settings) {
  if (settings.double_zero) return "double-zero wheel";
  if (settings.zero_rule == ZeroRule::Lose) return "single-zero wheel";
  return std::string("single-zero wheel, zero rule ") + SpecOf(settings.zero_rule).name;
}

std::string SystemName(const RunSettings& settings) {
  const BetSystem system = settings.system;
  if (system == BetSystem::Labouchere || system == BetSystem::ReverseLabouchere) {
    return std::string(SpecOf(system).name) + ", line " + NamedValue(settings, "line");
  }
  if (system != BetSystem::Rows) return SpecOf(system).name;
  // A preset of the rows by its name while the rows are its own.
  const bool preset = settings.preset && settings.wins_follow_preset && settings.losses_follow_preset;
  return preset ? std::string(settings.preset->name) + " (the progression rows)" : "the progression rows";
}

std::string PlayedName(const RunSettings& settings) { return SystemName(settings) + "; " + WheelName(settings); }

int32_t CapitalOf(const RunSettings& settings) { return TruncateToInt32(settings.capital); }

BatchResult ComparedBatch(const BatchResult& comparison, const CellResult& cell) {
  BatchResult one;
  one.settings = *cell.settings;
  one.first_seed = comparison.first_seed;
  // What was computed of this system: a system whose exact odds were out
  // of reach stands sampled in an exact comparison.
  one.sampled = cell.tally.has_value();
  one.exact = cell.exact.has_value();
  one.runs = cell.tally ? cell.tally->runs : 0;
  one.confidence = comparison.confidence;
  one.spins_per_hour = comparison.spins_per_hour;
  if (cell.tally) {  // how far its runs were to be precise
    one.precision = comparison.precision;
    one.precise = comparison.precise;
  }
  one.part_end = DomainSize(one);
  one.blocks = {{0, one.part_end}};
  one.cells.push_back(cell);
  one.cells.front().settings.reset();
  return one;
}

bool SampledInstead(const BatchResult& comparison, const CellResult& cell) { return comparison.exact && !cell.exact; }
