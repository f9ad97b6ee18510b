#include "batch/BatchResult.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "batch/BatchSummary.h"
#include "batch/Heatmap.h"
#include "batch/Printed.h"
#include "batch/SessionsCsv.h"

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

// A cell's JSON: the summary keys of what it holds, and its counts.
Json CellJson(const BatchResult& result, const CellResult& cell) {
  Json out = Json::object();
  if (cell.tally) {
    AddSampled(out, *cell.tally, result.first_seed + (result.axes.empty() ? result.part_begin : 0),
               result.first_seed + (result.axes.empty() ? result.part_end : result.runs) - 1);
  }
  if (result.axes.empty()) out["settings"] = SettingsJson(result.settings);
  if (cell.exact) out["exact"] = ExactJson(*cell.exact);
  Json counts = Json::object();
  if (cell.tally) counts["tally"] = TallyJson(*cell.tally);
  if (cell.exact) counts["exact"] = ExactRunJson(*cell.exact);
  out["counts"] = counts;
  return out;
}

std::string SettingsFromJson(const Json& json, RunSettings& settings) {
  settings = ResetDefaults();
  for (const auto& [name, value] : json.items()) {
    std::string text;
    if (value.is_array()) {
      for (const Json& entry : value) text += (text.empty() ? "" : ",") + std::to_string(entry.get<int64_t>());
    } else if (value.is_boolean()) {
      text = value.get<bool>() ? "1" : "0";
    } else {
      text = SweptValue(value.get<double>());
    }
    const std::string problem = SetNamed(settings, name + "=" += text);
    if (!problem.empty()) return "its settings are not this program's: " + problem;
  }
  return std::string();
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

std::string SweepText(const BatchResult& result) {
  std::string out = "sweep of ";
  for (std::size_t a = 0; a < result.axes.size(); ++a) out += (a ? " and " : "") + result.axes[a].name;
  out +=
      Printed(", %lld cells, %s\n", static_cast<long long>(result.cells.size()),
              result.exact ? "exact odds" : Printed("%lld runs a cell", static_cast<long long>(result.runs)).c_str());
  for (const SweepAxis& axis : result.axes) out += Printed("%18s ", axis.name.c_str());
  for (const char* figure : {"p_max", "p_min", "p_limit", "mean_final", "result_per_unit"}) {
    out += Printed("%16s", figure);
  }
  out += "\n";
  for (const CellResult& cell : result.cells) {
    for (double value : cell.values) out += Printed("%18s ", SweptValue(value).c_str());
    out += Printed("%16.6f%16.6f%16.6f%16.2f%+16.6f\n", CellFigure(cell, "p_max"), CellFigure(cell, "p_min"),
                   CellFigure(cell, "p_limit"), CellFigure(cell, "mean_final"), CellFigure(cell, "result_per_unit"));
  }
  return out;
}

int64_t DomainSize(const BatchResult& result) {
  if (!result.axes.empty()) {
    int64_t cells = 1;
    for (const SweepAxis& axis : result.axes) cells *= static_cast<int64_t>(axis.values.size());
    return cells;
  }
  return result.sampled ? result.runs : 1;
}

}  // namespace

double CellFigure(const CellResult& cell, const std::string& figure) {
  const auto at = std::find_if(std::begin(kFigures), std::end(kFigures), [&](const char* f) { return figure == f; });
  const auto index = static_cast<std::size_t>(at - std::begin(kFigures));
  if (cell.exact) return ExactFigureValues(*cell.exact)[index];
  return SampledFigureValues(*cell.tally, 0)[index];
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
    for (const CellResult& cell : result.cells) {
      Json values = Json::object();
      for (std::size_t a = 0; a < result.axes.size(); ++a) values[result.axes[a].name] = cell.values[a];
      Json one = {{"values", values}};
      one.update(CellJson(result, cell));
      cells.push_back(one);
    }
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

std::string ResultFromJson(const Json& json, BatchResult& result) {
  try {
    if (!json.is_object() || !json.contains("version")) return "it is no summary of vantrel-batch";
    const std::string version = json.at("version").get<std::string>();
    if (version != kProgramVersion) return "it comes from another version (" + version + ")";
    const Json& batch = json.at("batch");
    result = BatchResult();
    result.sampled = batch.at("sampled").get<bool>();
    result.exact = batch.at("exact").get<bool>();
    result.runs = batch.at("runs").get<int64_t>();
    result.first_seed = batch.at("first_seed").get<int64_t>();
    std::string problem = SettingsFromJson(json.at("settings"), result.settings);
    if (!problem.empty()) return problem;
    std::vector<const Json*> cells;
    if (json.contains("sweep")) {
      for (const Json& axis : json.at("sweep")) {
        result.axes.push_back({axis.at("name").get<std::string>(), axis.at("values").get<std::vector<double>>()});
      }
      for (const Json& cell : json.at("cells")) cells.push_back(&cell);
    } else {
      cells.push_back(&json);
    }
    for (const Json* cell : cells) {
      CellResult one;
      for (const SweepAxis& axis : result.axes) one.values.push_back(cell->at("values").at(axis.name).get<double>());
      const Json& counts = cell->at("counts");
      if (counts.contains("tally")) one.tally = TallyFromJson(counts.at("tally"));
      if (counts.contains("exact")) one.exact = ExactRunFromJson(counts.at("exact"));
      if ((result.sampled && !one.tally) || (result.exact && !one.exact)) return "a cell lacks its counts";
      result.cells.push_back(one);
    }
    if (json.contains("part")) {
      const Json& part = json.at("part");
      result.part_index = part.at("index").get<int64_t>();
      result.part_count = part.at("count").get<int64_t>();
      result.part_begin = part.at("begin").get<int64_t>();
      result.part_end = part.at("end").get<int64_t>();
    } else {
      result.part_end = DomainSize(result);
    }
    const int64_t expected_cells = result.axes.empty() ? 1 : result.part_end - result.part_begin;
    if (result.part_begin < 0 || result.part_end > DomainSize(result) || result.part_begin > result.part_end ||
        static_cast<int64_t>(result.cells.size()) != expected_cells) {
      return "its part does not fit its batch";
    }
  } catch (const Json::exception& error) {
    return std::string("it is no whole summary (") + error.what() + ")";
  }
  return std::string();
}

std::string MergeParts(const std::vector<NamedPart>& parts, bool allow_gaps, BatchResult& whole, std::string& gaps) {
  std::vector<const NamedPart*> order;
  order.reserve(parts.size());
  for (const NamedPart& part : parts) order.push_back(&part);
  std::sort(order.begin(), order.end(),
            [](const NamedPart* a, const NamedPart* b) { return a->part.part_begin < b->part.part_begin; });
  const BatchResult& first = order.front()->part;
  const Json settings = SettingsJson(first.settings);
  const auto axes_json = [](const BatchResult& r) {
    Json axes = Json::array();
    for (const SweepAxis& axis : r.axes) axes.push_back({axis.name, axis.values});
    return axes;
  };
  whole = first;
  whole.cells.clear();
  int64_t covered = 0;
  const char* unit = first.axes.empty() ? "seeds" : "cells";
  const int64_t offset = first.axes.empty() ? first.first_seed : 0;
  for (const NamedPart* named : order) {
    const BatchResult& part = named->part;
    if (SettingsJson(part.settings) != settings || axes_json(part) != axes_json(first) ||
        part.sampled != first.sampled || part.exact != first.exact || part.runs != first.runs ||
        part.first_seed != first.first_seed) {
      return named->file + ": it belongs to another batch (other settings, sweep, runs or seeds)";
    }
    if (part.part_begin < covered) return named->file + ": its " + unit + " overlap another file's";
    if (part.part_begin > covered) {
      const int64_t from = offset + covered;
      const int64_t to = offset + part.part_begin - 1;
      gaps += Printed("%s %lld to %lld; ", unit, static_cast<long long>(from), static_cast<long long>(to));
    }
    covered = part.part_end;
    if (first.axes.empty()) {
      if (whole.cells.empty()) {
        whole.cells.push_back(part.cells.front());
      } else if (part.cells.front().tally) {
        whole.cells.front().tally->Add(*part.cells.front().tally);
      }
    } else {
      whole.cells.insert(whole.cells.end(), part.cells.begin(), part.cells.end());
    }
  }
  if (covered < DomainSize(first)) {
    const int64_t from = offset + covered;
    const int64_t to = offset + DomainSize(first) - 1;
    gaps += Printed("%s %lld to %lld; ", unit, static_cast<long long>(from), static_cast<long long>(to));
  }
  if (!gaps.empty()) {
    gaps = "missing " + gaps.substr(0, gaps.size() - 2);
    if (!allow_gaps) return "the files leave out " + gaps.substr(8) + " (--allow-gaps merges them anyway)";
  }
  whole.part_index = whole.part_count = 1;
  whole.part_begin = order.front()->part.part_begin;
  whole.part_end = covered;
  if (gaps.empty()) {
    whole.part_begin = 0;
    whole.part_end = DomainSize(first);
  }
  return std::string();
}

std::string ResultText(const BatchResult& result) {
  if (!result.axes.empty()) return SweepText(result);
  const CellResult& cell = result.cells.front();
  std::string out;
  if (cell.tally) {
    out += FormatSummary(Summarise(*cell.tally), result.first_seed + result.part_begin, cell.tally->runs);
  }
  if (cell.exact && cell.tally) return out + SampledBesideExact(*cell.tally, *cell.exact);
  if (cell.exact) out += ExactText(*cell.exact, WheelName(result.settings));
  return out;
}

std::string SweepTable(const BatchResult& result) {
  std::string csv;
  for (const SweepAxis& axis : result.axes) csv += CsvField(axis.name) + ",";
  const bool both = result.sampled && result.exact;
  std::string header;
  for (const char* figure : kFigures) header += std::string(",") + figure;
  csv += header.substr(1);
  if (both) {
    for (const char* figure : kFigures) csv += std::string(",exact_") + figure;
  }
  csv += "\r\n";
  const int32_t capital = CapitalOf(result.settings);
  for (const CellResult& cell : result.cells) {
    for (double value : cell.values) csv += SweptValue(value) + ",";
    const Figures first = cell.tally ? SampledFigureValues(*cell.tally, capital) : ExactFigureValues(*cell.exact);
    std::string row;
    for (double value : first) row += Printed(",%.10g", value);
    if (both) {
      for (double value : ExactFigureValues(*cell.exact)) row += Printed(",%.10g", value);
    }
    csv += row.substr(1) + "\r\n";
  }
  return csv;
}

std::string SweepHeatmap(const BatchResult& result, const std::string& figure) {
  const HeatmapAxis across{result.axes[0].name, result.axes[0].values};
  const HeatmapAxis up{result.axes[1].name, result.axes[1].values};
  std::vector<std::vector<double>> grid(across.values.size(), std::vector<double>(up.values.size(), NAN));
  for (const CellResult& cell : result.cells) {
    const auto i = std::find(across.values.begin(), across.values.end(), cell.values[0]) - across.values.begin();
    const auto j = std::find(up.values.begin(), up.values.end(), cell.values[1]) - up.values.begin();
    grid[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = CellFigure(cell, figure);
  }
  const std::string sessions = NamedValue(result.settings, "session_count");
  const std::string subtitle =
      (result.exact ? "exact odds" : Printed("%lld sampled runs a cell", static_cast<long long>(result.runs))) +
      ", runs of " + sessions + " sessions; the other settings as given";
  return Heatmap(across, up, grid, figure, subtitle);
}
