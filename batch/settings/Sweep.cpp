#include "batch/settings/Sweep.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "batch/core/Numbers.h"

namespace {

constexpr std::size_t kMostValues = 1000;

bool Number(const std::string& text, double& value) { return ReadNumber(text, value); }

}  // namespace

MaybeProblem ParseSweep(const std::string& text, SweepAxis& axis) {
  const std::size_t equals = text.find('=');
  axis.name = text.substr(0, equals);
  const std::string range = equals == std::string::npos ? std::string() : text.substr(equals + 1);
  const std::size_t first = range.find(':');
  const std::size_t second = first == std::string::npos ? first : range.find(':', first + 1);
  double from = 0, to = 0, step = 1;
  if (!IsNumericSetting(axis.name) || first == std::string::npos || !Number(range.substr(0, first), from) ||
      !Number(range.substr(first + 1, second - first - 1), to) ||
      (second != std::string::npos && !Number(range.substr(second + 1), step)) || step <= 0 || to < from) {
    return Problem{ProblemKind::BadInput,
                   "--sweep " + text + ": takes NAME=FROM:TO[:STEP] with FROM <= TO and a STEP above 0"};
  }
  axis.values.clear();
  for (double k = 0;; ++k) {
    const double value = from + k * step;
    if (value > to + step * 1e-9) break;
    if (axis.values.size() == kMostValues) {
      return Problem{ProblemKind::BadInput,
                     "--sweep " + text + ": more than " + std::to_string(kMostValues) + " values"};
    }
    axis.values.push_back(value);
  }
  RunSettings probe;
  for (double value : axis.values) {
    if (MaybeProblem problem = SetNumber(probe, axis.name, value)) {
      return Problem{ProblemKind::BadInput, "--sweep " + text + ": " + axis.name + " " + problem->text};
    }
  }
  return std::nullopt;
}

MaybeProblem CheckSweep(const RunSettings& base, const std::string& text, const SweepAxis& axis) {
  for (double value : axis.values) {
    RunSettings settings = base;
    if (MaybeProblem problem = SetNumber(settings, axis.name, value)) {
      return Problem{ProblemKind::BadInput,
                     "--sweep " + text + ": " + axis.name + " " + ExactText(value) + " " + problem->text};
    }
  }
  return std::nullopt;
}

int64_t SweepCellCount(const std::vector<SweepAxis>& axes) {
  int64_t cells = 1;
  for (const SweepAxis& axis : axes) cells *= static_cast<int64_t>(axis.values.size());
  return cells;
}

std::vector<double> SweepValuesAt(const std::vector<SweepAxis>& axes, int64_t cell) {
  std::vector<double> values(axes.size());
  for (std::size_t a = axes.size(); a-- > 0;) {
    const auto size = static_cast<int64_t>(axes[a].values.size());
    values[a] = axes[a].values[static_cast<std::size_t>(cell % size)];
    cell /= size;
  }
  return values;
}

RunSettings SweepSettingsAt(const RunSettings& base, const std::vector<SweepAxis>& axes, int64_t cell) {
  RunSettings settings = base;
  const std::vector<double> values = SweepValuesAt(axes, cell);
  // Every value was checked when the sweep was read.
  for (std::size_t a = 0; a < axes.size(); ++a) (void)SetNumber(settings, axes[a].name, values[a]);
  return settings;
}

std::string SweptValue(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}
