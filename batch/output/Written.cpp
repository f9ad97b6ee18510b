#include "batch/output/Written.h"

#include "files/FileAccess.h"
#include "files/FileErrors.h"

MaybeProblem NotWritten(const std::string& path, const std::string& reason) {
  if (reason.empty()) return std::nullopt;
  return Problem{ProblemKind::Unwritable, FileErrors::NotWritten(path, reason)};
}

MaybeProblem WriteWhole(const std::string& path, const std::string& bytes) {
  if (path.empty()) return std::nullopt;
  return NotWritten(path, FileAccess::WriteReplacing(path, bytes));
}
