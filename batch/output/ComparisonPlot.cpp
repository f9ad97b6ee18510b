#include <algorithm>
#include <cmath>

#include "batch/output/Comparison.h"
#include "batch/output/Svg.h"
#include "batch/output/TextOutput.h"
#include "batch/results/Distribution.h"
#include "batch/results/Figures.h"
#include "batch/results/Printed.h"

// A row a system: on the left its final balances as a box (the 25th to
// the 75th percentile) with whiskers (5th to 95th), its median and mean
// marked, and its own capital, min and max balance as ticks; on the right
// one bar split by how its sessions ended. The endings' colours differ in
// lightness as well as in hue, so they survive greyscale printing and the
// common colour blindness.
namespace {

constexpr double kWidth = 960;
constexpr double kLeft = 190;
constexpr double kPlotRight = 650;
constexpr double kBarLeft = 700;
constexpr double kBarRight = 930;
constexpr double kTop = 78;
constexpr double kRow = 56;
constexpr double kBottom = 110;

// The share of each ending is the figure in its place at the table's head.
double ShareOf(const FigureValues& figures, std::size_t ending) { return figures[ending]; }

struct Row {
  std::string name;
  Distribution balances;
  FigureValues figures;
  double capital, min_balance, max_balance;
};

std::vector<Row> RowsOf(const BatchResult& result) {
  std::vector<Row> rows;
  for (std::size_t k = 0; k < result.cells.size(); ++k) {
    const CellResult& cell = result.cells[k];
    Row row{result.compared[static_cast<std::size_t>(result.part_begin) + k],
            FinalBalances(cell),
            cell.exact ? ExactFigureValues(*cell.exact) : SampledFigures(*cell.tally),
            static_cast<double>(CapitalOf(*cell.settings)),
            cell.settings->min_balance,
            cell.settings->max_balance};
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string Title(const BatchResult& result) {
  const CellResult& first = result.cells.front();
  const std::string what =
      result.exact ? Printed("exact odds of a run of %lld sessions", static_cast<long long>(first.exact->sessions))
                   : Printed("%lld sampled sessions each (%lld runs on the same seeds)",
                             static_cast<long long>(first.tally->sessions), static_cast<long long>(result.runs));
  return "Final balances of " + std::to_string(result.cells.size()) + " systems: " + what + ", " +
         WheelName(result.settings);
}

}  // namespace

std::string ComparisonPlot(const BatchResult& result) {
  const std::vector<Row> rows = RowsOf(result);
  double low = 0;
  double high = 1;
  for (const Row& row : rows) {
    low = std::min({low, row.min_balance, row.balances.Quantile(0.05)});
    high = std::max({high, row.max_balance, row.capital, row.balances.Quantile(0.95)});
  }
  const auto x = [&](double value) { return kLeft + (value - low) / (high - low) * (kPlotRight - kLeft); };
  const double height = kTop + kRow * static_cast<double>(rows.size()) + kBottom;
  const double base = kTop + kRow * static_cast<double>(rows.size());
  std::string svg = Svg::Start(kWidth, height, 13);
  svg += Svg::Text(kWidth / 2, 26, Svg::Escaped(Title(result)), "middle", " font-size=\"15\"");
  svg +=
      Svg::Text((kLeft + kPlotRight) / 2, 54, "final balance of the sessions that played (units of money)", "middle");
  svg += Svg::Text((kBarLeft + kBarRight) / 2, 54, "how the sessions ended (share)", "middle");
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const Row& row = rows[k];
    const double mid = kTop + kRow * (static_cast<double>(k) + 0.5);
    if (k % 2 == 1) svg += Svg::Rect(10, mid - kRow / 2, kWidth - 20, kRow, "#f4f4f4");
    svg += Svg::Text(kLeft - 12, mid + 4, Svg::Escaped(row.name), "end", " font-weight=\"bold\"");
    // The system's own limits: short ticks across its row.
    for (const auto& [value, dash] :
         {std::pair{row.min_balance, "2 2"}, std::pair{row.capital, "none"}, std::pair{row.max_balance, "6 3"}}) {
      svg += Svg::Line(x(value), mid - kRow / 2 + 4, x(value), mid + kRow / 2 - 4,
                       std::string("stroke=\"#555555\" stroke-dasharray=\"") + dash + "\"");
    }
    const Distribution& d = row.balances;
    if (d.total > 0) {
      svg += Svg::Line(x(d.Quantile(0.05)), mid, x(d.Quantile(0.95)), mid, "stroke=\"#222222\" stroke-width=\"1.5\"");
      for (double q : {0.05, 0.95}) {
        svg +=
            Svg::Line(x(d.Quantile(q)), mid - 8, x(d.Quantile(q)), mid + 8, "stroke=\"#222222\" stroke-width=\"1.5\"");
      }
      const double box_left = x(d.Quantile(0.25));
      svg += "<rect x=\"" + Svg::Coordinate(box_left) + "\" y=\"" + Svg::Coordinate(mid - 13) + "\" width=\"" +
             Svg::Coordinate(std::max(2.0, x(d.Quantile(0.75)) - box_left)) +
             "\" height=\"26\" fill=\"#92c5de\" stroke=\"#222222\"/>\n";
      svg += Svg::Line(x(d.Quantile(0.5)), mid - 13, x(d.Quantile(0.5)), mid + 13,
                       "stroke=\"#08306b\" stroke-width=\"4\"");
      const double mean = x(d.Mean());
      svg += "<path d=\"M" + Svg::Coordinate(mean) + " " + Svg::Coordinate(mid - 7) +
             " l7 7 l-7 7 l-7 -7 z\" fill=\"white\" stroke=\"#000000\"/>\n";
    }
    double at = kBarLeft;
    for (std::size_t k = 0; k < kEndings; ++k) {
      const EndingWords& ending = kEndingWords[k];
      const double share = std::clamp(ShareOf(row.figures, k), 0.0, 1.0);
      const double width = share * (kBarRight - kBarLeft);
      if (width > 0) svg += Svg::Rect(at, mid - 17, width, 22, ending.colour);
      at += width;
    }
    svg += Svg::Text(
        kBarLeft, mid + 20,
        Printed("max %.1f %%  min %.1f %%", 100 * Of(row.figures, Figure::PMax), 100 * Of(row.figures, Figure::PMin)),
        "start", " font-size=\"11\"");
  }
  // The balance axis and its ticks.
  svg += Svg::Line(kLeft, base, kPlotRight, base, "stroke=\"black\"");
  const double step = Svg::TickStep(high - low, 7);
  for (double v = std::ceil(low / step) * step; v <= high + step * 1e-9; v += step) {
    svg += Svg::Line(x(v), base, x(v), base + 5, "stroke=\"black\"");
    svg += Svg::Text(x(v), base + 19, Svg::Number(v), "middle");
  }
  for (int share = 0; share <= 4; ++share) {
    const double bx = kBarLeft + share / 4.0 * (kBarRight - kBarLeft);
    svg += Svg::Line(bx, base, bx, base + 5, "stroke=\"black\"");
    svg += Svg::Text(bx, base + 19, Printed("%d %%", share * 25), "middle");
  }
  // The legends: the box's marks, then the endings' colours.
  const double legend = base + 44;
  svg += Svg::Text(20, legend, "box: 25th to 75th percentile, whiskers: 5th to 95th, bar: median, diamond: mean;",
                   "start", " font-size=\"12\"");
  svg += Svg::Text(20, legend + 17, "ticks: min balance (dotted), capital (solid), max balance (dashed)", "start",
                   " font-size=\"12\"");
  double lx = 20;
  for (const EndingWords& ending : kEndingWords) {
    svg += "<rect x=\"" + Svg::Coordinate(lx) + "\" y=\"" + Svg::Coordinate(legend + 29) +
           "\" width=\"14\" height=\"14\" fill=\"" + ending.colour + "\" stroke=\"#555555\"/>\n";
    svg += Svg::Text(lx + 19, legend + 41, ending.name, "start", " font-size=\"12\"");
    lx += 40 + 6.6 * static_cast<double>(std::string(ending.name).size());
  }
  return svg + Svg::kEnd;
}
