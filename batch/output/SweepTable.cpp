#include "batch/output/SweepTable.h"

#include "batch/output/SessionsCsv.h"
#include "batch/results/Figures.h"
#include "batch/results/Intervals.h"
#include "batch/results/Printed.h"

std::string FigureColumns(const FigureFieldsOf& fields) {
  std::string header;
  for (const FigureSpec& item : kFigures) header += std::string(",") + item.key;
  if (fields.exact_beside) {
    for (const FigureSpec& item : kFigures) header += std::string(",exact_") + item.key;
  }
  // The sampled figures' intervals last, so that the columns before keep
  // their places.
  if (fields.intervals) {
    for (const FigureSpec& item : kFigures) header += std::string(",") + item.key + "_low," + item.key + "_high";
  }
  return header.substr(1);
}

std::string FigureFields(const FigureFieldsOf& fields, const CellResult& cell) {
  std::string row;
  for (double value : cell.tally ? SampledFigures(*cell.tally) : ExactFigureValues(*cell.exact)) {
    row += Printed(",%.10g", value);
  }
  if (fields.exact_beside && cell.exact) {
    for (double value : ExactFigureValues(*cell.exact)) row += Printed(",%.10g", value);
  } else if (fields.exact_beside) {
    row += std::string(kFigureCount, ',');
  }
  if (fields.intervals && cell.tally) {
    for (const Interval& interval : SampledIntervals(*cell.tally, fields.confidence)) {
      row += Printed(",%.10g,%.10g", interval.low, interval.high);
    }
  } else if (fields.intervals) {
    row += std::string(2 * kFigureCount, ',');
  }
  return row.substr(1);
}

FigureFieldsOf FieldsOfSweep(const BatchResult& result) {
  return {result.sampled && result.exact, result.sampled, result.confidence};
}

std::string SweepTableHead(const BatchResult& result) {
  std::string csv;
  for (const SweepAxis& axis : result.axes) csv += CsvField(axis.name) + ",";
  return csv + FigureColumns(FieldsOfSweep(result)) + "\r\n";
}

std::string SweepTableRow(const BatchResult& result, const CellResult& cell) {
  std::string csv;
  for (double value : cell.values) csv += SweptValue(value) + ",";
  return csv + FigureFields(FieldsOfSweep(result), cell) + "\r\n";
}
