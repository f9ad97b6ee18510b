#include "batch/output/BalanceHistogram.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "batch/output/Svg.h"

namespace {

constexpr double kWidth = 860;
constexpr double kHeight = 480;
constexpr double kLeft = 80;
constexpr double kRight = 30;
constexpr double kTop = 50;
constexpr double kBottom = 70;
constexpr int kBins = 40;
// The legend's row below the plot and its axis title, clear of every bar.
constexpr double kLegendRow = 30;

struct Axes {
  double low;
  double high;
  double top_count;
  double X(double value) const { return kLeft + (value - low) / (high - low) * (kWidth - kLeft - kRight); }
  double Y(double count) const { return kHeight - kBottom - count / top_count * (kHeight - kTop - kBottom); }
};

Paint Black() { return {{Look::Stroke, "black"}}; }

void AxesAndTicks(Drawing& d, const Axes& axes) {
  const double base = kHeight - kBottom;
  d.Line(kLeft, base, kWidth - kRight, base, Black());
  d.Line(kLeft, kTop, kLeft, base, Black());
  const double x_step = Svg::TickStep(axes.high - axes.low, 8);
  for (double v = std::ceil(axes.low / x_step) * x_step; v <= axes.high + x_step * 1e-9; v += x_step) {
    d.Line(axes.X(v), base, axes.X(v), base + 5, Black());
    d.Text(axes.X(v), base + 20, Svg::Number(v), Anchor::Middle);
  }
  const double y_step = Svg::TickStep(axes.top_count, 5);
  for (double c = 0; c <= axes.top_count + y_step * 1e-9; c += y_step) {
    d.Line(kLeft - 5, axes.Y(c), kLeft, axes.Y(c), Black());
    d.Text(kLeft - 8, axes.Y(c) + 4, Svg::Number(c), Anchor::End);
  }
  d.Text((kLeft + kWidth - kRight) / 2, kHeight - 20, "final balance", Anchor::Middle);
  d.Text(20, (kTop + base) / 2, "sessions", Anchor::Middle, 0, true);
}

// A dashed line across the plot at the value, named in the legend below
// the plot, where it stays readable however close the marks lie and covers
// no bar.
void Mark(Drawing& d, const Axes& axes, double value, const std::string& label, const char* colour, int entry) {
  const Paint style = {{Look::Stroke, colour}, {Look::StrokeWidth, "2"}, {Look::StrokeDash, "6 4"}};
  const double x = axes.X(value);
  d.Line(x, kTop, x, kHeight - kBottom, style);
  const double legend_x = kLeft + 230 * entry;
  const double legend_y = kHeight + kLegendRow - 12;
  d.Line(legend_x, legend_y - 4, legend_x + 28, legend_y - 4, style);
  d.Text(legend_x + 34, legend_y, label + " " + Svg::Number(value), Anchor::Start).paint = {{Look::Fill, colour}};
}

}  // namespace

Drawing HistogramDrawing(const std::map<int32_t, int64_t>& balances, int32_t quanta, const HistogramMarks& marks) {
  double low = std::min(marks.min_balance, marks.capital);
  double high = std::max(marks.max_balance, marks.capital);
  int64_t sessions = 0;
  if (!balances.empty()) {
    low = std::min(low, static_cast<double>(balances.begin()->first) / quanta);
    high = std::max(high, static_cast<double>(balances.rbegin()->first) / quanta);
  }
  if (high <= low) high = low + 1;
  std::vector<int64_t> bins(kBins, 0);
  const double width = (high - low) / kBins;
  for (const auto& [balance, count] : balances) {
    const auto bin = std::min(kBins - 1, static_cast<int>((static_cast<double>(balance) / quanta - low) / width));
    bins[static_cast<std::size_t>(bin)] += count;
    sessions += count;
  }
  const int64_t tallest = std::max<int64_t>(1, *std::max_element(bins.begin(), bins.end()));
  const Axes axes{low, high, static_cast<double>(tallest) * 1.1};

  Drawing d;
  d.width = kWidth;
  d.height = kHeight + kLegendRow;
  d.Text(kWidth / 2, 26,
         "Final balances of " + std::to_string(sessions) + " sessions" +
             (marks.played.empty() ? "" : " (" + marks.played + ")"),
         Anchor::Middle, 16);
  for (int i = 0; i < kBins; ++i) {
    if (bins[static_cast<std::size_t>(i)] == 0) continue;
    const double x0 = axes.X(low + i * width);
    const double x1 = axes.X(low + (i + 1) * width);
    const double y = axes.Y(static_cast<double>(bins[static_cast<std::size_t>(i)]));
    d.Box(x0, y, std::max(1.0, x1 - x0 - 1), kHeight - kBottom - y, {{Look::Fill, "#4a7ab5"}}).box_size =
        BoxSize::Tenths;
  }
  AxesAndTicks(d, axes);
  Mark(d, axes, marks.min_balance, "min balance", "#c0392b", 0);
  Mark(d, axes, marks.capital, "capital", "#333333", 1);
  Mark(d, axes, marks.max_balance, "max balance", "#1e8449", 2);
  return d;
}

std::string BalanceHistogram(const std::map<int32_t, int64_t>& balances, int32_t quanta, const HistogramMarks& marks) {
  return SvgOf(HistogramDrawing(balances, quanta, marks));
}
