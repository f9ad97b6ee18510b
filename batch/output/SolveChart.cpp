#include "batch/output/SolveChart.h"

#include <algorithm>
#include <cmath>

#include "batch/output/Svg.h"
#include "batch/results/BatchResult.h"
#include "batch/results/Printed.h"

namespace {

constexpr double kWidth = 820;
constexpr double kHeight = 500;
constexpr double kLeft = 90;
constexpr double kRight = 40;
constexpr double kTop = 70;
constexpr double kBottom = 420;
constexpr const char* kMeets = "#1b7837";
constexpr const char* kFails = "#9e9e9e";

struct Frame {
  double from, to, low, high;
  double X(double value) const { return kLeft + (value - from) / std::max(1.0, to - from) * (kWidth - kLeft - kRight); }
  double Y(double figure) const { return kBottom - (figure - low) / (high - low) * (kBottom - kTop); }
};

Frame FrameOf(const SolvedQuestion& q) {
  double low = q.bound;
  double high = q.bound;
  for (const auto& [value, figure] : q.tried) {
    low = std::min(low, figure);
    high = std::max(high, figure);
  }
  const double margin = (high - low) * 0.05 + 1e-9;
  return {static_cast<double>(q.from), static_cast<double>(q.to), low - margin, high + margin};
}

Paint Black() { return {{Look::Stroke, "black"}}; }

void Axes(Drawing& d, const Frame& f, const SolvedQuestion& q) {
  const double right = kWidth - kRight;
  d.Line(kLeft, kBottom, right, kBottom, Black());
  d.Line(kLeft, kTop, kLeft, kBottom, Black());
  const double step = Svg::TickStep(f.high - f.low, 6);
  for (double v = std::ceil(f.low / step) * step; v <= f.high; v += step) {
    d.Line(kLeft - 5, f.Y(v), kLeft, f.Y(v), Black());
    d.Text(kLeft - 8, f.Y(v) + 4, Svg::Number(std::abs(v) < step * 1e-9 ? 0 : v), Anchor::End);  // no "-0"
  }
  const double value_step = std::max(1.0, Svg::TickStep(f.to - f.from, 8));
  for (double v = std::ceil(f.from / value_step) * value_step; v <= f.to; v += value_step) {
    d.Line(f.X(v), kBottom, f.X(v), kBottom + 5, Black());
    d.Text(f.X(v), kBottom + 19, Svg::Number(v), Anchor::Middle);
  }
  d.Text((kLeft + right) / 2, kBottom + 42, q.setting, Anchor::Middle);
  d.Text(22, (kTop + kBottom) / 2, q.figure->key, Anchor::Middle, 0, true);
}

}  // namespace

Drawing SolveDrawing(const SolvedQuestion& q) {
  const Frame f = FrameOf(q);
  Drawing d{kWidth, kHeight, 13, {}};
  d.Text(kWidth / 2, 26, std::string(q.figure->title) + " against " + q.setting, Anchor::Middle, 15);
  d.Text(kWidth / 2, 46, PlayedName(q.settings) + "; the values the search tried", Anchor::Middle).paint = {
      {Look::Fill, "#555555"}};
  const double right = kWidth - kRight;
  d.Line(kLeft, f.Y(q.bound), right, f.Y(q.bound), {{Look::Stroke, "#444444"}, {Look::StrokeDash, "6 4"}});
  d.Text(right, f.Y(q.bound) - 6, Printed("bound %s %.10g", q.at_most ? "≤" : "≥", q.bound), Anchor::End, 12);
  if (q.answer) {
    const double x = f.X(static_cast<double>(*q.answer));
    d.Line(x, kTop, x, kBottom, {{Look::Stroke, kMeets}, {Look::StrokeWidth, "1.5"}});
    d.Text(x + 4, kTop + 12, Printed("answer %lld", static_cast<long long>(*q.answer)), Anchor::Start, 12).paint = {
        {Look::Fill, kMeets}};
  }
  std::vector<DrawnPoint> line;
  for (const auto& [value, figure] : q.tried) line.push_back({f.X(static_cast<double>(value)), f.Y(figure)});
  d.Lines(Shape::Kind::Polyline, line, {{Look::Stroke, "#555555"}, {Look::StrokeWidth, "1"}});
  for (const auto& [value, figure] : q.tried) {
    d.Diamond(f.X(static_cast<double>(value)), f.Y(figure) - 4, 4, {{Look::Fill, q.Meets(figure) ? kMeets : kFails}});
  }
  Axes(d, f, q);
  return d;
}
