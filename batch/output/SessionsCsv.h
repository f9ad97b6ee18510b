#pragma once

#include <string>

#include "batch/sampling/SampledRun.h"

// One field of RFC 4180 CSV: quoted when it holds a comma, a quote or a
// line break, with its quotes doubled.
std::string CsvField(const std::string& text);

// The header row of the sessions' CSV, and the rows of one run's sessions;
// every row ends with CR LF.
std::string SessionsCsvHeader();
std::string SessionsCsvRows(const RunOutcome& run);
