#include "batch/results/Differences.h"

#include <algorithm>
#include <cmath>

const Figure kComparedFigures[8] = {Figure::PMax,
                                    Figure::PMin,
                                    Figure::PLimit,
                                    Figure::PAtLeastCapital,
                                    Figure::MeanFinal,
                                    Figure::MeanGames,
                                    Figure::WageredPerSession,
                                    Figure::ResultPerUnit};

namespace {

Interval Newcombe(const FigureError& a, const FigureError& b, double confidence) {
  const Interval ia = WilsonInterval(a.value, a.trials, QuantileOf(confidence, a.degrees));
  const Interval ib = WilsonInterval(b.value, b.trials, QuantileOf(confidence, b.degrees));
  const double d = a.value - b.value;
  return {d - std::hypot(a.value - ia.low, ib.high - b.value), d + std::hypot(ia.high - a.value, b.value - ib.low)};
}

Interval OfMeans(const FigureError& a, const FigureError& b, double confidence) {
  const double half = QuantileOf(confidence, std::min(a.degrees, b.degrees)) * std::sqrt(a.variance + b.variance);
  const double d = a.value - b.value;
  return {d - half, d + half};
}

}  // namespace

std::vector<Difference> SampledDifferences(const BatchResult& comparison) {
  std::vector<Difference> out;
  if (!comparison.sampled) return out;
  std::vector<FigureErrors> errors;
  errors.reserve(comparison.cells.size());
  for (const CellResult& cell : comparison.cells) errors.push_back(SampledErrors(*cell.tally));
  for (std::size_t i = 0; i < errors.size(); ++i) {
    for (std::size_t j = i + 1; j < errors.size(); ++j) {
      for (const Figure figure : kComparedFigures) {
        const FigureError& a = errors[i][static_cast<std::size_t>(figure)];
        const FigureError& b = errors[j][static_cast<std::size_t>(figure)];
        Difference d;
        d.first = i;
        d.second = j;
        d.figure = figure;
        d.difference = a.value - b.value;
        d.interval =
            a.kind == ErrorKind::Share ? Newcombe(a, b, comparison.confidence) : OfMeans(a, b, comparison.confidence);
        d.clear = d.interval.low > 0 || d.interval.high < 0;
        d.larger = d.interval.low > 0 ? i : j;
        out.push_back(d);
      }
    }
  }
  return out;
}
