#pragma once

#include <string>

#include "batch/results/BatchResult.h"

// The pictures of the course of sessions, from a batch made or merged:
// the fan chart of its exact odds (of every system of a comparison, over
// one another), and the first sampled sessions, replayed from the
// batch's settings and first seeds (a run is the same whenever it is
// played, so only those sessions are ever kept). Empty where the batch
// holds nothing to draw.
std::string FanPicture(const BatchResult& result);
std::string PathsPicture(const BatchResult& result);
// The final balances of a run's sampled sessions, with the capital they
// started with and the balance limits marked; empty where none was sampled.
std::string HistogramPicture(const BatchResult& result);

// The most sessions the paths draw.
constexpr std::size_t kMostPaths = 50;
