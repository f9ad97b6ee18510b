#include "batch/output/CourseCharts.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "batch/output/Drawing.h"
#include "batch/output/Svg.h"
#include "batch/results/Printed.h"

namespace {

constexpr double kWidth = 900;
constexpr double kLeft = 80;
constexpr double kRight = 170;  // room for the limits' labels and the legend
constexpr double kTop = 56;
constexpr double kBalanceBottom = 400;
constexpr double kShareTop = 440;
constexpr double kShareBottom = 530;
constexpr double kHeight = 620;
constexpr double kLegendBelow = 70;  // the legend's row below the lowest axis

// Where a plot lies on the canvas: its balance area across and down, and
// the strip below it with the share of the sessions that play each game.
struct Box {
  double left;
  double right;
  double top;
  double bottom;
  double share_top;
  double share_bottom;
};
constexpr Box kWholeCanvas{kLeft, kWidth - kRight, kTop, kBalanceBottom, kShareTop, kShareBottom};

struct Frame {
  int32_t games;
  double low;
  double high;
  Box box = kWholeCanvas;
  double X(double game) const { return box.left + game / std::max(1, games) * (box.right - box.left); }
  double Y(double balance) const { return box.bottom - (balance - low) / (high - low) * (box.bottom - box.top); }
  double ShareY(double share) const { return box.share_bottom - share * (box.share_bottom - box.share_top); }
};

Frame FrameOf(int32_t games, double low, double high, const CourseLimits& limits) {
  low = std::min({low, limits.min_balance, limits.capital});
  high = std::max({high, limits.max_balance, limits.capital});
  const double margin = (high - low) * 0.04 + 1;
  return {games, std::max(0.0, low - margin), high + margin};
}

Paint Black() { return {{Look::Stroke, "black"}}; }

void Axes(Drawing& d, const Frame& f, bool shares) {
  const Box& b = f.box;
  d.Line(b.left, b.bottom, b.right, b.bottom, Black());
  d.Line(b.left, b.top, b.left, b.bottom, Black());
  const double step = Svg::TickStep(f.high - f.low, b.bottom - b.top < 200 ? 4 : 6);
  for (double v = std::ceil(f.low / step) * step; v <= f.high + step * 1e-9; v += step) {
    d.Line(b.left - 5, f.Y(v), b.left, f.Y(v), Black());
    d.Text(b.left - 8, f.Y(v) + 4, Svg::Number(v), Anchor::End);
  }
  const double bottom = shares ? b.share_bottom : b.bottom;
  const double game_step = std::max(1.0, Svg::TickStep(f.games, b.right - b.left < 400 ? 4 : 8));  // games are whole
  for (double g = 0; g <= f.games + game_step * 1e-9; g += game_step) {
    d.Line(f.X(g), bottom, f.X(g), bottom + 5, Black());
    d.Text(f.X(g), bottom + 19, Svg::Number(g), Anchor::Middle);
  }
  d.Text((b.left + b.right) / 2, bottom + 40, "game", Anchor::Middle);
  d.Text(b.left - 58, (b.top + b.bottom) / 2, "balance (units of money)", Anchor::Middle, 0, true);
  if (shares) {
    d.Line(b.left, b.share_bottom, b.right, b.share_bottom, Black());
    d.Line(b.left, b.share_top, b.left, b.share_bottom, Black());
    for (int share = 0; share <= 100; share += 50) {
      d.Line(b.left - 5, f.ShareY(share / 100.0), b.left, f.ShareY(share / 100.0), Black());
      d.Text(b.left - 8, f.ShareY(share / 100.0) + 4, Printed("%d %%", share), Anchor::End);
    }
    d.Text(b.left + 6, b.share_top - 6, "share of the sessions that play the game", Anchor::Start, 12);
  }
}

// The capital and the balance limits across the plot, named at its right,
// or, in a panel with no room there, over the line at its left.
void Limits(Drawing& d, const Frame& f, const CourseLimits& limits, bool named_inside = false) {
  const Box& b = f.box;
  const struct {
    double value;
    const char* name;
    const char* dash;
  } marks[] = {{limits.max_balance, "max balance", "6 4"},
               {limits.capital, "capital", "none"},
               {limits.min_balance, "min balance", "2 3"}};
  double last_label = -1e9;
  for (const auto& mark : marks) {
    const double y = f.Y(mark.value);
    d.Line(b.left, y, b.right, y, {{Look::Stroke, "#444444"}, {Look::StrokeDash, mark.dash}});
    const std::string label = mark.name + (" " + Svg::Number(mark.value));
    if (named_inside) {
      d.Text(b.right - 4, y - 3, label, Anchor::End, 10).paint = {{Look::Fill, "#444444"}};
      continue;
    }
    // Labels of limits that lie close together are set apart.
    const double at = std::max(y + 4, last_label + 14);
    d.Text(b.right + 6, at, label, Anchor::Start, 12);
    last_label = at;
  }
}

// The area between two lines over the games.
void Band(Drawing& d, const Frame& f, const std::vector<FanPoint>& fan, double FanPoint::*lower,
          double FanPoint::*upper, Paint paint) {
  std::vector<DrawnPoint> points;
  points.reserve(2 * fan.size());
  for (const FanPoint& p : fan) points.push_back({f.X(p.game), f.Y(p.*upper)});
  for (auto it = fan.rbegin(); it != fan.rend(); ++it) points.push_back({f.X(it->game), f.Y((*it).*lower)});
  d.Lines(Shape::Kind::Polygon, std::move(points), std::move(paint));
}

void Median(Drawing& d, const Frame& f, const std::vector<FanPoint>& fan, Paint paint) {
  std::vector<DrawnPoint> points;
  points.reserve(fan.size());
  for (const FanPoint& p : fan) points.push_back({f.X(p.game), f.Y(p.p50)});
  d.Lines(Shape::Kind::Polyline, std::move(points), std::move(paint));
}

void Playing(Drawing& d, const Frame& f, const std::vector<FanPoint>& fan, Paint paint) {
  std::vector<DrawnPoint> points;
  points.reserve(fan.size());
  for (const FanPoint& p : fan) points.push_back({f.X(p.game), f.ShareY(p.playing)});
  d.Lines(Shape::Kind::Polyline, std::move(points), std::move(paint));
}

Paint EndingLine(Ending ending) {
  return {{Look::Stroke, kEndingWords[IndexOf(ending)].colour}, {Look::StrokeWidth, "1"}, {Look::StrokeOpacity, "0.8"}};
}

// Sessions over a frame made for something else stay within it: a game past
// its last, or a balance past its ends, is drawn at the edge.
void Sessions(Drawing& d, const Frame& f, const std::vector<SessionCourse>& paths) {
  for (const SessionCourse& path : paths) {
    std::vector<DrawnPoint> points;
    const std::size_t games = std::min(path.balances.size(), static_cast<std::size_t>(f.games) + 1);
    points.reserve(games);
    for (std::size_t g = 0; g < games; ++g) {
      points.push_back({f.X(static_cast<double>(g)), f.Y(std::clamp(path.balances[g], f.low, f.high))});
    }
    d.Lines(Shape::Kind::Polyline, std::move(points), EndingLine(path.ending));
  }
}

// A legend in one row below the picture, where no label of a limit can
// lie: each entry a swatch and its text.
struct LegendEntry {
  enum class Swatch : unsigned char { None, Line, Box } swatch;
  Paint paint;
  std::string text;
};

void LegendRow(Drawing& d, double y, const std::vector<LegendEntry>& entries) {
  double x = kLeft;
  for (const LegendEntry& entry : entries) {
    if (entry.swatch == LegendEntry::Swatch::Line) d.Line(x, y - 4, x + 24, y - 4, entry.paint);
    if (entry.swatch == LegendEntry::Swatch::Box) d.Box(x, y - 10, 24, 12, entry.paint);
    d.Text(x + 30, y, entry.text, Anchor::Start, 12);
    x += 48 + 6.4 * static_cast<double>(Svg::Escaped(entry.text).size());
  }
}

// The game by which all but a thousandth of the sessions have ended, or the
// last game drawn where more play on: a picture need not run on for the few.
constexpr double kStillPlaying = 0.001;
int32_t GamesWorthDrawing(const std::vector<FanPoint>& fan) {
  for (const FanPoint& p : fan) {
    if (p.playing < kStillPlaying) return p.game;
  }
  return fan.empty() ? 1 : fan.back().game;
}

std::vector<FanPoint> Until(const std::vector<FanPoint>& fan, int32_t last) {
  std::vector<FanPoint> kept;
  for (const FanPoint& p : fan) {
    if (p.game <= last) kept.push_back(p);
  }
  return kept;
}

const Paint kOuterBand = {{Look::Fill, "#c6dbef"}};
const Paint kInnerBand = {{Look::Fill, "#6baed6"}};
const Paint kMedian = {{Look::Stroke, "#08306b"}, {Look::StrokeWidth, "2.5"}};
const Paint kPlaying = {{Look::Stroke, "#08306b"}, {Look::StrokeWidth, "2"}};

void Fan(Drawing& d, const Frame& f, const std::vector<FanPoint>& fan) {
  Band(d, f, fan, &FanPoint::p5, &FanPoint::p95, kOuterBand);
  Band(d, f, fan, &FanPoint::p25, &FanPoint::p75, kInnerBand);
}

std::vector<LegendEntry> FanLegend() {
  return {{LegendEntry::Swatch::Box, kOuterBand, "5th to 95th percentile"},
          {LegendEntry::Swatch::Box, kInnerBand, "25th to 75th percentile"},
          {LegendEntry::Swatch::Line, kMedian, "median"}};
}

// Several systems' courses as a panel each, two to a row, on the same
// axes (the frame all of them share), each named above it.
Drawing SmallMultiples(const std::vector<FanSeries>& series, const Frame& shared, const std::string& title) {
  constexpr double kPanelWidth = kWidth / 2;
  constexpr double kPanelHeight = 330;
  constexpr double kFirstPanel = 50;
  const std::size_t rows = (series.size() + 1) / 2;
  Drawing d{kWidth, kFirstPanel + static_cast<double>(rows) * kPanelHeight + 50, 13, {}};
  d.Text(kWidth / 2, 26, title, Anchor::Middle, 15);
  for (std::size_t k = 0; k < series.size(); ++k) {
    const std::size_t row = k / 2;  // two panels to a row
    const double left = static_cast<double>(k % 2) * kPanelWidth;
    const double top = kFirstPanel + static_cast<double>(row) * kPanelHeight;
    Frame f = shared;
    f.box = {left + 80, left + kPanelWidth - 20, top + 30, top + 200, top + 230, top + 270};
    d.Text((f.box.left + f.box.right) / 2, top + 16, series[k].name, Anchor::Middle, 14).bold = true;
    Fan(d, f, series[k].fan);
    Median(d, f, series[k].fan, kMedian);
    Playing(d, f, series[k].fan, kPlaying);
    Limits(d, f, series[k].limits, true);
    Axes(d, f, true);
  }
  LegendRow(d, d.height - 16, FanLegend());
  return d;
}

}  // namespace

Drawing FanDrawing(const std::vector<FanSeries>& whole, const std::string& title,
                   const std::vector<SessionCourse>& over) {
  int32_t games = 1;
  for (const FanSeries& s : whole) games = std::max(games, GamesWorthDrawing(s.fan));
  std::vector<FanSeries> series = whole;
  double low = 1e300;
  double high = -1e300;
  for (FanSeries& s : series) {
    s.fan = Until(s.fan, games);
    for (const FanPoint& p : s.fan) {
      low = std::min(low, p.p5);
      high = std::max(high, p.p95);
    }
  }
  if (low > high) low = high = 0;
  const Frame f = FrameOf(games, low, high, series.front().limits);
  if (series.size() > 1) return SmallMultiples(series, f, title);
  Drawing d{kWidth, kHeight, 13, {}};
  d.Text(kWidth / 2, 26, title, Anchor::Middle, 15);
  const std::vector<FanPoint>& fan = series.front().fan;
  Fan(d, f, fan);
  Sessions(d, f, over);
  Median(d, f, fan, kMedian);
  Playing(d, f, fan, kPlaying);
  LegendRow(d, kShareBottom + kLegendBelow, FanLegend());
  Limits(d, f, series.front().limits);
  Axes(d, f, true);
  return d;
}

std::string FanChart(const std::vector<FanSeries>& series, const std::string& title) {
  return SvgOf(FanDrawing(series, title));
}

Drawing PathsDrawing(const std::vector<SessionCourse>& paths, const CourseLimits& limits, int32_t last_game,
                     const std::string& title) {
  double low = limits.min_balance;
  double high = limits.max_balance;
  // The game axis ends where the longest session drawn ended; the legend
  // names only the endings drawn.
  int32_t longest = paths.empty() ? last_game : 0;
  std::array<bool, kEndings> drawn{};
  for (const SessionCourse& path : paths) {
    longest = std::max(longest, static_cast<int32_t>(path.balances.size()) - 1);
    drawn[IndexOf(path.ending)] = true;
    for (double b : path.balances) {
      low = std::min(low, b);
      high = std::max(high, b);
    }
  }
  const Frame f = FrameOf(std::max(1, std::min(last_game, longest)), low, high, limits);
  Drawing d{kWidth, kBalanceBottom + kLegendBelow + 20, 13, {}};
  d.Text(kWidth / 2, 26, title, Anchor::Middle, 15);
  Sessions(d, f, paths);
  std::vector<LegendEntry> legend;
  for (std::size_t k = 0; k < kEndings; ++k) {
    if (!drawn[k]) continue;
    const EndingWords& ending = kEndingWords[k];
    legend.push_back(
        {LegendEntry::Swatch::Line, {{Look::Stroke, ending.colour}, {Look::StrokeWidth, "2"}}, ending.name});
  }
  LegendRow(d, kBalanceBottom + kLegendBelow, legend);
  Limits(d, f, limits);
  Axes(d, f, false);
  return d;
}

std::string PathsChart(const std::vector<SessionCourse>& paths, const CourseLimits& limits, int32_t last_game,
                       const std::string& title) {
  return SvgOf(PathsDrawing(paths, limits, last_game, title));
}
