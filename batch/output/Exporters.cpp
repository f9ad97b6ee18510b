#include "batch/output/Exporters.h"

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
  return HistogramPicture(result);
}

std::string Fan(const BatchResult& result, const OutputChoice&) { return FanPicture(result); }
std::string Paths(const BatchResult& result, const OutputChoice&) { return PathsPicture(result); }
std::string Html(const BatchResult& result, const OutputChoice& choice) { return BatchPage(choice, result); }

// A file an exporter makes: where the choice keeps its path, its bytes from
// the batch (empty: nothing to show), and what a missing picture is called
// (null: nothing is written, and that is no problem).
struct Exporter {
  std::string OutputChoice::*path;
  std::string (*make)(const BatchResult& result, const OutputChoice& choice);
  const char* missing;
};

// In the order they are written.
const Exporter kExporters[] = {
    {&OutputChoice::table, Table, nullptr},
    {&OutputChoice::plot, Plot, nullptr},
    {&OutputChoice::fan, Fan, "--fan: these exact odds hold no course of a session (compute them with --exact --fan)"},
    {&OutputChoice::paths, Paths, "--paths: this batch played no sessions to draw"},
    {&OutputChoice::html, Html, nullptr},
};

}  // namespace

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
