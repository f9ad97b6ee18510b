#include "batch/output/Comparison.h"

#include "batch/output/SessionsCsv.h"
#include "batch/output/SweepTable.h"
#include "batch/results/Differences.h"
#include "batch/results/Figures.h"
#include "batch/results/Intervals.h"
#include "batch/results/Printed.h"
#include "batch/output/TextOutput.h"

namespace {

// The table leaves out only the share at or above the capital, which the
// percentiles show.
bool InTable(const FigureSpec& item) { return item.figure != Figure::PAtLeastCapital; }

int Width(const FigureSpec& item) { return std::max<int>(static_cast<int>(std::string(item.key).size()), 9); }

std::string Cell(const FigureSpec& item, double value) {
  return Printed(" %*s", Width(item), FigureText(item, value).c_str());
}

std::string Rows(const BatchResult& result, bool exact) {
  std::string out = Printed("%-24s", "system");
  for (const FigureSpec& item : kFigures) {
    if (InTable(item)) out += Printed(" %*s", Width(item), item.key);
  }
  out += "\n";
  for (std::size_t k = 0; k < result.cells.size(); ++k) {
    const CellResult& cell = result.cells[k];
    // Where the exact odds were out of reach, the sampled figures stand in.
    const bool exact_here = exact && cell.exact;
    if (exact && !exact_here && result.sampled) continue;  // in the sampled table below
    const FigureValues values = exact_here ? ExactFigureValues(*cell.exact) : SampledFigures(*cell.tally);
    const std::string& name = result.compared[static_cast<std::size_t>(result.part_begin) + k];
    out += Printed("%-24s", (exact && !exact_here ? name + " (sampled)" : name).c_str());
    for (const FigureSpec& item : kFigures) {
      if (InTable(item)) out += Cell(item, Of(values, item.figure));
    }
    out += "\n";
  }
  return out;
}

// A line a pair of systems and figure: which is larger, with the
// difference and its interval, or that the runs cannot tell.
std::string DifferenceLines(const BatchResult& result) {
  const std::vector<Difference> differences = SampledDifferences(result);
  if (differences.empty() || result.cells.size() < 2) return "";
  std::string out = Printed(
      "\ndifferences, the first system's figure less the second's, with %g%% intervals (the systems share their seeds, "
      "but their sessions drift apart, so each pair is weighed as two independent samples: wider where they agree)\n",
      100 * result.confidence);
  const auto name = [&result](std::size_t cell) {
    return result.compared[static_cast<std::size_t>(result.part_begin) + cell];
  };
  for (const Difference& d : differences) {
    const FigureSpec& item = kFigures[static_cast<std::size_t>(d.figure)];
    const std::string verdict = d.clear ? name(d.larger) + " larger" : "no clear difference";
    const auto signed_text = [&item](double value) {
      return Printed(item.figure == Figure::MeanFinal || item.figure == Figure::MeanGames ||
                             item.figure == Figure::WageredPerSession
                         ? "%+.2f"
                         : "%+.5f",
                     value);
    };
    out += name(d.first) + " - " + name(d.second) + ", " + item.key + ": " + signed_text(d.difference) + " (" +
           signed_text(d.interval.low) + " to " + signed_text(d.interval.high) + "): " + verdict + "\n";
  }
  return out;
}

// The systems sampled in place of their exact odds: their runs and each
// figure's interval.
std::string SampledInsteadLines(const BatchResult& result) {
  if (result.sampled) return std::string();
  std::string out;
  for (std::size_t k = 0; k < result.cells.size(); ++k) {
    const CellResult& cell = result.cells[k];
    if (!SampledInstead(result, cell) || !cell.tally) continue;
    if (out.empty()) {
      out = Printed("\nsampled where the exact odds were out of reach, %lld runs (%s), with %g%% intervals:\n",
                    static_cast<long long>(cell.tally->runs), SeedsText(CellSeeds(ComparedBatch(result, cell))).c_str(),
                    100 * result.confidence);
    }
    const FigureIntervals intervals = SampledIntervals(*cell.tally, result.confidence);
    std::string line = result.compared[static_cast<std::size_t>(result.part_begin) + k] + ":";
    for (const FigureSpec& item : kFigures) {
      if (!InTable(item)) continue;
      const Interval& interval = intervals[static_cast<std::size_t>(item.figure)];
      line += std::string(" ") + item.key + " " + FigureText(item, interval.low) + " to " +
              FigureText(item, interval.high) + ";";
    }
    line.back() = '\n';
    out += line;
  }
  return out;
}

const CellResult* FirstExact(const BatchResult& result) {
  for (const CellResult& cell : result.cells) {
    if (cell.exact) return &cell;
  }
  return nullptr;
}

}  // namespace

std::string ComparisonText(const BatchResult& result) {
  std::string out = Printed("comparison of %lld systems on the %s\n", static_cast<long long>(result.compared.size()),
                            WheelName(result.settings).c_str());
  if (result.cells.size() != result.compared.size()) {
    out += Printed("(this part holds %lld of them)\n", static_cast<long long>(result.cells.size()));
  }
  if (result.exact && !result.cells.empty()) {
    const CellResult* first = FirstExact(result);
    out += first ? Printed("exact odds, a session of a run of %lld sessions\n",
                           static_cast<long long>(first->exact->sessions))
                 : std::string("no exact odds within reach\n");
    out += Rows(result, true);
    out += SampledInsteadLines(result);
  }
  if (result.sampled) {
    out += Printed("%ssampled, %lld runs of each, %s\n", result.exact ? "\n" : "", static_cast<long long>(result.runs),
                   SeedsText(CellSeeds(result)).c_str());
    out += PrecisionText(result);
    out += Rows(result, false);
    if (result.cells.size() == result.compared.size()) out += DifferenceLines(result);
  }
  return out + SessionsText(result.settings);
}

std::string ComparisonTable(const BatchResult& result) {
  // A row a system; where some systems stand sampled in an exact
  // comparison, a column says which odds each row gives.
  bool mixed = false, intervals = false;
  for (const CellResult& cell : result.cells) {
    mixed = mixed || SampledInstead(result, cell);
    intervals = intervals || cell.tally.has_value();
  }
  const FigureFieldsOf fields{result.sampled && result.exact, intervals, result.confidence};
  std::string csv = std::string(mixed ? "system,odds," : "system,") + FigureColumns(fields) + "\r\n";
  for (std::size_t k = 0; k < result.cells.size(); ++k) {
    const CellResult& cell = result.cells[k];
    csv += CsvField(result.compared[static_cast<std::size_t>(result.part_begin) + k]) + ",";
    if (mixed) csv += cell.exact ? "exact," : "sampled,";
    csv += FigureFields(fields, cell) + "\r\n";
  }
  return csv;
}
