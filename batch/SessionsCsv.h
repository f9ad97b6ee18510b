#pragma once

#include <string>
#include <vector>

#include "batch/BatchRun.h"

// One field of RFC 4180 CSV: quoted when it holds a comma, a quote or a
// line break, with its quotes doubled.
std::string CsvField(const std::string& text);

// A header row, then one row per session of every run, in run order; every
// row ends with CR LF.
std::string SessionsCsv(const std::vector<RunOutcome>& runs);
