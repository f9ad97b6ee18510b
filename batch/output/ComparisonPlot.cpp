#include <algorithm>
#include <cmath>
#include <optional>

#include "batch/output/Comparison.h"
#include "batch/output/Svg.h"
#include "batch/output/TextOutput.h"
#include "batch/results/Distribution.h"
#include "batch/results/Figures.h"
#include "batch/results/Intervals.h"
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
  std::optional<FigureIntervals> intervals;  // of sampled figures
};

std::vector<Row> RowsOf(const BatchResult& result) {
  std::vector<Row> rows;
  for (std::size_t k = 0; k < result.cells.size(); ++k) {
    const CellResult& cell = result.cells[k];
    const std::string& name = result.compared[static_cast<std::size_t>(result.part_begin) + k];
    Row row{SampledInstead(result, cell) ? name + " (sampled)" : name,
            FinalBalances(cell),
            cell.exact ? ExactFigureValues(*cell.exact) : SampledFigures(*cell.tally),
            static_cast<double>(CapitalOf(*cell.settings)),
            cell.settings->min_balance,
            cell.settings->max_balance,
            std::nullopt};
    if (!cell.exact) row.intervals = SampledIntervals(*cell.tally, result.confidence);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string Title(const BatchResult& result) {
  // The first system with exact odds, where there are; any other stands
  // sampled.
  const CellResult* first = &result.cells.front();
  bool sampled_instead = false;
  for (const CellResult& cell : result.cells) sampled_instead = sampled_instead || SampledInstead(result, cell);
  for (const CellResult& cell : result.cells) {
    if (result.exact && cell.exact) {
      first = &cell;
      break;
    }
  }
  const std::string what =
      result.exact && first->exact
          ? Printed("exact odds of a run of %lld sessions", static_cast<long long>(first->exact->sessions)) +
                (sampled_instead ? " (sampled where marked)" : "")
          : Printed("%lld sampled sessions each (%lld runs on the same seeds)",
                    static_cast<long long>(first->tally->sessions), static_cast<long long>(first->tally->runs));
  return "Final balances of " + std::to_string(result.cells.size()) + " systems: " + what + ", " +
         WheelName(result.settings);
}

// An interval as a short whisker with end ticks.
void Whisker(Drawing& d, double from, double to, double y) {
  const Paint paint = {{Look::Stroke, "#000000"}, {Look::StrokeWidth, "1.5"}};
  d.Line(from, y, to, y, paint);
  d.Line(from, y - 3, from, y + 3, paint);
  d.Line(to, y - 3, to, y + 3, paint);
}

const Interval& Of(const FigureIntervals& intervals, Figure figure) {
  return intervals[static_cast<std::size_t>(figure)];
}

}  // namespace

Drawing ComparisonDrawing(const BatchResult& result) {
  const std::vector<Row> rows = RowsOf(result);
  double low = 0;
  double high = 1;
  for (const Row& row : rows) {
    low = std::min({low, row.min_balance, row.balances.Quantile(0.05)});
    high = std::max({high, row.max_balance, row.capital, row.balances.Quantile(0.95)});
  }
  const auto x = [&](double value) { return kLeft + (value - low) / (high - low) * (kPlotRight - kLeft); };
  const double base = kTop + kRow * static_cast<double>(rows.size());
  const Paint black = {{Look::Stroke, "black"}};
  const Paint whisker = {{Look::Stroke, "#222222"}, {Look::StrokeWidth, "1.5"}};
  Drawing d;
  d.width = kWidth;
  d.height = base + kBottom;
  d.Text(kWidth / 2, 26, Title(result), Anchor::Middle, 15);
  d.Text((kLeft + kPlotRight) / 2, 54, "final balance of the sessions that played (units of money)", Anchor::Middle);
  d.Text((kBarLeft + kBarRight) / 2, 54, "how the sessions ended (share)", Anchor::Middle);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const Row& row = rows[k];
    const double mid = kTop + kRow * (static_cast<double>(k) + 0.5);
    if (k % 2 == 1) d.Box(10, mid - kRow / 2, kWidth - 20, kRow, {{Look::Fill, "#f4f4f4"}}).box_size = BoxSize::Tenths;
    d.Text(kLeft - 12, mid + 4, row.name, Anchor::End).bold = true;
    // The system's own limits: short ticks across its row.
    for (const auto& [value, dash] :
         {std::pair{row.min_balance, "2 2"}, std::pair{row.capital, "none"}, std::pair{row.max_balance, "6 3"}}) {
      d.Line(x(value), mid - kRow / 2 + 4, x(value), mid + kRow / 2 - 4,
             {{Look::Stroke, "#555555"}, {Look::StrokeDash, dash}});
    }
    const Distribution& balances = row.balances;
    if (balances.total > 0) {
      d.Line(x(balances.Quantile(0.05)), mid, x(balances.Quantile(0.95)), mid, whisker);
      for (double q : {0.05, 0.95}) d.Line(x(balances.Quantile(q)), mid - 8, x(balances.Quantile(q)), mid + 8, whisker);
      const double box_left = x(balances.Quantile(0.25));
      d.Box(box_left, mid - 13, std::max(2.0, x(balances.Quantile(0.75)) - box_left), 26,
            {{Look::Fill, "#92c5de"}, {Look::Stroke, "#222222"}})
          .box_size = BoxSize::WidthInTenths;
      d.Line(x(balances.Quantile(0.5)), mid - 13, x(balances.Quantile(0.5)), mid + 13,
             {{Look::Stroke, "#08306b"}, {Look::StrokeWidth, "4"}});
      if (row.intervals)
        Whisker(d, x(Of(*row.intervals, Figure::MeanFinal).low), x(Of(*row.intervals, Figure::MeanFinal).high),
                mid + 10);
      d.Diamond(x(balances.Mean()), mid - 7, 7, {{Look::Fill, "white"}, {Look::Stroke, "#000000"}});
    }
    double at = kBarLeft;
    for (std::size_t k = 0; k < kEndings; ++k) {
      const EndingWords& ending = kEndingWords[k];
      const double share = std::clamp(ShareOf(row.figures, k), 0.0, 1.0);
      const double width = share * (kBarRight - kBarLeft);
      if (width > 0) d.Box(at, mid - 17, width, 22, {{Look::Fill, ending.colour}}).box_size = BoxSize::Tenths;
      at += width;
    }
    d.Text(
        kBarLeft, mid + 20,
        Printed("max %.1f %%  min %.1f %%", 100 * Of(row.figures, Figure::PMax), 100 * Of(row.figures, Figure::PMin)),
        Anchor::Start, 11);
  }
  // The balance axis and its ticks.
  d.Line(kLeft, base, kPlotRight, base, black);
  const double step = Svg::TickStep(high - low, 7);
  for (double v = std::ceil(low / step) * step; v <= high + step * 1e-9; v += step) {
    d.Line(x(v), base, x(v), base + 5, black);
    d.Text(x(v), base + 19, Svg::Number(v), Anchor::Middle);
  }
  for (int share = 0; share <= 4; ++share) {
    const double bx = kBarLeft + share / 4.0 * (kBarRight - kBarLeft);
    d.Line(bx, base, bx, base + 5, black);
    d.Text(bx, base + 19, Printed("%d %%", share * 25), Anchor::Middle);
  }
  // The legends: the box's marks, then the endings' colours.
  const double legend = base + 44;
  d.Text(20, legend, "box: 25th to 75th percentile, whiskers: 5th to 95th, bar: median, diamond: mean;", Anchor::Start,
         12);
  d.Text(20, legend + 17,
         "ticks: min balance (dotted), capital (solid), max balance (dashed)" +
             (std::none_of(rows.begin(), rows.end(), [](const Row& row) { return row.intervals.has_value(); })
                  ? std::string()
                  : Printed("; short whiskers: %g%% intervals of the mean and of the share at the max balance",
                            100 * result.confidence)),
         Anchor::Start, 12);
  // Only the endings some system had.
  double lx = 20;
  for (std::size_t k = 0; k < kEndings; ++k) {
    if (std::none_of(rows.begin(), rows.end(), [k](const Row& row) { return ShareOf(row.figures, k) > 0; })) continue;
    const EndingWords& ending = kEndingWords[k];
    d.Box(lx, legend + 29, 14, 14, {{Look::Fill, ending.colour}, {Look::Stroke, "#555555"}});
    d.Text(lx + 19, legend + 41, ending.name, Anchor::Start, 12);
    lx += 40 + 6.6 * static_cast<double>(std::string(ending.name).size());
  }
  return d;
}

std::string ComparisonPlot(const BatchResult& result) { return SvgOf(ComparisonDrawing(result)); }
