#include "batch/output/Page.h"

#include <algorithm>

#include "batch/output/CoursePictures.h"
#include "batch/core/Version.h"
#include "batch/output/Exporters.h"
#include "batch/output/Comparison.h"
#include "batch/output/Heatmap.h"
#include "batch/output/SweepOutputs.h"
#include "batch/output/TextOutput.h"
#include "batch/output/Verdict.h"
#include "batch/results/Figures.h"
#include "batch/results/Intervals.h"
#include "batch/results/Printed.h"
#include "batch/settings/Systems.h"

namespace {

// A sampled figure's interval as a page shows it: "low to high".
std::string IntervalText(const FigureSpec& item, const Interval& interval) {
  return FigureText(item, interval.low) + " to " + FigureText(item, interval.high);
}

std::string IntervalHead(double confidence) { return Printed("sampled, %g%% interval", 100 * confidence); }

// The figures of a cell in a table, a row a figure: sampled with its
// interval and exact side by side where both were computed.
std::string FiguresTable(const CellResult& cell, double confidence) {
  std::vector<std::string> head = {"figure", "key"};
  if (cell.tally) head.emplace_back("sampled");
  if (cell.exact) head.emplace_back("exact");
  if (cell.tally) head.push_back(IntervalHead(confidence));
  std::vector<std::vector<std::string>> rows;
  const FigureValues sampled = cell.tally ? SampledFigures(*cell.tally) : FigureValues{};
  const FigureValues exact = cell.exact ? ExactFigureValues(*cell.exact) : FigureValues{};
  const FigureIntervals intervals = cell.tally ? SampledIntervals(*cell.tally, confidence) : FigureIntervals{};
  for (const FigureSpec& item : kFigures) {
    std::vector<std::string> row = {HtmlEscaped(item.title), std::string("<code>") + item.key + "</code>"};
    if (cell.tally) row.push_back(FigureText(item, Of(sampled, item.figure)));
    if (cell.exact) row.push_back(FigureText(item, Of(exact, item.figure)));
    if (cell.tally) row.push_back(IntervalText(item, intervals[static_cast<std::size_t>(item.figure)]));
    rows.push_back(row);
  }
  return HtmlTable(head, rows);
}

// A comparison's table: a row a figure, a column a system, so that up to
// eight systems fit the page; of the exact odds, the sampled figures, or
// the sampled figures' intervals.
enum class Compared { Exact, Sampled, Intervals };

std::string ComparedTable(const BatchResult& result, Compared what) {
  std::vector<std::string> head = {"figure", "key"};
  std::vector<FigureValues> values;
  std::vector<FigureIntervals> intervals;
  for (std::size_t k = 0; k < result.cells.size(); ++k) {
    const CellResult& cell = result.cells[k];
    // A system whose exact odds were out of reach stands sampled in the
    // exact table; one not sampled has no intervals.
    const bool exact = what == Compared::Exact && cell.exact;
    const std::string& name = result.compared[static_cast<std::size_t>(result.part_begin) + k];
    head.push_back(HtmlEscaped(what == Compared::Exact && !exact ? name + " (sampled, interval below)" : name));
    values.push_back(exact        ? ExactFigureValues(*cell.exact)
                     : cell.tally ? SampledFigures(*cell.tally)
                                  : FigureValues{});
    intervals.push_back(cell.tally ? SampledIntervals(*cell.tally, result.confidence) : FigureIntervals{});
    if (what == Compared::Intervals && !cell.tally) head.back() += " (exact)";
  }
  std::vector<std::vector<std::string>> rows;
  for (const FigureSpec& item : kFigures) {
    std::vector<std::string> row = {HtmlEscaped(item.title), std::string("<code>") + item.key + "</code>"};
    const auto index = static_cast<std::size_t>(item.figure);
    for (std::size_t k = 0; k < values.size(); ++k) {
      const bool none = what == Compared::Intervals && !result.cells[k].tally;
      row.push_back(none                          ? std::string()
                    : what == Compared::Intervals ? IntervalText(item, intervals[k][index])
                                                  : FigureText(item, values[k][index]));
    }
    rows.push_back(row);
  }
  return HtmlTable(head, rows);
}

std::string Picture(const std::string& svg, const std::string& note) {
  return InlineSvg(svg) + (note.empty() ? "" : "<p class=\"note\">" + HtmlEscaped(note) + "</p>\n");
}

constexpr const char* kFanNote =
    "Exact: for every game, the balance after it over all the run's sessions (a session that ended keeps its final "
    "balance), as bands from the 5th to the 95th percentile; below, the share of sessions still playing.";

void AddComparison(const BatchResult& result, std::vector<PageSection>& sections) {
  std::string body;
  if (result.exact) body += "<p>Exact odds.</p>\n" + ComparedTable(result, Compared::Exact);
  if (result.sampled) {
    body += Printed("<p>Sampled: %lld runs of each system, ", static_cast<long long>(result.runs)) +
            HtmlEscaped(SeedsText(CellSeeds(result))) + ".</p>\n" + ComparedTable(result, Compared::Sampled);
    body += "<p>The sampled figures' " + Printed("%g%%", 100 * result.confidence) + " intervals.</p>\n" +
            ComparedTable(result, Compared::Intervals);
  } else if (std::any_of(result.cells.begin(), result.cells.end(),
                         [&result](const CellResult& cell) { return SampledInstead(result, cell); })) {
    body += "<p>Sampled where the exact odds were out of reach, with " + Printed("%g%%", 100 * result.confidence) +
            " intervals.</p>\n" + ComparedTable(result, Compared::Intervals);
  }
  sections.push_back({"The systems side by side", body});
  sections.push_back({"Their final balances and endings",
                      Picture(ComparisonPlot(result), "Each system on the same settings otherwise" +
                                                          std::string(result.sampled ? " and the same seeds." : "."))});
  const std::string fan = FanPicture(result);
  if (!fan.empty()) sections.push_back({"The course of a session, system by system", Picture(fan, kFanNote)});
}

}  // namespace

// The verdict's lines after its first as a list, which wraps to the page.
std::string VerdictHtml(const std::string& verdict) {
  std::string items;
  for (std::size_t from = verdict.find('\n') + 1; from < verdict.size();) {
    const std::size_t end = verdict.find('\n', from);
    const std::size_t text = verdict.find_first_not_of(' ', from);
    items += "<li>" + HtmlEscaped(verdict.substr(text, end - text)) + "</li>\n";
    from = end + 1;
  }
  return "<ul>\n" + items + "</ul>\n";
}

PageSection SettingsSection(const RunSettings& settings) {
  // Two settings a row, so that the list takes half the height.
  std::vector<std::vector<std::string>> rows;
  for (const std::string& name : SettingNames()) {
    if (rows.empty() || rows.back().size() == 4) rows.emplace_back();
    // A limit given relative to the capital with what it came to.
    const std::string came_to = CameTo(settings, name);
    rows.back().push_back("<code>" + HtmlEscaped(name) + "</code>");
    rows.back().push_back(HtmlEscaped(NamedValue(settings, name) + (came_to.empty() ? "" : " (" + came_to + ")")));
  }
  rows.back().resize(4);
  std::string sessions = SessionsText(settings);
  sessions.pop_back();  // its line's end
  return {"Settings", "<p class=\"note\">" + HtmlEscaped(sessions) + ".</p>\n" +
                          HtmlTable({"setting", "value", "setting", "value"}, rows)};
}

// What each compared system or settings file played: its system, with its
// line or its rows where it plays them, and its wheel.
PageSection PlayedSection(const BatchResult& result) {
  std::vector<std::vector<std::string>> rows;
  for (std::size_t k = 0; k < result.cells.size(); ++k) {
    const RunSettings& played = result.cells[k].settings ? *result.cells[k].settings : result.settings;
    const bool rows_played = played.system == BetSystem::Rows;
    rows.push_back({HtmlEscaped(result.compared[static_cast<std::size_t>(result.part_begin) + k]),
                    HtmlEscaped(SystemName(played)), HtmlEscaped(WheelName(played)),
                    rows_played ? HtmlEscaped(NamedValue(played, "bet_after_wins")) : "",
                    rows_played ? HtmlEscaped(NamedValue(played, "bet_after_losses")) : ""});
  }
  return {"What each system played",
          HtmlTable({"compared", "system", "wheel", "bet_after_wins", "bet_after_losses"}, rows)};
}

std::string PageSubtitle(const BatchResult& result) {
  std::string what;
  if (result.exact) what = "exact odds";
  if (result.sampled) {
    what += (what.empty() ? "" : " and ") + Printed("%lld sampled runs", static_cast<long long>(result.runs));
  }
  return what + "; " + WheelName(result.settings) + "; " + kProgramVersion;
}

std::string BatchPage(const OutputChoice& choice, const BatchResult& result) {
  std::vector<PageSection> sections;
  if (!result.compared.empty()) {
    AddComparison(result, sections);
    sections.push_back(PlayedSection(result));
    sections.push_back(SettingsSection(result.settings));
    sections.back().title = "Settings the systems were applied to";
    return HtmlPage("Vantrel: " + std::to_string(result.compared.size()) + " systems compared", PageSubtitle(result),
                    sections);
  }
  const CellResult& cell = result.cells.front();
  sections.push_back({"In short", VerdictHtml(VerdictText(result, cell))});
  std::string summary = FiguresTable(cell, result.confidence);
  if (cell.tally) summary += "<p class=\"note\">Sampled: " + HtmlEscaped(SeedsText(CellSeeds(result))) + ".</p>\n";
  sections.push_back({"Summary", summary});
  const std::string fan = FanPicture(result);
  if (!fan.empty()) sections.push_back({"The course of a session", Picture(fan, kFanNote)});
  if (cell.tally) {
    sections.push_back(
        {"Final balances", Picture(HistogramPicture(result), "The sampled sessions that played, by final balance.")});
  }
  if (!choice.paths.empty()) {
    sections.push_back({"The first sessions", Picture(PathsPicture(result), "Sampled, replayed from their seeds.")});
  }
  sections.push_back(SettingsSection(result.settings));
  return HtmlPage("Vantrel: " + SystemName(result.settings), PageSubtitle(result), sections);
}

std::string SweepPage(const OutputChoice& choice, const BatchResult& head, const SweepOutputs& outputs) {
  std::vector<PageSection> sections;
  const FigureSpec& show = *choice.show;
  if (head.axes.size() == 2) {
    sections.push_back({"Heat map", Picture(SweepHeatmap(head, outputs.Grid(), show), "")});
  }
  std::vector<std::string> columns;
  std::string names;
  for (const SweepAxis& axis : head.axes) {
    columns.push_back("<code>" + axis.name + "</code>");
    names += (names.empty() ? "" : " and ") + axis.name;
  }
  for (const FigureSpec& item : kFigures) {
    if (item.showable) columns.push_back(std::string("<code>") + item.key + "</code>");
  }
  std::string note = Printed("%lld cells", static_cast<long long>(outputs.Added()));
  if (outputs.Added() > static_cast<int64_t>(outputs.PageRows().size())) {
    note +=
        Printed(", the first %lld shown; --table writes them all", static_cast<long long>(outputs.PageRows().size()));
  }
  sections.push_back({"The cells", HtmlTable(columns, outputs.PageRows()) + "<p class=\"note\">" + note + ".</p>\n"});
  sections.push_back(SettingsSection(head.settings));
  return HtmlPage("Vantrel: a sweep of " + names, PageSubtitle(head), sections);
}
