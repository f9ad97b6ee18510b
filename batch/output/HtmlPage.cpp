#include "batch/output/HtmlPage.h"

#include "batch/output/Svg.h"

namespace {

constexpr const char* kStyle = R"(
body { font-family: system-ui, -apple-system, "Segoe UI", Roboto, Helvetica, Arial, sans-serif; color: #1a1a1a;
       max-width: 1000px; margin: 2em auto; padding: 0 1.5em; line-height: 1.45; }
h1 { font-size: 1.6em; margin-bottom: 0.2em; }
.subtitle { color: #555555; margin-top: 0; }
h2 { font-size: 1.25em; border-bottom: 1px solid #cccccc; padding-bottom: 0.2em; margin-top: 1.8em; }
section { break-inside: avoid; page-break-inside: avoid; }
table { border-collapse: collapse; margin: 0.6em 0; font-size: 0.9em; }
th, td { border: 1px solid #cccccc; padding: 0.25em 0.6em; }
th { background: #f2f2f2; text-align: left; }
td.number { text-align: right; font-variant-numeric: tabular-nums; }
svg { max-width: 100%; height: auto; display: block; margin: 0.6em 0; }
p.note { color: #444444; font-size: 0.92em; }
@media print { body { max-width: none; margin: 0; font-size: 10pt; } h2 { margin-top: 1em; } }
)";

bool LooksNumeric(const std::string& cell) {
  if (cell.empty()) return false;
  for (char c : cell) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == ' ' || c == '%')) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string HtmlEscaped(const std::string& text) { return Svg::Escaped(text); }

std::string InlineSvg(const std::string& svg) {
  const std::size_t start = svg.find("<svg");
  return start == std::string::npos ? std::string() : svg.substr(start);
}

std::string HtmlTable(const std::vector<std::string>& head, const std::vector<std::vector<std::string>>& rows) {
  std::string html = "<table>\n<thead><tr>";
  for (const std::string& cell : head) html += "<th>" + cell + "</th>";
  html += "</tr></thead>\n<tbody>\n";
  for (const std::vector<std::string>& row : rows) {
    html += "<tr>";
    for (const std::string& cell : row)
      html += (LooksNumeric(cell) ? "<td class=\"number\">" : "<td>") + cell + "</td>";
    html += "</tr>\n";
  }
  return html + "</tbody>\n</table>\n";
}

std::string HtmlPage(const std::string& title, const std::string& subtitle, const std::vector<PageSection>& sections) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
      HtmlEscaped(title) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<h1>" + HtmlEscaped(title) +
      "</h1>\n<p class=\"subtitle\">" + HtmlEscaped(subtitle) + "</p>\n";
  for (const PageSection& section : sections) {
    html += "<section>\n<h2>" + HtmlEscaped(section.title) + "</h2>\n" + section.body + "</section>\n";
  }
  return html + "</body>\n</html>\n";
}
