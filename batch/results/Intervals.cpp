#include "batch/results/Intervals.h"

#include <algorithm>
#include <cmath>

#include "batch/results/BatchSummary.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

double NormalQuantile(double p) {
  // Acklam's rational approximation, then one Newton step on the error
  // function, good to about 1e-15.
  static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,  -2.759285104469687e+02,
                                 1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
  static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                                 6.680131188771972e+01, -1.328068155288572e+01};
  static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                                 -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
  static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                                 3.754408661907416e+00};
  const auto tail = [&](double q) {
    const double r = std::sqrt(-2 * std::log(q));
    return (((((c[0] * r + c[1]) * r + c[2]) * r + c[3]) * r + c[4]) * r + c[5]) /
           ((((d[0] * r + d[1]) * r + d[2]) * r + d[3]) * r + 1);
  };
  double x = 0;
  if (p < 0.02425) {
    x = tail(p);
  } else if (p > 1 - 0.02425) {
    x = -tail(1 - p);
  } else {
    const double q = p - 0.5, r = q * q;
    x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
        (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
  }
  const double error = 0.5 * std::erfc(-x / std::sqrt(2.0)) - p;
  const double u = error * std::sqrt(2 * kPi) * std::exp(x * x / 2);
  return x - u / (1 + x * u / 2);
}

double StudentQuantile(double p, double degrees) {
  // Exact for one and two degrees of freedom; beyond, the Cornish-Fisher
  // expansion about the normal quantile, within 1e-3 from three on.
  if (degrees <= 1) return std::tan(kPi * (p - 0.5));
  if (degrees <= 2) return (2 * p - 1) / std::sqrt(2 * p * (1 - p));
  const double z = NormalQuantile(p), z2 = z * z, n = degrees;
  const double g1 = (z2 + 1) * z / 4;
  const double g2 = ((5 * z2 + 16) * z2 + 3) * z / 96;
  const double g3 = (((3 * z2 + 19) * z2 + 17) * z2 - 15) * z / 384;
  const double g4 = ((((79 * z2 + 776) * z2 + 1482) * z2 - 1920) * z2 - 945) * z / 92160;
  return z + g1 / n + g2 / (n * n) + g3 / (n * n * n) + g4 / (n * n * n * n);
}

Interval WilsonInterval(double share, double n, double q) {
  if (!(n > 0)) return {0, 1};
  const double q2 = q * q;
  const double centre = (share + q2 / (2 * n)) / (1 + q2 / n);
  const double half = q / (1 + q2 / n) * std::sqrt(std::max(0.0, share * (1 - share) / n + q2 / (4 * n * n)));
  // At no successes (or no failures) the interval ends at 0 (or 1) itself.
  return {share <= 0 ? 0.0 : std::clamp(centre - half, 0.0, 1.0),
          share >= 1 ? 1.0 : std::clamp(centre + half, 0.0, 1.0)};
}

namespace {

double Of(const Spread& spread, Moment moment) { return spread[moment].Value(); }

// The variance of a mean of per-unit totals: sum and sum of squares over
// `count` units, divided by `per` (the sessions a unit).
double MeanVariance(double sum, double squares, double count, double per) {
  if (count < 2) return 0;
  return std::max(0.0, squares - sum * sum / count) / (count * (count - 1)) / (per * per);
}

// The variance of the ratio sum(a) / sum(b) over `count` units, from the
// sums of a², a·b and b².
double RatioVariance(double ratio, double b, double aa, double ab, double bb, double count) {
  if (count < 2 || b <= 0) return 0;
  const double mean_b = b / count;
  return std::max(0.0, aa - 2 * ratio * ab + ratio * ratio * bb) / (count * (count - 1) * mean_b * mean_b);
}

Interval Around(double value, double variance, double q) {
  const double half = q * std::sqrt(variance);
  return {value - half, value + half};
}

// The order statistics around the p-quantile of n counted balances.
Interval QuantileInterval(const std::map<int32_t, int64_t>& counts, double p, double z, double quanta) {
  int64_t n = 0;
  for (const auto& entry : counts) n += entry.second;
  if (n == 0) return {};
  const double middle = p * static_cast<double>(n), spread = z * std::sqrt(middle * (1 - p));
  const auto rank = [n](double at) { return std::clamp<int64_t>(static_cast<int64_t>(at), 0, n - 1); };
  return {AtRank(counts, rank(std::floor(middle - spread) - 1)) / quanta,
          AtRank(counts, rank(std::ceil(middle + spread))) / quanta};
}

}  // namespace

FigureErrors SampledErrors(const RunTally& tally) {
  const FigureValues values = SampledFigures(tally);
  const Spread& sp = tally.spread;
  const double sessions = std::max<double>(1, static_cast<double>(tally.sessions));
  const double runs = static_cast<double>(tally.runs);
  const bool by_runs = tally.runs >= 2;
  const double units = by_runs ? runs : sessions;
  const double per_run = by_runs ? sessions / runs : 1;
  const double quanta = tally.quanta;
  FigureErrors out{};
  for (std::size_t k = 0; k < kFigureCount; ++k) out[k] = {values[k], 0, by_runs ? runs - 1 : 0, 0, ErrorKind::Order};
  const auto at = [&out](Figure figure) -> FigureError& { return out[static_cast<std::size_t>(figure)]; };
  // A share: its variance over the runs where they are the unit, and the
  // trials it counts as, fewer by the design effect.
  const auto share = [&](Figure figure, double trials, double runs_variance) {
    FigureError& e = at(figure);
    e.kind = ErrorKind::Share;
    const double independent = trials > 0 ? e.value * (1 - e.value) / trials : 0;
    e.trials = trials;
    if (by_runs && independent > 0) e.trials = trials / std::max(1.0, runs_variance / independent);
    e.variance = e.trials > 0 ? e.value * (1 - e.value) / e.trials : 0;
  };
  const auto mean = [&](Figure figure, double variance) {
    at(figure).kind = ErrorKind::Mean;
    at(figure).variance = variance;
  };

  for (std::size_t k = 0; k < kEndings; ++k) {
    const double count = static_cast<double>(tally.ended[k]);
    share(static_cast<Figure>(k), sessions, by_runs ? MeanVariance(count, Of(sp, RunEnded(k)), runs, per_run) : 0);
  }
  int64_t played_count = 0;
  double balance_sum = 0;
  for (const auto& [balance, count] : tally.final_balances) {
    played_count += count;
    balance_sum += static_cast<double>(balance) * static_cast<double>(count);
  }
  const double played = static_cast<double>(played_count);
  share(Figure::PAtLeastCapital, played,
        by_runs ? RatioVariance(values[static_cast<std::size_t>(Figure::PAtLeastCapital)], played,
                                Of(sp, Moment::RunAtLeast), Of(sp, Moment::RunAtLeastByPlayed),
                                Of(sp, Moment::RunPlayed), runs)
                : 0);

  const double mean_balance = played > 0 ? balance_sum / played : 0;
  mean(Figure::MeanFinal, (by_runs ? RatioVariance(mean_balance, played, Of(sp, Moment::RunBalance),
                                                   Of(sp, Moment::RunBalanceByPlayed), Of(sp, Moment::RunPlayed), runs)
                                   : MeanVariance(balance_sum, Of(sp, Moment::SessionBalance), played, 1)) /
                              (quanta * quanta));
  const auto per_session = [&](Figure figure, double sum, Moment run_moment, Moment session_moment, double unit) {
    mean(figure, MeanVariance(sum, Of(sp, by_runs ? run_moment : session_moment), units, per_run) / (unit * unit));
  };
  per_session(Figure::MeanGames, static_cast<double>(tally.games), Moment::RunGames, Moment::SessionGames, 1);
  per_session(Figure::WageredPerSession, static_cast<double>(tally.wagered), Moment::RunWagered, Moment::SessionWagered,
              quanta);
  const double wagered = static_cast<double>(tally.wagered);
  const double per_unit = wagered > 0 ? static_cast<double>(tally.result) / wagered : 0;
  mean(Figure::ResultPerUnit,
       by_runs ? RatioVariance(per_unit, wagered, Of(sp, Moment::RunResult), Of(sp, Moment::RunResultByWagered),
                               Of(sp, Moment::RunWagered), runs)
               : RatioVariance(per_unit, wagered, Of(sp, Moment::SessionResult), Of(sp, Moment::SessionResultByWagered),
                               Of(sp, Moment::SessionWagered), sessions));
  return out;
}

double QuantileOf(double confidence, double degrees) {
  const double p = 1 - (1 - confidence) / 2;
  return degrees > 0 ? StudentQuantile(p, degrees) : NormalQuantile(p);
}

FigureIntervals SampledIntervals(const RunTally& tally, double confidence) {
  const FigureErrors errors = SampledErrors(tally);
  const double z = QuantileOf(confidence, 0);
  const double quanta = tally.quanta;
  FigureIntervals out{};
  for (std::size_t k = 0; k < kFigureCount; ++k) {
    const FigureError& e = errors[k];
    const double q = QuantileOf(confidence, e.degrees);
    if (e.kind == ErrorKind::Share) out[k] = WilsonInterval(e.value, e.trials, q);
    if (e.kind == ErrorKind::Mean) out[k] = Around(e.value, e.variance, q);
  }
  out[static_cast<std::size_t>(Figure::MedianFinal)] = QuantileInterval(tally.final_balances, 0.5, z, quanta);
  out[static_cast<std::size_t>(Figure::P5Final)] = QuantileInterval(tally.final_balances, 0.05, z, quanta);
  out[static_cast<std::size_t>(Figure::P95Final)] = QuantileInterval(tally.final_balances, 0.95, z, quanta);
  out[static_cast<std::size_t>(Figure::MedianGames)] = QuantileInterval(tally.session_games, 0.5, z, 1);
  out[static_cast<std::size_t>(Figure::P90Games)] = QuantileInterval(tally.session_games, 0.9, z, 1);
  return out;
}
