#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "batch/core/Endings.h"
#include "batch/exact/ExactOdds.h"
#include "batch/output/Drawing.h"
#include "batch/sampling/FirstCourses.h"

// Pictures of the course of sessions over their games: the balance up the
// left, the game across, the capital and the balance limits drawn and
// labelled, and below, on the same game axis, the share of sessions that
// play each game.

struct CourseLimits {
  double capital = 0;
  double min_balance = 0;
  double max_balance = 0;
};

// One system's course, exactly: its name (for a legend), its points and
// its limits.
struct FanSeries {
  std::string name;
  std::vector<FanPoint> fan;
  CourseLimits limits;
};

// The percentile bands of one session's balance (5th to 95th, 25th to
// 75th) around the median, to the game by which all but a thousandth of
// the sessions have ended; of several systems, a panel each, named, two to
// a row, on the same axes.
// The chart as a drawing (its model), and as SVG. Sessions given as `over`
// (a run played beside its odds) are drawn as thin lines over the bands,
// coloured by how they ended, within the chart's frame.
Drawing FanDrawing(const std::vector<FanSeries>& series, const std::string& title,
                   const std::vector<SessionCourse>& over = {});
std::string FanChart(const std::vector<FanSeries>& series, const std::string& title);

// Sampled sessions, a thin line each: the balance before the first game
// and after every game it played, coloured by how it ended, to the game
// the longest ended; the legend names the endings drawn.
Drawing PathsDrawing(const std::vector<SessionCourse>& paths, const CourseLimits& limits, int32_t last_game,
                     const std::string& title);
std::string PathsChart(const std::vector<SessionCourse>& paths, const CourseLimits& limits, int32_t last_game,
                       const std::string& title);
