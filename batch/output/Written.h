#pragma once

#include <string>

#include "batch/core/Problem.h"

// An output file's problem, where writing it gave a reason: the file named,
// what went wrong, unwritable; else none.
MaybeProblem NotWritten(const std::string& path, const std::string& reason);

// Writes an output file whole or not at all (FileAccess::WriteReplacing);
// an empty path asks for no file.
MaybeProblem WriteWhole(const std::string& path, const std::string& bytes);
