#include "batch/output/Heatmap.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "batch/output/Svg.h"
#include "batch/results/Printed.h"
#include "batch/settings/Sweep.h"

namespace {

constexpr double kWidth = 900;
constexpr double kHeight = 600;
constexpr double kLeft = 110;
constexpr double kRight = 150;
constexpr double kTop = 60;
constexpr double kBottom = 80;

std::string Format(const char* format, double value) {
  char text[48];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// From dark violet through teal to yellow: light where the figure is high.
struct Colour {
  int red, green, blue;
};
constexpr Colour kScale[] = {{68, 1, 84}, {59, 82, 139}, {33, 145, 140}, {94, 201, 98}, {253, 231, 37}};

Colour ColourAt(double t) {
  t = std::clamp(t, 0.0, 1.0) * 4;
  const auto low = std::min(3, static_cast<int>(t));
  const double f = t - low;
  const Colour& a = kScale[low];
  const Colour& b = kScale[low + 1];
  return {static_cast<int>(std::lround(a.red + f * (b.red - a.red))),
          static_cast<int>(std::lround(a.green + f * (b.green - a.green))),
          static_cast<int>(std::lround(a.blue + f * (b.blue - a.blue)))};
}

std::string Hex(const Colour& c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
  return text;
}

}  // namespace

Drawing HeatmapDrawing(const HeatmapAxis& across, const HeatmapAxis& up, const std::vector<std::vector<double>>& grid,
                       const FigureSpec& figure, const std::string& subtitle) {
  const auto shown = [&figure](double value) { return Format(figure.shown, value); };
  double low = INFINITY, high = -INFINITY;
  for (const auto& row : grid) {
    for (double value : row) {
      if (std::isnan(value)) continue;
      low = std::min(low, value);
      high = std::max(high, value);
    }
  }
  if (!(low <= high)) low = high = 0;
  const double span = high > low ? high - low : 1;
  const double cell_width = (kWidth - kLeft - kRight) / static_cast<double>(across.values.size());
  const double cell_height = (kHeight - kTop - kBottom) / static_cast<double>(up.values.size());
  const bool labelled = cell_width >= 44 && cell_height >= 18;
  const auto cell = [](Drawing& d, double x, double y, double width, double height, const Colour& colour) {
    d.Box(x, y, width, height, {{Look::Fill, Hex(colour)}}).box_size = BoxSize::Tenths;
  };

  Drawing d;
  d.width = kWidth;
  d.height = kHeight;
  d.font_size = 12;
  d.Text(kWidth / 2, 26, figure.title, Anchor::Middle, 16);
  d.Text(kWidth / 2, 46, subtitle, Anchor::Middle).paint = {{Look::Fill, "#555555"}};
  for (std::size_t i = 0; i < across.values.size(); ++i) {
    for (std::size_t j = 0; j < up.values.size(); ++j) {
      const double value = grid[i][j];
      const double x = kLeft + static_cast<double>(i) * cell_width;
      const double y = kHeight - kBottom - static_cast<double>(j + 1) * cell_height;
      if (std::isnan(value)) continue;
      const double t = (value - low) / span;
      cell(d, x, y, cell_width - 1, cell_height - 1, ColourAt(t));
      if (labelled) {
        d.Text(x + cell_width / 2, y + cell_height / 2 + 4, shown(value), Anchor::Middle).paint = {
            {Look::Fill, t > 0.6 ? "black" : "white"}};
      }
    }
  }
  // Ticks: every value where they fit, else every few.
  const auto every = [](std::size_t count, double room) {
    return std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(static_cast<double>(count) * 40 / room)));
  };
  const std::size_t across_step = every(across.values.size(), kWidth - kLeft - kRight);
  for (std::size_t i = 0; i < across.values.size(); i += across_step) {
    d.Text(kLeft + (static_cast<double>(i) + 0.5) * cell_width, kHeight - kBottom + 18, SweptValue(across.values[i]),
           Anchor::Middle);
  }
  const std::size_t up_step = every(up.values.size(), (kHeight - kTop - kBottom) * 2);
  for (std::size_t j = 0; j < up.values.size(); j += up_step) {
    d.Text(kLeft - 8, kHeight - kBottom - (static_cast<double>(j) + 0.5) * cell_height + 4, SweptValue(up.values[j]),
           Anchor::End);
  }
  d.Text((kLeft + kWidth - kRight) / 2, kHeight - 30, across.name, Anchor::Middle, 14);
  d.Text(24, (kTop + kHeight - kBottom) / 2, up.name, Anchor::Middle, 14, true);
  // The colour scale, high at the top.
  const double scale_x = kWidth - kRight + 30;
  constexpr int kSteps = 50;
  const double step_height = (kHeight - kTop - kBottom) / kSteps;
  for (int k = 0; k < kSteps; ++k) {
    cell(d, scale_x, kTop + k * step_height, 20, step_height + 0.5, ColourAt(1 - (k + 0.5) / kSteps));
  }
  // The scale's title: the figure it colours.
  d.Text(scale_x + 10, kTop - 10, figure.key, Anchor::Middle);
  d.Text(scale_x + 26, kTop + 4, shown(high), Anchor::Start);
  d.Text(scale_x + 26, kHeight - kBottom + 4, shown(low), Anchor::Start);
  return d;
}

std::string Heatmap(const HeatmapAxis& across, const HeatmapAxis& up, const std::vector<std::vector<double>>& grid,
                    const FigureSpec& figure, const std::string& subtitle) {
  return SvgOf(HeatmapDrawing(across, up, grid, figure, subtitle));
}

std::string SweepHeatmap(const BatchResult& result, const std::vector<std::vector<double>>& grid,
                         const FigureSpec& figure) {
  const HeatmapAxis across{result.axes[0].name, result.axes[0].values};
  const HeatmapAxis up{result.axes[1].name, result.axes[1].values};
  const std::string sessions = NamedValue(result.settings, "session_count");
  const std::string subtitle =
      (result.exact ? "exact odds" : Printed("%lld sampled runs a cell", static_cast<long long>(result.runs))) +
      ", runs of " + sessions + " sessions; " + PlayedName(result.settings) + "; the other settings as given";
  return Heatmap(across, up, grid, figure, subtitle);
}
