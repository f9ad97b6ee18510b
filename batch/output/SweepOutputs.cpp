#include "batch/output/SweepOutputs.h"

#include <cmath>

#include "batch/output/Heatmap.h"
#include "batch/output/StandardOutput.h"
#include "batch/output/SweepTable.h"
#include "batch/output/TextOutput.h"
#include "batch/results/SummaryJson.h"
#include "files/FileErrors.h"

namespace {

// Each line of a cell's own JSON, indented as the cells' list indents it.
std::string Indented(const std::string& text, const std::string& indent) {
  std::string out = indent;
  for (char c : text) {
    out += c;
    if (c == '\n') out += indent;
  }
  return out;
}

constexpr const char* kCellsPlace = "\"cells\": []";

}  // namespace

SweepOutputs::SweepOutputs(const OutputChoice& options, const BatchResult& head, int64_t cells)
    : options_(options), head_(head), cells_(cells) {
  if (!options_.heatmap.empty() || (!options_.html.empty() && head_.axes.size() == 2)) {
    grid_.assign(head_.axes[0].values.size(), std::vector<double>(head_.axes[1].values.size(), NAN));
  }
}

MaybeProblem SweepOutputs::Start() {
  if (!options_.table.empty()) {
    table_ = std::make_unique<FileAccess::Replacement>(options_.table);
    if (!table_->Problem().empty()) {
      return Problem{ProblemKind::Unwritable, FileErrors::NotWritten(options_.table, table_->Problem())};
    }
    table_->Write(SweepTableHead(head_));
  }
  if (!options_.json) {
    StandardOutput::Write(SweepTextHead(head_, cells_));
    return std::nullopt;
  }
  // The whole summary with no cells, printed around them.
  const std::string whole = ResultJson(head_).dump(2);
  const std::size_t place = whole.find(kCellsPlace);
  const std::size_t open = place + std::string(kCellsPlace).size() - 1;
  StandardOutput::Write(whole.substr(0, open) + (cells_ > 0 ? "\n" : ""));
  json_tail_ = (cells_ > 0 ? "\n  " : "") + whole.substr(open) + "\n";
  return std::nullopt;
}

void SweepOutputs::Add(int64_t index, const CellResult& cell) {
  if (table_) table_->Write(SweepTableRow(head_, cell));
  if (!grid_.empty()) {
    const auto size = static_cast<int64_t>(head_.axes[1].values.size());
    grid_[static_cast<std::size_t>(index / size)][static_cast<std::size_t>(index % size)] =
        Of(cell.exact ? ExactFigureValues(*cell.exact) : SampledFigures(*cell.tally), options_.show->figure);
  }
  if (!options_.html.empty() && page_rows_.size() < kMostPageRows) {
    std::vector<std::string> row;
    for (double value : cell.values) row.push_back(SweptValue(value));
    const FigureValues values = cell.exact ? ExactFigureValues(*cell.exact) : SampledFigures(*cell.tally);
    for (const FigureSpec& item : kFigures) {
      if (item.showable) row.push_back(FigureText(item, Of(values, item.figure)));
    }
    page_rows_.push_back(std::move(row));
  }
  if (options_.json) {
    StandardOutput::Write((added_ > 0 ? ",\n" : "") + Indented(SweepCellJson(head_, cell).dump(2), "    "));
  } else {
    StandardOutput::Write(SweepTextRow(cell));
  }
  ++added_;
}

MaybeProblem SweepOutputs::Finish() {
  if (options_.json) StandardOutput::Write(json_tail_);
  if (!options_.heatmap.empty()) {
    const std::string reason = FileAccess::WriteReplacing(options_.heatmap, SweepHeatmap(head_, grid_, *options_.show));
    if (!reason.empty()) return Problem{ProblemKind::Unwritable, FileErrors::NotWritten(options_.heatmap, reason)};
  }
  if (table_) {
    const std::string reason = table_->Commit();
    if (!reason.empty()) return Problem{ProblemKind::Unwritable, FileErrors::NotWritten(options_.table, reason)};
  }
  return std::nullopt;
}
