#include "batch/output/CourseCharts.h"

#include <algorithm>
#include <cmath>

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

// Colours told apart by hue and by lightness, with a dash each, so that
// systems stay apart in greyscale and for the common colour blindness.
struct Look {
  const char* colour;
  const char* dash;
};
constexpr Look kLooks[] = {{"#0072b2", "none"}, {"#d55e00", "8 4"},  {"#009e73", "2 3"}, {"#cc79a7", "10 3 2 3"},
                           {"#000000", "4 4"},  {"#e69f00", "12 4"}, {"#56b4e9", "1 2"}, {"#7f7f7f", "6 2 2 2"}};

struct Frame {
  int32_t games;
  double low;
  double high;
  double X(double game) const { return kLeft + (game - 0) / std::max(1, games) * (kWidth - kLeft - kRight); }
  double Y(double balance) const { return kBalanceBottom - (balance - low) / (high - low) * (kBalanceBottom - kTop); }
  double ShareY(double share) const { return kShareBottom - share * (kShareBottom - kShareTop); }
};

Frame FrameOf(int32_t games, double low, double high, const CourseLimits& limits) {
  low = std::min({low, limits.min_balance, limits.capital});
  high = std::max({high, limits.max_balance, limits.capital});
  const double margin = (high - low) * 0.04 + 1;
  return {games, std::max(0.0, low - margin), high + margin};
}

std::string Axes(const Frame& f, bool shares) {
  std::string svg;
  const double right = kWidth - kRight;
  svg += Svg::Line(kLeft, kBalanceBottom, right, kBalanceBottom, "stroke=\"black\"");
  svg += Svg::Line(kLeft, kTop, kLeft, kBalanceBottom, "stroke=\"black\"");
  const double step = Svg::TickStep(f.high - f.low, 6);
  for (double v = std::ceil(f.low / step) * step; v <= f.high + step * 1e-9; v += step) {
    svg += Svg::Line(kLeft - 5, f.Y(v), kLeft, f.Y(v), "stroke=\"black\"");
    svg += Svg::Text(kLeft - 8, f.Y(v) + 4, Svg::Number(v), "end");
  }
  const double bottom = shares ? kShareBottom : kBalanceBottom;
  const double game_step = Svg::TickStep(f.games, 8);
  for (double g = 0; g <= f.games + game_step * 1e-9; g += game_step) {
    svg += Svg::Line(f.X(g), bottom, f.X(g), bottom + 5, "stroke=\"black\"");
    svg += Svg::Text(f.X(g), bottom + 19, Svg::Number(g), "middle");
  }
  svg += Svg::Text((kLeft + right) / 2, bottom + 40, "game", "middle");
  const double middle = (kTop + kBalanceBottom) / 2;
  svg += Svg::Text(22, middle, "balance (units of money)", "middle",
                   " transform=\"rotate(-90 22 " + Svg::Coordinate(middle) + ")\"");
  if (shares) {
    svg += Svg::Line(kLeft, kShareBottom, right, kShareBottom, "stroke=\"black\"");
    svg += Svg::Line(kLeft, kShareTop, kLeft, kShareBottom, "stroke=\"black\"");
    for (int share = 0; share <= 100; share += 50) {
      svg += Svg::Line(kLeft - 5, f.ShareY(share / 100.0), kLeft, f.ShareY(share / 100.0), "stroke=\"black\"");
      svg += Svg::Text(kLeft - 8, f.ShareY(share / 100.0) + 4, Printed("%d %%", share), "end");
    }
    svg +=
        Svg::Text(kLeft + 6, kShareTop - 6, "share of the sessions that play the game", "start", " font-size=\"12\"");
  }
  return svg;
}

// The capital and the balance limits across the plot, named at its right.
std::string Limits(const Frame& f, const CourseLimits& limits) {
  std::string svg;
  const double right = kWidth - kRight;
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
    svg += Svg::Line(kLeft, y, right, y, std::string("stroke=\"#444444\" stroke-dasharray=\"") + mark.dash + "\"");
    // Labels of limits that lie close together are set apart.
    const double label = std::max(y + 4, last_label + 14);
    svg += Svg::Text(right + 6, label, mark.name + (" " + Svg::Number(mark.value)), "start", " font-size=\"12\"");
    last_label = label;
  }
  return svg;
}

// A polygon between two lines over the games.
std::string Band(const Frame& f, const std::vector<FanPoint>& fan, double FanPoint::*lower, double FanPoint::*upper,
                 const std::string& style) {
  std::string points;
  for (const FanPoint& p : fan) points += Svg::Coordinate(f.X(p.game)) + "," + Svg::Coordinate(f.Y(p.*upper)) + " ";
  for (auto it = fan.rbegin(); it != fan.rend(); ++it) {
    points += Svg::Coordinate(f.X(it->game)) + "," + Svg::Coordinate(f.Y((*it).*lower)) + " ";
  }
  return "<polygon points=\"" + points + "\" " + style + "/>\n";
}

std::string Polyline(const std::string& points, const std::string& style) {
  return "<polyline points=\"" + points + "\" fill=\"none\" " + style + "/>\n";
}

std::string Median(const Frame& f, const std::vector<FanPoint>& fan, const std::string& style) {
  std::string points;
  for (const FanPoint& p : fan) points += Svg::Coordinate(f.X(p.game)) + "," + Svg::Coordinate(f.Y(p.p50)) + " ";
  return Polyline(points, style);
}

std::string Playing(const Frame& f, const std::vector<FanPoint>& fan, const std::string& style) {
  std::string points;
  for (const FanPoint& p : fan)
    points += Svg::Coordinate(f.X(p.game)) + "," + Svg::Coordinate(f.ShareY(p.playing)) + " ";
  return Polyline(points, style);
}

std::string Style(const Look& look, double width) {
  return Printed("stroke=\"%s\" stroke-width=\"%.1f\" stroke-dasharray=\"%s\"", look.colour, width, look.dash);
}

// A legend in one row below the picture, where no label of a limit can
// lie: each entry a swatch (drawn at x, y) and its text.
struct LegendEntry {
  std::string swatch;  // an SVG element with X and Y for its place
  std::string text;
};

std::string LegendRow(double y, const std::vector<LegendEntry>& entries) {
  std::string svg;
  double x = kLeft;
  for (const LegendEntry& entry : entries) {
    std::string swatch = entry.swatch;
    for (const auto& [mark, value] : {std::pair{std::string("X1"), x}, std::pair{std::string("X2"), x + 24},
                                      std::pair{std::string("Y"), y - 4}, std::pair{std::string("T"), y - 10}}) {
      for (std::size_t at; (at = swatch.find("@" + mark + "@")) != std::string::npos;) {
        swatch.replace(at, mark.size() + 2, Svg::Coordinate(value));
      }
    }
    svg += swatch + Svg::Text(x + 30, y, entry.text, "start", " font-size=\"12\"");
    x += 48 + 6.4 * static_cast<double>(entry.text.size());
  }
  return svg;
}

std::string LineSwatch(const std::string& style) {
  return "<line x1=\"@X1@\" y1=\"@Y@\" x2=\"@X2@\" y2=\"@Y@\" " + style + "/>\n";
}

std::string BoxSwatch(const char* fill) {
  return std::string("<rect x=\"@X1@\" y=\"@T@\" width=\"24\" height=\"12\" fill=\"") + fill + "\"/>\n";
}

}  // namespace

std::string FanChart(const std::vector<FanSeries>& series, const std::string& title) {
  int32_t games = 1;
  double low = 1e300;
  double high = -1e300;
  for (const FanSeries& s : series) {
    for (const FanPoint& p : s.fan) {
      games = std::max(games, p.game);
      low = std::min(low, p.p5);
      high = std::max(high, p.p95);
    }
  }
  if (low > high) low = high = 0;
  const Frame f = FrameOf(games, low, high, series.front().limits);
  std::string svg = Svg::Start(kWidth, kHeight, 13);
  svg += Svg::Text(kWidth / 2, 26, Svg::Escaped(title), "middle", " font-size=\"15\"");
  if (series.size() == 1) {
    const std::vector<FanPoint>& fan = series.front().fan;
    svg += Band(f, fan, &FanPoint::p5, &FanPoint::p95, "fill=\"#c6dbef\"");
    svg += Band(f, fan, &FanPoint::p25, &FanPoint::p75, "fill=\"#6baed6\"");
    svg += Median(f, fan, "stroke=\"#08306b\" stroke-width=\"2.5\"");
    svg += Playing(f, fan, "stroke=\"#08306b\" stroke-width=\"2\"");
    svg += LegendRow(kShareBottom + kLegendBelow, {{BoxSwatch("#c6dbef"), "5th to 95th percentile"},
                                                   {BoxSwatch("#6baed6"), "25th to 75th percentile"},
                                                   {LineSwatch("stroke=\"#08306b\" stroke-width=\"2.5\""), "median"}});
  } else {
    for (std::size_t k = 0; k < series.size(); ++k) {
      const Look& look = kLooks[k % std::size(kLooks)];
      svg += Band(f, series[k].fan, &FanPoint::p5, &FanPoint::p95,
                  std::string("fill=\"") + look.colour + "\" fill-opacity=\"0.10\" stroke=\"" + look.colour +
                      "\" stroke-opacity=\"0.5\" stroke-width=\"0.8\"");
    }
    std::vector<LegendEntry> legend;
    for (std::size_t k = 0; k < series.size(); ++k) {
      const Look& look = kLooks[k % std::size(kLooks)];
      svg += Median(f, series[k].fan, Style(look, 2.5));
      svg += Playing(f, series[k].fan, Style(look, 2));
      legend.push_back({LineSwatch(Style(look, 2.5)), Svg::Escaped(series[k].name)});
    }
    legend.push_back({std::string(), "(lines: medians; shades: 5th to 95th percentile)"});
    svg += LegendRow(kShareBottom + kLegendBelow, legend);
  }
  svg += Limits(f, series.front().limits);
  svg += Axes(f, true);
  return svg + Svg::kEnd;
}

std::string PathsChart(const std::vector<SessionCourse>& paths, const CourseLimits& limits, int32_t last_game,
                       const std::string& title) {
  double low = limits.min_balance;
  double high = limits.max_balance;
  for (const SessionCourse& path : paths) {
    for (double b : path.balances) {
      low = std::min(low, b);
      high = std::max(high, b);
    }
  }
  const Frame f = FrameOf(std::max(1, last_game), low, high, limits);
  std::string svg = Svg::Start(kWidth, kBalanceBottom + kLegendBelow + 20, 13);
  svg += Svg::Text(kWidth / 2, 26, Svg::Escaped(title), "middle", " font-size=\"15\"");
  for (const SessionCourse& path : paths) {
    std::string points;
    for (std::size_t g = 0; g < path.balances.size(); ++g) {
      points += Svg::Coordinate(f.X(static_cast<double>(g))) + "," + Svg::Coordinate(f.Y(path.balances[g])) + " ";
    }
    const char* colour = kEndingWords[IndexOf(path.ending)].colour;
    svg += Polyline(points, std::string("stroke=\"") + colour + "\" stroke-width=\"1\" stroke-opacity=\"0.8\"");
  }
  std::vector<LegendEntry> legend;
  legend.reserve(kEndings);
  for (const EndingWords& ending : kEndingWords) {
    legend.push_back({LineSwatch(std::string("stroke=\"") + ending.colour + "\" stroke-width=\"2\""), ending.name});
  }
  svg += LegendRow(kBalanceBottom + kLegendBelow, legend);
  svg += Limits(f, limits);
  svg += Axes(f, false);
  return svg + Svg::kEnd;
}
