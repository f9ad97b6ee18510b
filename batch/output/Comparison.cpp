#include "batch/output/Comparison.h"

#include "batch/output/SessionsCsv.h"
#include "batch/output/SweepTable.h"
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
    out += Rows(result, false);
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
