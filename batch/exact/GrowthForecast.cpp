#include "batch/exact/GrowthForecast.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kGrowthSpan = 5;
constexpr int32_t kSpansInGames = 16;
constexpr double kLeastGrowth = 1.01;
constexpr double kRisingPower = 0.1;
// A few states grow steeply for a while in many sessions that fit: Oscar's
// Grind's power rises by 0.11 a span around 2 MiB, where its rows are
// still filling.
constexpr double kLeastHeld = 8 << 20;

struct EarlyStop {
  double least_share_held;  // of what the budget leaves the pass
  double least_power;       // the later power
};
// Along the balance a row's length is bounded and only the rows multiply:
// Oscar's Grind's power rises while they fill, to 2.2 to 2.6 (capitals of
// 100 to 200, playing for twice as much), and never passed 3.3, where the
// lines of the Labouchères were stopped at 3.9 and more.
constexpr EarlyStop kAlongBalance{1.0 / 64, 3.5};
// Rows along what was wagered fill along two coordinates (the balance of
// the row, what was wagered along it) until the wager limit bounds them,
// and their power rises for longer: Oscar's Grind with a wager limit of
// 300 rises from 3.2 at game 11 to 5.3 at game 38 and 37 MiB, then falls,
// and fits in 436 MiB. A 16th of the budget spares it, and still stops the
// martingale's states under the en prison rule, which do outgrow every
// power, in about a second on the default limits.
constexpr EarlyStop kAlongWagered{1.0 / 16, 0};

}  // namespace

std::optional<GrowthStop> GrowthForecast::After(int32_t game, int64_t held, double room) {
  held_.push_back(held);
  const int32_t span = std::max(kGrowthSpan, game / kSpansInGames);
  if (game <= 2 * span) return std::nullopt;
  const auto held_after = [this, game](int32_t g) {
    return static_cast<double>(held_[held_.size() - 1 - static_cast<std::size_t>(game - g)]);
  };
  const int32_t middle = game - span;
  const int32_t early = middle - span;
  if (held_after(early) <= 0 || held_after(middle) <= 0) return std::nullopt;
  const auto power = [&](int32_t from, int32_t to) {
    return std::log(held_after(to) / held_after(from)) / std::log(static_cast<double>(to) / from);
  };
  const double later = power(middle, game);
  if (later <= 0 || later < power(early, middle) + kRisingPower) return std::nullopt;
  const double growth = std::pow(held_after(game) / held_after(middle), 1.0 / span);
  const EarlyStop& stop = axis_ == Axis::Wagered ? kAlongWagered : kAlongBalance;
  if (growth < kLeastGrowth || later < stop.least_power) return std::nullopt;
  if (static_cast<double>(held) < std::max(stop.least_share_held * room, kLeastHeld)) return std::nullopt;
  // At a power near 0 this is past any game, or infinite: compared before
  // it is a game.
  const double passing_at = game * std::pow(std::max(room / static_cast<double>(held), 1.0), 1 / later);
  // A margin of a span keeps a pass that would just fit from being stopped.
  if (!(std::ceil(passing_at) + kGrowthSpan < last_game_)) return std::nullopt;
  return GrowthStop{growth, static_cast<int32_t>(std::ceil(passing_at))};
}
