#pragma once

#include <string>
#include <vector>

// An SVG grid of one figure over two sweeps: the first sweep across, the
// second up, each cell coloured by its value on a scale drawn beside it
// and labelled with the value where the cell is large enough. A missing
// cell (not a number) stays blank.
struct HeatmapAxis {
  std::string name;
  std::vector<double> values;
};

std::string Heatmap(const HeatmapAxis& across, const HeatmapAxis& up, const std::vector<std::vector<double>>& grid,
                    const std::string& figure, const std::string& subtitle);

// What a figure of the summary means, for titles: "p_max" is the chance of
// ending at the max balance or the wager limit.
std::string FigureTitle(const std::string& figure);
