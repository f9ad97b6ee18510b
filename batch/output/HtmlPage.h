#pragma once

#include <string>
#include <vector>

// One self-contained HTML page: its style inline, no script, nothing
// loaded from a file or an address; pictures are inline SVG. It reads on
// a laptop's screen and prints on paper, a section to a page where it
// fits.
struct PageSection {
  std::string title;
  std::string body;  // HTML
};

std::string HtmlPage(const std::string& title, const std::string& subtitle, const std::vector<PageSection>& sections);

// Text with HTML's special characters escaped.
std::string HtmlEscaped(const std::string& text);
// An SVG picture to put inside a page: without its XML declaration, scaled
// to the page's width.
std::string InlineSvg(const std::string& svg);
// A table: a header row and rows of cells (HTML already escaped), numbers
// aligned right.
std::string HtmlTable(const std::vector<std::string>& head, const std::vector<std::vector<std::string>>& rows);
