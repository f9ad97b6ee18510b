#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "batch/exact/ExactOdds.h"
#include "batch/sampling/RunTally.h"

// The figures a batch reports of a cell, in one table: the key by which
// --show, the sweep's table and its text know one, its title in a picture,
// and how a picture's cell shows it; computed from a cell's sampled runs
// or its exact odds, per session of the run.
enum class Figure : uint8_t {
  PMax,
  PMin,
  PLimit,
  PCheck,
  PNone,
  MeanFinal,
  MedianFinal,
  P5Final,
  P95Final,
  PAtLeastCapital,
  WageredPerSession,
  MeanGames,
  MedianGames,
  P90Games,
  ResultPerUnit,
};
constexpr std::size_t kFigureCount = 15;

struct FigureSpec {
  Figure figure;
  const char* key;
  const char* title;   // for a picture of it
  const char* shown;   // a picture's cell: printf format of the value
  const char* column;  // a sweep's text: printf format of its column
  bool showable;       // a heat map, and the text of a sweep, show it
};
extern const std::array<FigureSpec, kFigureCount> kFigures;

// The figure of that key, or null.
const FigureSpec* FindFigure(const std::string& key);
// The keys of the figures a heat map can show, in the table's order.
std::string ShowableKeys(const char* separator);

// A figure's value as a table shows it: a share with five decimals, money
// with two, the result per unit wagered signed.
std::string FigureText(const FigureSpec& item, double value);

using FigureValues = std::array<double, kFigureCount>;
FigureValues SampledFigures(const RunTally& tally);
FigureValues ExactFigureValues(const ExactRun& run);
inline double Of(const FigureValues& values, Figure figure) { return values[static_cast<std::size_t>(figure)]; }
