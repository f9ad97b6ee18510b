#include "batch/output/CoursePictures.h"

#include <algorithm>

#include "batch/output/BalanceHistogram.h"
#include "batch/output/CourseCharts.h"
#include "batch/results/Printed.h"
#include "batch/sampling/FirstCourses.h"
#include "batch/settings/RunSettings.h"
#include "sim/GameStep.h"

namespace {

CourseLimits LimitsOf(const RunSettings& settings) {
  return {static_cast<double>(CapitalOf(settings)), settings.min_balance, settings.max_balance};
}

// What a comparison's course chart shows: one system by its name, more by
// their number.
std::string Systems(const std::vector<FanSeries>& series) {
  return series.size() == 1 ? series.front().name : std::to_string(series.size()) + " systems";
}

}  // namespace

std::string FanPicture(const BatchResult& result) {
  if (!result.axes.empty() || result.cells.empty()) return std::string();
  std::vector<FanSeries> series;
  for (std::size_t k = 0; k < result.cells.size(); ++k) {
    const CellResult& cell = result.cells[k];
    // A system sampled in place of its exact odds has no exact course.
    if (SampledInstead(result, cell) && !result.compared.empty()) continue;
    if (!cell.exact || cell.exact->fan.empty()) return std::string();
    const RunSettings& settings = cell.settings ? *cell.settings : result.settings;
    const std::string name =
        result.compared.empty() ? std::string() : result.compared[static_cast<std::size_t>(result.part_begin) + k];
    series.push_back({name, cell.exact->fan, LimitsOf(settings)});
  }
  if (series.empty()) return std::string();
  const RunSettings& first = result.cells.front().settings ? *result.cells.front().settings : result.settings;
  const std::string wheel = WheelName(first);
  const std::string title = result.compared.empty()
                                ? "A session's course, exact: the balance after each game (" + PlayedName(first) + ")"
                                : "A session's course of " + Systems(series) + ", exact (" + wheel +
                                      (series.size() < result.cells.size() ? "; the sampled ones have none)" : ")");
  return FanChart(series, title);
}

std::string PathsPicture(const BatchResult& result) {
  if (!result.sampled || !result.axes.empty() || !result.compared.empty() || result.blocks.empty()) {
    return std::string();
  }
  std::vector<SessionCourse> paths;
  int64_t total = 0;
  for (const CellResult& cell : result.cells) total += cell.tally ? cell.tally->sessions : 0;
  for (const SeedBlock& block : CellSeeds(result)) {
    std::vector<SessionCourse> more =
        FirstCourses(result.settings, block.first, block.second, kMostPaths - paths.size());
    for (SessionCourse& course : more) paths.push_back(std::move(course));
    if (paths.size() >= kMostPaths) break;
  }
  if (paths.empty()) return std::string();
  const std::string title =
      Printed("The first %lld of %lld sampled sessions, by how they ended (%s)", static_cast<long long>(paths.size()),
              static_cast<long long>(total), PlayedName(result.settings).c_str());
  return PathsChart(paths, LimitsOf(result.settings), RulesOf(result.settings, true).last_game, title);
}

std::string HistogramPicture(const BatchResult& result) {
  const CellResult& cell = result.cells.front();
  if (!cell.tally) return std::string();
  const RunSettings& s = result.settings;
  return BalanceHistogram(cell.tally->final_balances, cell.tally->quanta,
                          {static_cast<double>(CapitalOf(s)), s.max_balance, s.min_balance, PlayedName(s)});
}
