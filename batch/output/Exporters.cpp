#include "batch/output/Exporters.h"

#include "batch/output/BalanceHistogram.h"
#include "batch/output/Comparison.h"
#include "batch/output/CoursePictures.h"
#include "batch/output/Page.h"
#include "batch/output/TextOutput.h"
#include "batch/output/Written.h"
#include "batch/results/SummaryJson.h"

namespace {

std::string Table(const BatchResult& result, const OutputChoice&) {
  return result.compared.empty() ? std::string() : ComparisonTable(result);
}

// The final balances of a run's sessions, or the systems of a comparison
// side by side.
std::string Plot(const BatchResult& result, const OutputChoice&) {
  if (!result.compared.empty()) return result.cells.empty() ? std::string() : ComparisonPlot(result);
  const CellResult& cell = result.cells.front();
  if (!cell.tally) return std::string();
  const RunSettings& s = result.settings;
  return BalanceHistogram(cell.tally->final_balances, cell.tally->quanta,
                          {static_cast<double>(CapitalOf(s)), s.max_balance, s.min_balance});
}

std::string Fan(const BatchResult& result, const OutputChoice&) { return FanPicture(result); }
std::string Paths(const BatchResult& result, const OutputChoice&) { return PathsPicture(result); }
std::string Html(const BatchResult& result, const OutputChoice& choice) { return BatchPage(choice, result); }

}  // namespace

const Exporter kExporters[5] = {
    {"--table", &OutputChoice::table, Table, nullptr},
    {"--plot", &OutputChoice::plot, Plot, nullptr},
    {"--fan", &OutputChoice::fan, Fan,
     "--fan: these exact odds hold no course of a session (their shards were computed by what was wagered; "
     "compute them with --exact --fan)"},
    {"--paths", &OutputChoice::paths, Paths, "--paths: this batch played no sessions to draw"},
    {"--html", &OutputChoice::html, Html, nullptr},
};

std::string StandardText(const BatchResult& result, const OutputChoice& choice) {
  if (choice.json) return ResultJson(result).dump(2) + "\n";
  return result.compared.empty() ? ResultText(result) : ComparisonText(result);
}

MaybeProblem WriteExports(const BatchResult& result, const OutputChoice& choice) {
  for (const Exporter& exporter : kExporters) {
    const std::string& path = choice.*exporter.path;
    if (path.empty()) continue;
    const std::string bytes = exporter.make(result, choice);
    if (bytes.empty() && exporter.missing) return Problem{ProblemKind::BadInput, exporter.missing};
    if (bytes.empty()) continue;
    if (MaybeProblem problem = WriteWhole(path, bytes)) return problem;
  }
  return std::nullopt;
}
