#include "batch/output/SweepTable.h"

#include "batch/output/SessionsCsv.h"
#include "batch/results/Figures.h"
#include "batch/results/Intervals.h"
#include "batch/results/Printed.h"

std::string SweepTableHead(const BatchResult& result) {
  std::string csv;
  for (const SweepAxis& axis : result.axes) csv += CsvField(axis.name) + ",";
  std::string header;
  for (const FigureSpec& item : kFigures) header += std::string(",") + item.key;
  csv += header.substr(1);
  if (result.sampled && result.exact) {
    for (const FigureSpec& item : kFigures) csv += std::string(",exact_") + item.key;
  }
  // The sampled figures' intervals last, so that the columns before keep
  // their places.
  if (result.sampled) {
    for (const FigureSpec& item : kFigures) csv += std::string(",") + item.key + "_low," + item.key + "_high";
  }
  return csv + "\r\n";
}

std::string SweepTableRow(const BatchResult& result, const CellResult& cell) {
  std::string csv;
  for (double value : cell.values) csv += SweptValue(value) + ",";
  const FigureValues first = cell.tally ? SampledFigures(*cell.tally) : ExactFigureValues(*cell.exact);
  std::string row;
  for (double value : first) row += Printed(",%.10g", value);
  if (result.sampled && result.exact) {
    for (double value : ExactFigureValues(*cell.exact)) row += Printed(",%.10g", value);
  }
  if (result.sampled) {
    for (const Interval& interval : SampledIntervals(*cell.tally, result.confidence)) {
      row += Printed(",%.10g,%.10g", interval.low, interval.high);
    }
  }
  return csv + row.substr(1) + "\r\n";
}
