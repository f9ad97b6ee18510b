#pragma once

#include <string>
#include <vector>

#include "batch/output/Drawing.h"
#include "batch/results/BatchResult.h"
#include "batch/results/Figures.h"

// A grid of one figure over two sweeps: the first sweep across, the
// second up, each cell coloured by its value on a scale drawn beside it
// and labelled with the value where the cell is large enough. A missing
// cell (not a number) stays blank.
struct HeatmapAxis {
  std::string name;
  std::vector<double> values;
};

Drawing HeatmapDrawing(const HeatmapAxis& across, const HeatmapAxis& up, const std::vector<std::vector<double>>& grid,
                       const FigureSpec& figure, const std::string& subtitle);
std::string Heatmap(const HeatmapAxis& across, const HeatmapAxis& up, const std::vector<std::vector<double>>& grid,
                    const FigureSpec& figure, const std::string& subtitle);

// The heat map of a two-sweep batch from its grid of one figure (NaN where
// a cell is missing), indexed [across][up].
std::string SweepHeatmap(const BatchResult& result, const std::vector<std::vector<double>>& grid,
                         const FigureSpec& figure);
