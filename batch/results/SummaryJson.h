#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

#include "batch/results/BatchResult.h"

// The batch program's summaries as JSON, with the keys the README lists,
// and the counts behind them, from which parts of a batch merge exactly.
using Json = nlohmann::ordered_json;

// The summary of a batch, with its counts; and of one cell of its sweep as
// its list of cells holds it.
Json ResultJson(const BatchResult& result);
Json SweepCellJson(const BatchResult& result, const CellResult& cell);
// The summary of the comparison's cell at that place of its list of cells,
// as `--system NAME` alone gives it, named by its system.
Json ComparedCellJson(const BatchResult& result, std::size_t index);

// The named settings: numbers as they were entered and as the program holds
// them, rows as arrays, options as true or false.
Json SettingsJson(const RunSettings& settings);

// The counts behind a summary, each field once, in the order the JSON
// keeps them; written and read (ShardReader) by these tables.
enum class CountKind : uint8_t {
  Whole,     // a whole number of int64_t
  Small,     // a whole number of int32_t
  Number,    // a double
  Money,     // an int64_t of quanta, written in units
  MoneySum,  // a double of quanta, written in units
  Flag,      // true or false
  Ended,     // how the sessions ended, by the endings' keys
  Balances,  // pairs of a final balance and how many ended there
  Games,     // pairs of a count of games and how many sessions played that many
};

template <class Record>
struct CountField {
  const char* key;
  CountKind kind;
  int64_t Record::*whole = nullptr;
  int32_t Record::*small = nullptr;
  double Record::*number = nullptr;
  bool Record::*flag = nullptr;
};

extern const std::vector<CountField<RunTally>> kTallyFields;
extern const std::vector<CountField<ExactRun>> kExactFields;

Json TallyJson(const RunTally& tally);
// The intervals of a tally's figures: the confidence, and a pair [low,
// high] for every figure's key.
Json IntervalsJson(const RunTally& tally, double confidence);
// The course of a session, a point a game.
Json FanJson(const std::vector<FanPoint>& fan, int32_t quanta);
Json ExactRunJson(const ExactRun& run);

// Money counted in quanta, in its units: a whole number where it is whole.
Json MoneyJson(int64_t quanta_count, int32_t quanta);
