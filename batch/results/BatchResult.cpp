#include "batch/results/BatchResult.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "batch/results/BatchSummary.h"
#include "batch/output/Heatmap.h"
#include "batch/results/Printed.h"
#include "batch/output/SessionsCsv.h"

const char* const kProgramVersion = "vantrel-batch 1.1";

namespace {

// The figures of a cell, in the order of the sweep's table.
constexpr const char* kFigures[] = {"p_max",
                                    "p_min",
                                    "p_limit",
                                    "p_check",
                                    "p_none",
                                    "mean_final",
                                    "median_final",
                                    "p5_final",
                                    "p95_final",
                                    "p_at_least_capital",
                                    "wagered_per_session",
                                    "result_per_unit"};
constexpr std::size_t kFigureCount = sizeof kFigures / sizeof kFigures[0];
using Figures = std::array<double, kFigureCount>;

Figures ExactFigureValues(const ExactRun& run) {
  const ExactFigures f = FiguresOf(run);
  const double n = run.sessions > 0 ? static_cast<double>(run.sessions) : 1;
  return {run.ended_high / n,
          run.ended_low / n,
          run.ended_limit / n,
          run.ended_check / n,
          run.ended_none / n,
          f.mean,
          f.median,
          f.percentile_5,
          f.percentile_95,
          f.at_least_capital,
          f.wagered_per_session,
          f.result_per_unit};
}

Figures SampledFigureValues(const RunTally& tally, int32_t capital) {
  const BatchSummary s = Summarise(tally);
  const double n = s.sessions > 0 ? static_cast<double>(s.sessions) : 1;
  int64_t at_least = 0;
  for (const auto& [balance, count] : tally.final_balances) {
    if (balance >= capital) at_least += count;
  }
  const double played = s.balances > 0 ? static_cast<double>(s.balances) : 1;
  return {static_cast<double>(s.ended_high) / n,
          static_cast<double>(s.ended_low) / n,
          static_cast<double>(s.ended_limit) / n,
          static_cast<double>(s.ended_check) / n,
          static_cast<double>(s.ended_none) / n,
          s.mean,
          s.median,
          s.percentile_5,
          s.percentile_95,
          static_cast<double>(at_least) / played,
          static_cast<double>(s.wagered) / n,
          s.per_unit};
}

int32_t CapitalOf(const RunSettings& settings) {
  return static_cast<int32_t>(std::stod(NamedValue(settings, "capital")));
}

std::string WheelName(const RunSettings& settings) {
  return NamedValue(settings, "double_zero") == "1" ? "double-zero" : "single-zero";
}

// The seeds of a cell's runs: the blocks of a batch's runs, or every run
// of a sweep's cell.
std::vector<SeedBlock> CellSeeds(const BatchResult& result) {
  if (!result.axes.empty()) return {{result.first_seed, result.first_seed + result.runs - 1}};
  std::vector<SeedBlock> seeds;
  for (const auto& [begin, end] : result.blocks)
    seeds.emplace_back(result.first_seed + begin, result.first_seed + end - 1);
  return seeds;
}

// A cell's JSON: the summary keys of what it holds, and its counts.
Json CellJson(const BatchResult& result, const CellResult& cell) {
  Json out = Json::object();
  if (cell.tally) AddSampled(out, *cell.tally, CellSeeds(result));
  if (result.axes.empty()) out["settings"] = SettingsJson(result.settings);
  if (cell.exact) out["exact"] = ExactJson(*cell.exact);
  Json counts = Json::object();
  if (cell.tally) counts["tally"] = TallyJson(*cell.tally);
  if (cell.exact) counts["exact"] = ExactRunJson(*cell.exact);
  out["counts"] = counts;
  return out;
}

std::string SampledBesideExact(const RunTally& tally, const ExactRun& exact) {
  const BatchSummary s = Summarise(tally);
  const ExactFigures e = FiguresOf(exact);
  const double n = s.sessions > 0 ? static_cast<double>(s.sessions) : 1;
  const double m = exact.sessions > 0 ? static_cast<double>(exact.sessions) : 1;
  std::string out = Printed("%-40s %12s %12s\n", "share of the sessions, or figure", "measured", "exact");
  const auto row = [&out](const char* name, double measured, double expected, const char* format) {
    out += Printed("%-40s ", name) + Printed(format, measured) + " " + Printed(format, expected) + "\n";
  };
  row("ended at max balance or wager limit", static_cast<double>(s.ended_high) / n, exact.ended_high / m, "%12.6f");
  row("ended at min balance", static_cast<double>(s.ended_low) / n, exact.ended_low / m, "%12.6f");
  row("ended at table limit or last game", static_cast<double>(s.ended_limit) / n, exact.ended_limit / m, "%12.6f");
  row("ended by a failed check", static_cast<double>(s.ended_check) / n, exact.ended_check / m, "%12.6f");
  row("ended without a count", static_cast<double>(s.ended_none) / n, exact.ended_none / m, "%12.6f");
  row("final balance, mean", s.mean, e.mean, "%12.2f");
  row("final balance, median", s.median, e.median, "%12.1f");
  row("final balance, 5th percentile", s.percentile_5, e.percentile_5, "%12.1f");
  row("final balance, 95th percentile", s.percentile_95, e.percentile_95, "%12.1f");
  row("wagered a session", static_cast<double>(s.wagered) / n, e.wagered_per_session, "%12.2f");
  row("result per unit wagered", s.per_unit, e.result_per_unit, "%+12.6f");
  return out;
}

std::string ExactText(const ExactRun& run, const std::string& wheel) {
  const ExactFigures f = FiguresOf(run);
  const double n = run.sessions > 0 ? static_cast<double>(run.sessions) : 1;
  std::string out = Printed(
      "exact odds of a run of %lld sessions (independent draws with the generator's number weights, %s wheel)\n",
      static_cast<long long>(run.sessions), wheel.c_str());
  out += Printed("%-40s %12s %14s\n", "expected sessions", "a session", "the run");
  const auto row = [&](const char* name, double total) {
    out += Printed("%-40s %12.6f %14.6f\n", name, total / n, total);
  };
  row("ended at max balance or wager limit", run.ended_high);
  row("ended at min balance", run.ended_low);
  row("ended at table limit or last game", run.ended_limit);
  row("ended by a failed check", run.ended_check);
  row("ended without a count", run.ended_none);
  out += Printed(
      "final balance: mean %.2f, median %.0f, 5th percentile %.0f, 95th percentile %.0f, "
      "at or above the capital %.6f\n",
      f.mean, f.median, f.percentile_5, f.percentile_95, f.at_least_capital);
  out += Printed("wagered: %.2f a session, %.2f the run\n", f.wagered_per_session, run.wagered);
  out += Printed("result per unit wagered: %+.6f\n", f.result_per_unit);
  return out;
}

int64_t DomainSize(const BatchResult& result) {
  if (!result.axes.empty()) return SweepCellCount(result.axes);
  return result.sampled ? result.runs : 1;
}

}  // namespace

double CellFigure(const CellResult& cell, const std::string& figure) {
  const auto at = std::find_if(std::begin(kFigures), std::end(kFigures), [&](const char* f) { return figure == f; });
  const auto index = static_cast<std::size_t>(at - std::begin(kFigures));
  if (cell.exact) return ExactFigureValues(*cell.exact)[index];
  return SampledFigureValues(*cell.tally, 0)[index];
}

Json SweepCellJson(const BatchResult& result, const CellResult& cell) {
  Json values = Json::object();
  for (std::size_t a = 0; a < result.axes.size(); ++a) values[result.axes[a].name] = cell.values[a];
  Json one = {{"values", values}};
  one.update(CellJson(result, cell));
  return one;
}

Json ResultJson(const BatchResult& result) {
  Json out = Json::object();
  if (result.axes.empty()) {
    out = CellJson(result, result.cells.front());
  } else {
    Json axes = Json::array();
    for (const SweepAxis& axis : result.axes) axes.push_back({{"name", axis.name}, {"values", axis.values}});
    out["sweep"] = axes;
    if (result.sampled) out["runs_per_cell"] = result.runs;
    if (result.sampled) out["first_seed"] = result.first_seed;
    out["settings"] = SettingsJson(result.settings);
    Json cells = Json::array();
    for (const CellResult& cell : result.cells) cells.push_back(SweepCellJson(result, cell));
    out["cells"] = cells;
  }
  out["version"] = kProgramVersion;
  Json batch = {
      {"sampled", result.sampled}, {"exact", result.exact}, {"runs", result.runs}, {"first_seed", result.first_seed}};
  out["batch"] = batch;
  if (result.part_count > 1) {
    out["part"] = {{"index", result.part_index},
                   {"count", result.part_count},
                   {"begin", result.part_begin},
                   {"end", result.part_end}};
  }
  return out;
}

std::string MergeParts(const std::vector<NamedPart>& parts, bool allow_gaps, BatchResult& whole, std::string& gaps) {
  std::vector<const NamedPart*> order;
  order.reserve(parts.size());
  for (const NamedPart& part : parts) order.push_back(&part);
  std::stable_sort(order.begin(), order.end(),
                   [](const NamedPart* a, const NamedPart* b) { return a->part.part_begin < b->part.part_begin; });
  const NamedPart& first_named = *order.front();
  const BatchResult& first = first_named.part;
  const Json settings = SettingsJson(first.settings);
  const auto axes_json = [](const BatchResult& r) {
    Json axes = Json::array();
    for (const SweepAxis& axis : r.axes) axes.push_back({axis.name, axis.values});
    return axes;
  };
  whole = first;
  whole.cells.clear();
  whole.blocks.clear();
  for (const NamedPart* named : order) {
    const BatchResult& part = named->part;
    if (SettingsJson(part.settings) != settings || axes_json(part) != axes_json(first) ||
        part.sampled != first.sampled || part.exact != first.exact || part.runs != first.runs ||
        part.first_seed != first.first_seed) {
      return named->file + ": it belongs to another batch (other settings, sweep, runs or seeds)";
    }
    const int64_t covered = whole.blocks.empty() ? 0 : whole.blocks.back().second;
    if (part.part_begin < covered)
      return named->file + ": its " + (first.axes.empty() ? "seeds" : "cells") + " overlap another file's";
    if (!whole.blocks.empty() && part.part_begin == covered) {
      whole.blocks.back().second = part.part_end;
    } else if (part.part_end > part.part_begin) {
      whole.blocks.emplace_back(part.part_begin, part.part_end);
    }
    if (!first.axes.empty()) {
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
    if (merged.exact && ExactRunJson(*merged.exact) != ExactRunJson(*cell.exact)) {
      return named->file + ": its exact odds differ from those of " + first_named.file;
    }
    if (merged.tally && !merged.tally->Add(*cell.tally)) {
      return named->file + ": its counts and the others' together pass what a count holds";
    }
  }
  // What is missing: before, between and after the blocks.
  const int64_t domain = DomainSize(first);
  const char* unit = first.axes.empty() ? "seeds" : "cells";
  const int64_t offset = first.axes.empty() ? first.first_seed : 0;
  int64_t from = 0;
  std::vector<std::string> missing;
  for (const auto& [begin, end] : whole.blocks) {
    if (begin > from)
      missing.push_back(
          Printed("%lld to %lld", static_cast<long long>(offset + from), static_cast<long long>(offset + begin - 1)));
    from = end;
  }
  if (from < domain)
    missing.push_back(
        Printed("%lld to %lld", static_cast<long long>(offset + from), static_cast<long long>(offset + domain - 1)));
  if (whole.blocks.empty()) return first_named.file + ": its part holds no " + unit + "; nothing to merge";
  if (!missing.empty()) {
    std::string list;
    for (std::size_t k = 0; k < missing.size(); ++k)
      list += (k ? (k + 1 == missing.size() ? " and " : ", ") : "") + missing[k];
    gaps = std::string("missing ") + unit + " " + list;
    if (!allow_gaps)
      return std::string("the files leave out ") + unit + " " + list + " (--allow-gaps merges them anyway)";
  }
  whole.part_index = whole.part_count = 1;
  whole.part_begin = whole.blocks.front().first;
  whole.part_end = whole.blocks.back().second;
  return std::string();
}

std::string ResultText(const BatchResult& result) {
  if (!result.axes.empty()) {
    std::string out = SweepTextHead(result, static_cast<int64_t>(result.cells.size()));
    for (const CellResult& cell : result.cells) out += SweepTextRow(cell);
    return out;
  }
  const CellResult& cell = result.cells.front();
  std::string out;
  if (cell.tally) out += FormatSummary(Summarise(*cell.tally), CellSeeds(result));
  if (cell.exact && cell.tally) return out + SampledBesideExact(*cell.tally, *cell.exact);
  if (cell.exact) out += ExactText(*cell.exact, WheelName(result.settings));
  return out;
}

std::string SweepTextHead(const BatchResult& result, int64_t cells) {
  std::string out = "sweep of ";
  for (std::size_t a = 0; a < result.axes.size(); ++a) out += (a ? " and " : "") + result.axes[a].name;
  out +=
      Printed(", %lld cells, %s\n", static_cast<long long>(cells),
              result.exact ? "exact odds" : Printed("%lld runs a cell", static_cast<long long>(result.runs)).c_str());
  for (const SweepAxis& axis : result.axes) out += Printed("%18s ", axis.name.c_str());
  for (const char* figure : {"p_max", "p_min", "p_limit", "mean_final", "result_per_unit"}) {
    out += Printed("%16s", figure);
  }
  return out + "\n";
}

std::string SweepTextRow(const CellResult& cell) {
  std::string out;
  for (double value : cell.values) out += Printed("%18s ", SweptValue(value).c_str());
  return out + Printed("%16.6f%16.6f%16.6f%16.2f%+16.6f\n", CellFigure(cell, "p_max"), CellFigure(cell, "p_min"),
                       CellFigure(cell, "p_limit"), CellFigure(cell, "mean_final"),
                       CellFigure(cell, "result_per_unit"));
}

std::string SweepTableHead(const BatchResult& result) {
  std::string csv;
  for (const SweepAxis& axis : result.axes) csv += CsvField(axis.name) + ",";
  std::string header;
  for (const char* figure : kFigures) header += std::string(",") + figure;
  csv += header.substr(1);
  if (result.sampled && result.exact) {
    for (const char* figure : kFigures) csv += std::string(",exact_") + figure;
  }
  return csv + "\r\n";
}

std::string SweepTableRow(const BatchResult& result, const CellResult& cell) {
  std::string csv;
  for (double value : cell.values) csv += SweptValue(value) + ",";
  const Figures first =
      cell.tally ? SampledFigureValues(*cell.tally, CapitalOf(result.settings)) : ExactFigureValues(*cell.exact);
  std::string row;
  for (double value : first) row += Printed(",%.10g", value);
  if (result.sampled && result.exact) {
    for (double value : ExactFigureValues(*cell.exact)) row += Printed(",%.10g", value);
  }
  return csv + row.substr(1) + "\r\n";
}

std::string SweepHeatmapOf(const BatchResult& result, const std::vector<std::vector<double>>& grid,
                           const std::string& figure) {
  const HeatmapAxis across{result.axes[0].name, result.axes[0].values};
  const HeatmapAxis up{result.axes[1].name, result.axes[1].values};
  const std::string sessions = NamedValue(result.settings, "session_count");
  const std::string subtitle =
      (result.exact ? "exact odds" : Printed("%lld sampled runs a cell", static_cast<long long>(result.runs))) +
      ", runs of " + sessions + " sessions; the other settings as given";
  return Heatmap(across, up, grid, figure, subtitle);
}
