#pragma once

#include <string>

#include "batch/cli/BatchOptions.h"
#include "batch/core/Problem.h"
#include "batch/results/BatchResult.h"

// The pictures of the course of sessions, from a batch made or merged:
// the fan chart of its exact odds (of every system of a comparison, over
// one another), and the first sampled sessions, replayed from the
// batch's settings and first seeds (a run is the same whenever it is
// played, so only those sessions are ever kept). Empty where the batch
// holds nothing to draw.
std::string FanPicture(const BatchResult& result);
std::string PathsPicture(const BatchResult& result);

// How much of the first session's course a command's exact odds keep: all
// of it where it draws the fan or the page, else where it costs little,
// so that shards carry it to a merge that draws it.
FanCourse FanOf(const BatchOptions& options);

// The most sessions the paths draw.
constexpr int32_t kMostPaths = 50;

// --fan and --paths, each written whole; a picture asked for that the
// batch cannot give is a problem.
MaybeProblem WriteCoursePictures(const BatchOptions& options, const BatchResult& result);
