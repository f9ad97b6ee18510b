#include "batch/results/Precision.h"

#include <algorithm>
#include <cmath>

#include "batch/results/Intervals.h"

namespace {

constexpr Figure kShownShares[] = {Figure::PMax,   Figure::PMin,  Figure::PLimit,
                                   Figure::PCheck, Figure::PNone, Figure::PAtLeastCapital};
constexpr Figure kMeans[] = {Figure::MeanFinal, Figure::MeanGames, Figure::WageredPerSession, Figure::ResultPerUnit};

}  // namespace

int64_t RunsForPrecision(const RunTally& tally, const Precision& precision, double confidence) {
  const FigureIntervals intervals = SampledIntervals(tally, confidence);
  const FigureValues values = SampledFigures(tally);
  // How many times wider than asked the widest interval is.
  double widest = 0;
  const auto weigh = [&](Figure figure, double allowed) {
    const Interval& interval = intervals[static_cast<std::size_t>(figure)];
    const double half = (interval.high - interval.low) / 2;
    if (half > 0) widest = std::max(widest, allowed > 0 ? half / allowed : INFINITY);
  };
  for (const Figure figure : kShownShares) weigh(figure, precision.share);
  if (precision.mean > 0) {
    for (const Figure figure : kMeans)
      weigh(figure, precision.mean * std::fabs(values[static_cast<std::size_t>(figure)]));
  }
  if (widest <= 1) return tally.runs;
  const double needed = static_cast<double>(tally.runs) * widest * widest;
  return needed >= 9e18 ? INT64_MAX : std::max(tally.runs + 1, static_cast<int64_t>(std::ceil(needed)));
}
