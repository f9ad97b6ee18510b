#include "batch/cli/Solve.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "batch/output/Page.h"
#include "batch/cli/PlayCell.h"
#include "batch/output/Written.h"
#include "batch/core/Numbers.h"
#include "batch/core/Version.h"
#include "batch/output/StandardOutput.h"
#include "batch/results/Figures.h"
#include "batch/results/Printed.h"
#include "batch/results/SummaryJson.h"
#include "batch/settings/Sweep.h"
#include "sim/SettingTable.h"

namespace {

constexpr int kFirstValues = 9;

struct Question {
  std::string setting;
  int64_t from = 0;
  int64_t to = 0;
  const FigureSpec* figure = nullptr;
  bool at_most = true;  // FIGURE<=VALUE, else FIGURE>=VALUE
  double bound = 0;
  bool largest = false;
};

MaybeProblem Wrong(const std::string& text) { return Problem{ProblemKind::BadInput, text}; }

// NAME[=FROM:TO]: a numeric setting, over the whole values of its range or
// of FROM to TO within it.
MaybeProblem ReadSetting(const std::string& text, Question& q) {
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
MaybeProblem ReadBound(const std::string& text, Question& q) {
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
  Search(const Question& q, const RunSettings& settings, int64_t jobs) : q_(q), settings_(settings), jobs_(jobs) {}

  // The figure at a value, computed once.
  MaybeProblem At(int64_t value, double& figure) {
    if (const auto found = tried_.find(value); found != tried_.end()) {
      figure = found->second;
      return std::nullopt;
    }
    RunSettings settings = settings_;
    if (MaybeProblem problem = SetNumber(settings, q_.setting, static_cast<double>(value))) {
      return Problem{problem->kind, "--solve: " + q_.setting + " " + problem->text};
    }
    std::optional<ExactRun> exact;
    if (MaybeProblem problem = ComputeExact(settings, jobs_, FanCourse::None, exact)) {
      return Problem{problem->kind, "--solve: at " + q_.setting + "=" + std::to_string(value) + ": " + problem->text};
    }
    figure = Of(ExactFigureValues(*exact), q_.figure->figure);
    tried_[value] = figure;
    return std::nullopt;
  }
  bool Meets(double figure) const { return q_.at_most ? figure <= q_.bound : figure >= q_.bound; }

  // The answer, or none; the values tried meanwhile.
  MaybeProblem Run(std::optional<int64_t>& answer) {
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
      meets.push_back(Meets(figure));
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
      (Meets(figure) ? good : bad) = middle;
    }
    answer = good;
    return std::nullopt;
  }

  // Whether the figures tried rise, or fall, with the value throughout.
  bool Monotone() const {
    bool rises = true;
    bool falls = true;
    for (auto it = tried_.begin(); std::next(it) != tried_.end(); ++it) {
      const double step = std::next(it)->second - it->second;
      rises = rises && step >= -1e-12;
      falls = falls && step <= 1e-12;
    }
    return rises || falls;
  }
  const std::map<int64_t, double>& Tried() const { return tried_; }

 private:
  const Question& q_;
  const RunSettings& settings_;
  int64_t jobs_;
  std::map<int64_t, double> tried_;
};

std::string SolveText(const Question& q, const Search& search, const std::optional<int64_t>& answer) {
  const char* relation = q.at_most ? "<=" : ">=";
  std::string out = Printed("the %s %s from %lld to %lld with %s %s %.10g, by the exact odds\n",
                            q.largest ? "largest" : "smallest", q.setting.c_str(), static_cast<long long>(q.from),
                            static_cast<long long>(q.to), q.figure->key, relation, q.bound);
  out += Printed("%18s %18s\n", q.setting.c_str(), q.figure->key);
  for (const auto& [value, figure] : search.Tried()) {
    out += Printed("%18lld %18.6f%s\n", static_cast<long long>(value), figure, search.Meets(figure) ? "  meets" : "");
  }
  if (!search.Monotone()) {
    out += "the figure is not monotone in " + q.setting +
           " over the values tried: a value the search passed over may meet the bound as well\n";
  }
  if (answer) {
    return out + Printed("answer: %s=%lld (%s %.6f)\n", q.setting.c_str(), static_cast<long long>(*answer),
                         q.figure->key, search.Tried().at(*answer));
  }
  return out + Printed("answer: no %s from %lld to %lld has %s %s %.10g\n", q.setting.c_str(),
                       static_cast<long long>(q.from), static_cast<long long>(q.to), q.figure->key, relation, q.bound);
}

Json SolveJson(const Question& q, const Search& search, const std::optional<int64_t>& answer,
               const RunSettings& settings) {
  Json tried = Json::array();
  for (const auto& [value, figure] : search.Tried()) tried.push_back({{"value", value}, {"figure", figure}});
  Json solve = {{"setting", q.setting},
                {"value", answer ? Json(*answer) : Json(nullptr)},
                {"figure", q.figure->key},
                {"relation", q.at_most ? "<=" : ">="},
                {"bound", q.bound},
                {"largest", q.largest},
                {"from", q.from},
                {"to", q.to},
                {"monotone", search.Monotone()},
                {"tried", tried}};
  return {{"solve", solve}, {"settings", SettingsJson(settings)}, {"version", kProgramVersion}};
}

std::string SolvePage(const Question& q, const Search& search, const std::optional<int64_t>& answer,
                      const RunSettings& settings) {
  const char* relation = q.at_most ? "&le;" : "&ge;";
  std::string question = Printed(
      "<p>The %s value of <code>%s</code> from %lld to %lld for which <code>%s</code> %s %.10g "
      "(%s), by the exact odds.</p>\n",
      q.largest ? "largest" : "smallest", q.setting.c_str(), static_cast<long long>(q.from),
      static_cast<long long>(q.to), q.figure->key, relation, q.bound, HtmlEscaped(q.figure->title).c_str());
  question += answer ? Printed("<p><strong>Answer: %s = %lld</strong> (%s %.6f).</p>\n", q.setting.c_str(),
                               static_cast<long long>(*answer), q.figure->key, search.Tried().at(*answer))
                     : std::string("<p><strong>No value of the range meets the bound.</strong></p>\n");
  if (!search.Monotone()) {
    question += "<p class=\"note\">The figure is not monotone in " + q.setting +
                " over the values tried: a value the search passed over may meet the bound as well.</p>\n";
  }
  std::vector<std::vector<std::string>> rows;
  for (const auto& [value, figure] : search.Tried()) {
    rows.push_back({std::to_string(value), Printed("%.6f", figure), search.Meets(figure) ? "meets" : ""});
  }
  const std::vector<PageSection> sections = {
      {"The question", question},
      {"What was tried",
       HtmlTable({"<code>" + q.setting + "</code>", std::string("<code>") + q.figure->key + "</code>", "the bound"},
                 rows)},
      SettingsSection(settings)};
  return HtmlPage("Vantrel: solving for " + q.setting, WheelName(settings) + "; " + kProgramVersion, sections);
}

}  // namespace

MaybeProblem Solve(const BatchOptions& options, const RunSettings& settings, int64_t jobs) {
  Question q;
  q.largest = options.largest;
  if (MaybeProblem problem = ReadSetting(options.solve, q)) return problem;
  if (MaybeProblem problem = ReadBound(options.solve_for, q)) return problem;
  Search search(q, settings, jobs);
  std::optional<int64_t> answer;
  if (MaybeProblem problem = search.Run(answer)) return problem;
  StandardOutput::Write(options.json ? SolveJson(q, search, answer, settings).dump(2) + "\n"
                                     : SolveText(q, search, answer));
  return options.html.empty() ? std::nullopt : WriteWhole(options.html, SolvePage(q, search, answer, settings));
}
