#pragma once

#include <nlohmann/json.hpp>

#include <string>

#include "batch/results/BatchSummary.h"
#include "batch/exact/ExactOdds.h"
#include "batch/settings/RunSettings.h"

// The batch program's summaries as JSON, with the keys the README lists,
// and the counts behind them, from which parts of a batch merge exactly.
using Json = nlohmann::ordered_json;

// The named settings: numbers, rows as arrays, options as true or false.
Json SettingsJson(const RunSettings& settings);

// The sampled summary's keys (runs, sessions, seeds, ended, final_balance,
// wagered, result, result_per_unit, expected_per_unit). The seeds are the
// first and the last; where blocks were left out between them, the blocks
// as well.
void AddSampled(Json& out, const RunTally& tally, const std::vector<SeedBlock>& seeds);
// The "exact" object: shares of the run's sessions, the final balance,
// the wagered amount and the result per unit.
Json ExactJson(const ExactRun& run);

// The counts behind a sampled summary and an exact run, whole.
Json TallyJson(const RunTally& tally);
Json ExactRunJson(const ExactRun& run);
