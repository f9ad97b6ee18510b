#pragma once

#include <optional>
#include <string>

// Why the batch program cannot go on: what kind of problem it is, which
// decides the exit code, and one line for the user that names the thing
// that is wrong.
enum class ProblemKind {
  BadInput,    // the command line, a setting or a settings file's form: exit 2
  Unreadable,  // a file that cannot be read, or whose content is refused: exit 1
  Unwritable,  // an output that cannot be written whole: exit 1
  Refused,     // settings the chosen method cannot compute within its bounds: exit 1
  Internal,    // the system failed us (memory, threads): exit 1
};

struct Problem {
  ProblemKind kind = ProblemKind::Internal;
  std::string text;
};

// What a step that may fail gives back: nothing, or its problem.
using MaybeProblem = std::optional<Problem>;

constexpr int ExitCodeOf(ProblemKind kind) { return kind == ProblemKind::BadInput ? 2 : 1; }
