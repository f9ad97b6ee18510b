#include "batch/output/SolveOutputs.h"

#include "batch/core/Version.h"
#include "batch/output/HtmlPage.h"
#include "batch/output/Page.h"
#include "batch/output/SolveChart.h"
#include "batch/results/Printed.h"
#include "batch/results/SummaryJson.h"

std::string SolveText(const SolvedQuestion& q) {
  const char* relation = q.at_most ? "<=" : ">=";
  std::string out = Printed("the %s %s from %lld to %lld with %s %s %.10g, by the exact odds\n",
                            q.largest ? "largest" : "smallest", q.setting.c_str(), static_cast<long long>(q.from),
                            static_cast<long long>(q.to), q.figure->key, relation, q.bound);
  out += Printed("%18s %18s\n", q.setting.c_str(), q.figure->key);
  for (const auto& [value, figure] : q.tried) {
    out += Printed("%18lld %18.6f%s\n", static_cast<long long>(value), figure, q.Meets(figure) ? "  meets" : "");
  }
  if (!q.Monotone()) {
    out += "the figure is not monotone in " + q.setting +
           " over the values tried: a value the search passed over may meet the bound as well\n";
  }
  if (q.answer) {
    return out + Printed("answer: %s=%lld (%s %.6f)\n", q.setting.c_str(), static_cast<long long>(*q.answer),
                         q.figure->key, q.tried.at(*q.answer));
  }
  return out + Printed("answer: no %s from %lld to %lld has %s %s %.10g\n", q.setting.c_str(),
                       static_cast<long long>(q.from), static_cast<long long>(q.to), q.figure->key, relation, q.bound);
}

std::string SolveJsonText(const SolvedQuestion& q) {
  Json tried = Json::array();
  for (const auto& [value, figure] : q.tried) tried.push_back({{"value", value}, {"figure", figure}});
  Json solve = {{"setting", q.setting},     {"value", q.answer ? Json(*q.answer) : Json(nullptr)},
                {"figure", q.figure->key},  {"relation", q.at_most ? "<=" : ">="},
                {"bound", q.bound},         {"largest", q.largest},
                {"from", q.from},           {"to", q.to},
                {"monotone", q.Monotone()}, {"tried", tried}};
  const Json out = {{"solve", solve}, {"settings", SettingsJson(q.settings)}, {"version", kProgramVersion}};
  return out.dump(2) + "\n";
}

std::string SolvePage(const SolvedQuestion& q) {
  const char* relation = q.at_most ? "&le;" : "&ge;";
  std::string question = Printed(
      "<p>The %s value of <code>%s</code> from %lld to %lld for which <code>%s</code> %s %.10g "
      "(%s), by the exact odds.</p>\n",
      q.largest ? "largest" : "smallest", q.setting.c_str(), static_cast<long long>(q.from),
      static_cast<long long>(q.to), q.figure->key, relation, q.bound, HtmlEscaped(q.figure->title).c_str());
  question += q.answer ? Printed("<p><strong>Answer: %s = %lld</strong> (%s %.6f).</p>\n", q.setting.c_str(),
                                 static_cast<long long>(*q.answer), q.figure->key, q.tried.at(*q.answer))
                       : std::string("<p><strong>No value of the range meets the bound.</strong></p>\n");
  if (!q.Monotone()) {
    question += "<p class=\"note\">The figure is not monotone in " + q.setting +
                " over the values tried: a value the search passed over may meet the bound as well.</p>\n";
  }
  std::vector<std::vector<std::string>> rows;
  for (const auto& [value, figure] : q.tried) {
    rows.push_back({std::to_string(value), Printed("%.6f", figure), q.Meets(figure) ? "meets" : ""});
  }
  const std::vector<PageSection> sections = {
      {"The question", question},
      {"The figure against the values tried", InlineSvg(SvgOf(SolveDrawing(q)))},
      {"What was tried",
       HtmlTable({"<code>" + q.setting + "</code>", std::string("<code>") + q.figure->key + "</code>", "the bound"},
                 rows)},
      SettingsSection(q.settings)};
  return HtmlPage("Vantrel: solving for " + q.setting, WheelName(q.settings) + "; " + kProgramVersion, sections);
}
