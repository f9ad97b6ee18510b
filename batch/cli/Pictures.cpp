#include "batch/cli/Pictures.h"

#include <algorithm>

#include "batch/output/CourseCharts.h"
#include "batch/results/Printed.h"
#include "batch/sampling/SampledRun.h"
#include "batch/settings/RunSettings.h"
#include "sim/GameStep.h"
#include "batch/cli/Written.h"

namespace {

CourseLimits LimitsOf(const RunSettings& settings) {
  const SimSettings& typed = settings;
  return {static_cast<double>(CapitalOf(settings)), typed.min_balance, typed.max_balance};
}

MaybeProblem Write(const std::string& path, const std::string& picture, const char* missing) {
  if (!path.empty() && picture.empty()) return Problem{ProblemKind::BadInput, missing};
  return WriteWhole(path, picture);
}

}  // namespace

FanCourse FanOf(const BatchOptions& options) {
  // A summary in JSON may be merged into a page: it carries the course.
  return options.fan.empty() && options.html.empty() && !options.json ? FanCourse::WhereGameByGame : FanCourse::Always;
}

std::string FanPicture(const BatchResult& result) {
  if (!result.axes.empty() || result.cells.empty()) return std::string();
  std::vector<FanSeries> series;
  for (std::size_t k = 0; k < result.cells.size(); ++k) {
    const CellResult& cell = result.cells[k];
    if (!cell.exact || cell.exact->fan.empty()) return std::string();
    const RunSettings& settings = cell.settings ? *cell.settings : result.settings;
    const std::string name =
        result.compared.empty() ? std::string() : result.compared[static_cast<std::size_t>(result.part_begin) + k];
    series.push_back({name, cell.exact->fan, LimitsOf(settings)});
  }
  const std::string wheel = WheelName(result.cells.front().settings ? *result.cells.front().settings : result.settings);
  const std::string title =
      result.compared.empty()
          ? "The first session's course, exact: the balance after each game (" + wheel + ")"
          : Printed("The first session's course of %zu systems, exact (%s)", series.size(), wheel.c_str());
  return FanChart(series, title);
}

std::string PathsPicture(const BatchResult& result) {
  if (!result.sampled || !result.axes.empty() || !result.compared.empty() || result.blocks.empty()) {
    return std::string();
  }
  const SimSettings& typed = result.settings;
  const int32_t quanta = RulesOf(typed, true).quanta;
  std::vector<SessionPath> paths;
  int64_t total = 0;
  for (const CellResult& cell : result.cells) total += cell.tally ? cell.tally->sessions : 0;
  for (const SeedBlock& block : CellSeeds(result)) {
    for (int64_t seed = block.first; seed <= block.second && paths.size() < kMostPaths; ++seed) {
      const auto wanted = static_cast<int32_t>(kMostPaths - paths.size());
      const RunOutcome run = PlayRun(typed, seed, 0, wanted);
      for (std::size_t k = 0; k < run.courses.size() && paths.size() < kMostPaths; ++k) {
        SessionPath path;
        for (int32_t balance : run.courses[k]) path.balances.push_back(static_cast<double>(balance) / quanta);
        path.ending = RowOf(run.sessions[k].ending).counted;
        paths.push_back(std::move(path));
      }
    }
    if (paths.size() >= kMostPaths) break;
  }
  if (paths.empty()) return std::string();
  const std::string title = Printed("The first %zu of %lld sampled sessions, by how they ended (%s)", paths.size(),
                                    static_cast<long long>(total), WheelName(result.settings).c_str());
  return PathsChart(paths, LimitsOf(result.settings), RulesOf(typed, true).last_game, title);
}

MaybeProblem WriteCoursePictures(const BatchOptions& options, const BatchResult& result) {
  if (!options.fan.empty()) {
    if (MaybeProblem problem =
            Write(options.fan, FanPicture(result),
                  "--fan: these exact odds hold no course of a session (their shards were computed by what was "
                  "wagered; compute them with --exact --fan)")) {
      return problem;
    }
  }
  return Write(options.paths, options.paths.empty() ? std::string() : PathsPicture(result),
               "--paths: this batch played no sessions to draw");
}
