#include "batch/cli/Solve.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "batch/cli/PlayCell.h"
#include "batch/output/Written.h"
#include "batch/core/Numbers.h"
#include "batch/output/SolveOutputs.h"
#include "batch/output/StandardOutput.h"
#include "batch/results/SolvedQuestion.h"
#include "batch/results/Figures.h"
#include "sim/SettingTable.h"

namespace {

constexpr int kFirstValues = 9;

MaybeProblem Wrong(const std::string& text) { return Problem{ProblemKind::BadInput, text}; }

// NAME[=FROM:TO]: a numeric setting, over the whole values of its range or
// of FROM to TO within it.
MaybeProblem ReadSetting(const std::string& text, SolvedQuestion& q) {
  const std::size_t equals = text.find('=');
  q.setting = text.substr(0, equals);
  const SettingSpec* item = FindSetting(q.setting);
  if (!IsNumericSetting(q.setting) || !item || item->kind != SettingKind::Number || q.setting == "delay_ms") {
    return Wrong("--solve " + text + ": takes NAME[=FROM:TO] over a numeric setting of the game");
  }
  q.from = static_cast<int64_t>(std::ceil(item->low - item->offset));
  q.to = static_cast<int64_t>(std::floor(item->high - item->offset));
  if (equals == std::string::npos) return std::nullopt;
  const std::string range = text.substr(equals + 1);
  const std::size_t colon = range.find(':');
  int64_t from = 0;
  int64_t to = 0;
  if (colon == std::string::npos || !ReadWhole(range.substr(0, colon), from) ||
      !ReadWhole(range.substr(colon + 1), to) || from > to || from < q.from || to > q.to) {
    return Wrong("--solve " + text + ": takes whole numbers FROM:TO with " + std::to_string(q.from) +
                 " <= FROM <= TO <= " + std::to_string(q.to));
  }
  q.from = from;
  q.to = to;
  return std::nullopt;
}

// FIGURE<=VALUE or FIGURE>=VALUE.
MaybeProblem ReadBound(const std::string& text, SolvedQuestion& q) {
  const std::size_t at = text.find_first_of("<>");
  const bool well_formed = at != std::string::npos && at + 1 < text.size() && text[at + 1] == '=';
  q.figure = well_formed ? FindFigure(text.substr(0, at)) : nullptr;
  if (!q.figure || !ReadNumber(text.substr(at + 2), q.bound)) {
    return Wrong("--for " + text + ": takes FIGURE<=VALUE or FIGURE>=VALUE with a figure of the summary (" +
                 ShowableKeys(", ") + ", ...)");
  }
  q.at_most = text[at] == '<';
  return std::nullopt;
}

class Search {
 public:
  Search(SolvedQuestion& q, int64_t jobs, int64_t budget) : q_(q), jobs_(jobs), budget_(budget) {}

  // The figure at a value, computed once.
  MaybeProblem At(int64_t value, double& figure) {
    if (const auto found = q_.tried.find(value); found != q_.tried.end()) {
      figure = found->second;
      return std::nullopt;
    }
    RunSettings settings = q_.settings;
    if (MaybeProblem problem = SetNumber(settings, q_.setting, static_cast<double>(value))) {
      return Problem{problem->kind, "--solve: " + q_.setting + " " + problem->text};
    }
    std::optional<ExactRun> exact;
    if (MaybeProblem problem = ComputeExact(settings, jobs_, budget_, FanCourse::None, exact)) {
      return Problem{problem->kind, "--solve: at " + q_.setting + "=" + std::to_string(value) + ": " + problem->text};
    }
    figure = Of(ExactFigureValues(*exact), q_.figure->figure);
    q_.tried[value] = figure;
    return std::nullopt;
  }

  // The answer, or none; the values tried meanwhile.
  MaybeProblem Run() {
    std::optional<int64_t>& answer = q_.answer;
    std::vector<int64_t> grid;
    const int64_t span = q_.to - q_.from;
    for (int k = 0; k < kFirstValues; ++k) {
      const int64_t value = q_.from + span * k / (kFirstValues - 1);
      if (grid.empty() || grid.back() != value) grid.push_back(value);
    }
    std::vector<bool> meets;
    for (int64_t value : grid) {
      double figure = 0;
      if (MaybeProblem problem = At(value, figure)) return problem;
      meets.push_back(q_.Meets(figure));
    }
    // The grid's first value that meets the bound (the last, for the
    // largest); the one before it (after it) does not, and the answer
    // lies between the two.
    const auto n = static_cast<int64_t>(grid.size());
    int64_t place = -1;
    for (int64_t k = 0; k < n; ++k) {
      const int64_t at = q_.largest ? n - 1 - k : k;
      if (meets[static_cast<std::size_t>(at)]) {
        place = at;
        break;
      }
    }
    if (place < 0) return std::nullopt;
    const int64_t beyond = q_.largest ? place + 1 : place - 1;
    if (beyond < 0 || beyond >= n) {
      answer = grid[static_cast<std::size_t>(place)];
      return std::nullopt;
    }
    int64_t good = grid[static_cast<std::size_t>(place)];
    int64_t bad = grid[static_cast<std::size_t>(beyond)];
    while (std::llabs(good - bad) > 1) {
      const int64_t middle = bad + (good - bad) / 2;
      double figure = 0;
      if (MaybeProblem problem = At(middle, figure)) return problem;
      (q_.Meets(figure) ? good : bad) = middle;
    }
    answer = good;
    return std::nullopt;
  }

 private:
  SolvedQuestion& q_;
  int64_t jobs_;
  int64_t budget_;
};

}  // namespace

MaybeProblem Solve(const BatchOptions& options, const RunSettings& settings, int64_t jobs) {
  SolvedQuestion q;
  q.largest = options.largest;
  q.settings = settings;
  if (MaybeProblem problem = ReadSetting(options.solve, q)) return problem;
  if (MaybeProblem problem = ReadBound(options.solve_for, q)) return problem;
  Search search(q, jobs, options.exact_memory << 20);
  if (MaybeProblem problem = search.Run()) return problem;
  StandardOutput::Write(options.json ? SolveJsonText(q) : SolveText(q));
  return options.html.empty() ? std::nullopt : WriteWhole(options.html, SolvePage(q));
}
