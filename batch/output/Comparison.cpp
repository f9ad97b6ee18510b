#include "batch/output/Comparison.h"

#include "batch/output/SessionsCsv.h"
#include "batch/output/SweepTable.h"
#include "batch/results/Differences.h"
#include "batch/results/Figures.h"
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
    const FigureValues values = exact ? ExactFigureValues(*cell.exact) : SampledFigures(*cell.tally);
    out += Printed("%-24s", result.compared[static_cast<std::size_t>(result.part_begin) + k].c_str());
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

}  // namespace

std::string ComparisonText(const BatchResult& result) {
  std::string out = Printed("comparison of %lld systems on the %s\n", static_cast<long long>(result.compared.size()),
                            WheelName(result.settings).c_str());
  if (result.cells.size() != result.compared.size()) {
    out += Printed("(this part holds %lld of them)\n", static_cast<long long>(result.cells.size()));
  }
  if (result.exact && !result.cells.empty()) {
    out += Printed("exact odds, a session of a run of %lld sessions\n",
                   static_cast<long long>(result.cells.front().exact->sessions));
    out += Rows(result, true);
  }
  if (result.sampled) {
    out += Printed("%ssampled, %lld runs of each, %s\n", result.exact ? "\n" : "", static_cast<long long>(result.runs),
                   SeedsText(CellSeeds(result)).c_str());
    out += PrecisionText(result);
    out += Rows(result, false);
    if (result.cells.size() == result.compared.size()) out += DifferenceLines(result);
  }
  return out;
}

std::string ComparisonTable(const BatchResult& result) {
  std::string csv;
  for (std::size_t k = 0; k < result.cells.size(); ++k) {
    const BatchResult one = ComparedBatch(result, result.cells[k]);
    if (k == 0) csv += "system," + SweepTableHead(one);
    csv += CsvField(result.compared[static_cast<std::size_t>(result.part_begin) + k]) + "," +
           SweepTableRow(one, one.cells.front());
  }
  return csv;
}
