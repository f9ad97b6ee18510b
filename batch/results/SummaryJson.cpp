#include "batch/results/SummaryJson.h"

#include <cmath>

#include "batch/core/Version.h"
#include "batch/results/BatchSummary.h"
#include "batch/results/Differences.h"
#include "batch/results/Intervals.h"

namespace {

template <class Count>
Json EndedJson(const EndingCounts<Count>& ended, double per = 1) {
  Json out = Json::object();
  for (std::size_t k = 0; k < kEndings; ++k) out[kEndingWords[k].key] = ended[k] / per;
  return out;
}

Json EndedJson(const EndingCounts<int64_t>& ended) {
  Json out = Json::object();
  for (std::size_t k = 0; k < kEndings; ++k) out[kEndingWords[k].key] = ended[k];
  return out;
}

template <class Record>
Json CountsJson(const Record& record, const std::vector<CountField<Record>>& fields) {
  Json out = Json::object();
  for (const CountField<Record>& field : fields) {
    switch (field.kind) {
      case CountKind::Whole: out[field.key] = record.*field.whole; break;
      case CountKind::Small: out[field.key] = record.*field.small; break;
      case CountKind::Number: out[field.key] = record.*field.number; break;
      case CountKind::Money: out[field.key] = MoneyJson(record.*field.whole, record.quanta); break;
      case CountKind::MoneySum: out[field.key] = record.*field.number / record.quanta; break;
      case CountKind::Flag: out[field.key] = record.*field.flag; break;
      case CountKind::Ended: out[field.key] = EndedJson(record.ended); break;
      case CountKind::Balances: {
        Json pairs = Json::array();
        for (const auto& [balance, count] : record.final_balances) {
          pairs.push_back({MoneyJson(balance, record.quanta), count});
        }
        out[field.key] = pairs;
        break;
      }
      case CountKind::Games: {
        Json pairs = Json::array();
        for (const auto& [games, count] : record.session_games) pairs.push_back({games, count});
        out[field.key] = pairs;
        break;
      }
    }
  }
  return out;
}

// How long a session lasts, in games, and in hours at the asked pace.
Json GamesJson(double mean, double median, double p90, double spins_per_hour) {
  Json games = {{"mean", mean}, {"median", median}, {"p90", p90}};
  if (spins_per_hour > 0) {
    games["spins_per_hour"] = spins_per_hour;
    games["hours"] = {
        {"mean", mean / spins_per_hour}, {"median", median / spins_per_hour}, {"p90", p90 / spins_per_hour}};
  }
  return games;
}

// The sampled summary's keys. The seeds are the first and the last; where
// blocks were left out between them, the blocks as well.
void AddSampled(Json& out, const RunTally& tally, const std::vector<SeedBlock>& seeds, double confidence,
                double spins_per_hour) {
  const BatchSummary s = Summarise(tally);
  out["runs"] = tally.runs;
  out["sessions"] = s.sessions;
  out["seeds"] = {{"first", seeds.front().first}, {"last", seeds.back().second}};
  if (seeds.size() > 1) {
    Json blocks = Json::array();
    for (const SeedBlock& block : seeds) blocks.push_back({{"first", block.first}, {"last", block.second}});
    out["seeds"]["blocks"] = blocks;
  }
  out["ended"] = EndedJson(s.ended);
  out["final_balance"] = {{"mean", s.mean},         {"median", s.median}, {"p5", s.percentile_5},
                          {"p95", s.percentile_95}, {"min", s.minimum},   {"max", s.maximum}};
  out["wagered"] = MoneyJson(s.wagered, s.quanta);
  out["mean_games"] = s.mean_games;
  out["games"] = GamesJson(s.mean_games, s.median_games, s.p90_games, spins_per_hour);
  out["result"] = MoneyJson(s.result, s.quanta);
  out["result_per_unit"] = {{"value", s.per_unit}, {"ci95", {s.interval_low, s.interval_high}}};
  out["expected_per_unit"] = s.expected_per_unit;
  out["intervals"] = IntervalsJson(tally, confidence);
}

// The "exact" object: shares of the run's sessions, the final balance, the
// wagered amount and the result per unit.
Json ExactJson(const ExactRun& run, double spins_per_hour) {
  const ExactFigures f = FiguresOf(run);
  const double n = run.sessions > 0 ? static_cast<double>(run.sessions) : 1;
  return Json{{"sessions", run.sessions},
              {"ended", EndedJson(run.ended, n)},
              {"final_balance",
               {{"mean", f.mean},
                {"median", f.median},
                {"p5", f.percentile_5},
                {"p95", f.percentile_95},
                {"p_at_least_capital", f.at_least_capital}}},
              {"wagered_per_session", f.wagered_per_session},
              {"mean_games", f.mean_games},
              {"games", GamesJson(f.mean_games, f.median_games, f.p90_games, spins_per_hour)},
              {"result_per_unit", f.result_per_unit}};
}

// A cell's JSON: the summary keys of what it holds, and its counts.
Json CellJson(const BatchResult& result, const CellResult& cell) {
  Json out = Json::object();
  if (cell.tally) AddSampled(out, *cell.tally, CellSeeds(result), result.confidence, result.spins_per_hour);
  if (result.axes.empty()) out["settings"] = SettingsJson(result.settings);
  if (cell.exact) out["exact"] = ExactJson(*cell.exact, result.spins_per_hour);
  if (cell.exact && !cell.exact->fan.empty()) out["fan"] = FanJson(cell.exact->fan, cell.exact->quanta);
  Json counts = Json::object();
  if (cell.tally) counts["tally"] = TallyJson(*cell.tally);
  if (cell.exact) counts["exact"] = ExactRunJson(*cell.exact);
  out["counts"] = counts;
  return out;
}

}  // namespace

Json MoneyJson(int64_t quanta_count, int32_t quanta) {
  if (quanta_count % quanta == 0) return quanta_count / quanta;
  return static_cast<double>(quanta_count) / quanta;
}

// A balance in units, written as the money it is.
Json Balance(double units, int32_t quanta) { return MoneyJson(std::llround(units * quanta), quanta); }

// The course of a session, a point a game.
Json FanJson(const std::vector<FanPoint>& fan, int32_t quanta) {
  Json out = Json::array();
  for (const FanPoint& point : fan) {
    out.push_back({{"game", point.game},
                   {"playing", point.playing},
                   {"p5", Balance(point.p5, quanta)},
                   {"p25", Balance(point.p25, quanta)},
                   {"p50", Balance(point.p50, quanta)},
                   {"p75", Balance(point.p75, quanta)},
                   {"p95", Balance(point.p95, quanta)}});
  }
  return out;
}

const std::vector<CountField<RunTally>> kTallyFields = {
    {"runs", CountKind::Whole, &RunTally::runs},
    {"sessions", CountKind::Whole, &RunTally::sessions},
    {"ended", CountKind::Ended},
    {"final_balances", CountKind::Balances},
    {"games", CountKind::Whole, &RunTally::games},
    {"session_games", CountKind::Games},
    {"wagered", CountKind::Money, &RunTally::wagered},
    {"result", CountKind::Money, &RunTally::result},
    {"wagered_on_red", CountKind::Whole, &RunTally::wagered_on_red},
    {"wagered_on_black", CountKind::Whole, &RunTally::wagered_on_black},
    {"squared_bets", CountKind::Whole, &RunTally::squared_bets},
    {"double_zero", CountKind::Flag, nullptr, nullptr, nullptr, &RunTally::double_zero},
};

const std::vector<CountField<ExactRun>> kExactFields = {
    {"sessions", CountKind::Whole, &ExactRun::sessions},
    {"ended", CountKind::Ended},
    {"played", CountKind::Number, nullptr, nullptr, &ExactRun::played},
    {"final_balances", CountKind::Balances},
    {"games", CountKind::Number, nullptr, nullptr, &ExactRun::games},
    {"session_games", CountKind::Games},
    {"wagered", CountKind::MoneySum, nullptr, nullptr, &ExactRun::wagered},
    {"result", CountKind::MoneySum, nullptr, nullptr, &ExactRun::result},
    {"capital", CountKind::Small, nullptr, &ExactRun::capital},
};

Json TallyJson(const RunTally& tally) {
  Json out = CountsJson(tally, kTallyFields);
  // In decimal digits: the sums pass what a JSON number holds exactly.
  Json spread = Json::object();
  for (std::size_t k = 0; k < kMoments; ++k) spread[kMomentSpecs[k].key] = tally.spread.sums[k].Text();
  out["spread"] = spread;
  return out;
}

Json IntervalsJson(const RunTally& tally, double confidence) {
  const FigureIntervals intervals = SampledIntervals(tally, confidence);
  Json out = {{"confidence", confidence}};
  for (const FigureSpec& item : kFigures) {
    const Interval& interval = intervals[static_cast<std::size_t>(item.figure)];
    out[item.key] = {interval.low, interval.high};
  }
  return out;
}

Json ExactRunJson(const ExactRun& run) { return CountsJson(run, kExactFields); }

Json SettingsJson(const RunSettings& settings) {
  Json out = Json::object();
  for (const SettingSpec& item : kSettings) {
    switch (item.kind) {
      case SettingKind::Number: out[item.name] = settings.*item.number - item.offset; break;
      case SettingKind::Row: out[item.name] = settings.*item.row; break;
      case SettingKind::Option: out[item.name] = settings.*item.option; break;
      case SettingKind::System:
      case SettingKind::ZeroRule: out[item.name] = NamedValue(settings, item.name); break;
      case SettingKind::Line: {
        const StartLine& line = settings.*item.line;
        out[item.name] = std::vector<int32_t>(line.units.begin(), line.units.begin() + line.length);
        break;
      }
    }
    const std::string given = GivenLimit(settings, item.name);
    if (!given.empty()) out["given"][item.name] = given;
  }
  // A preset by its name while the rows are its own, as the pictures name it.
  if (settings.preset && settings.wins_follow_preset && settings.losses_follow_preset) {
    out["preset"] = settings.preset->name;
  }
  return out;
}

Json SweepCellJson(const BatchResult& result, const CellResult& cell) {
  Json values = Json::object();
  for (std::size_t a = 0; a < result.axes.size(); ++a) values[result.axes[a].name] = cell.values[a];
  Json one = {{"values", values}};
  one.update(CellJson(result, cell));
  return one;
}

// Every pair of the systems and figure weighed: the difference of the
// first's figure less the second's, its interval, and the larger system
// (null where the interval holds 0).
Json DifferencesJson(const BatchResult& result) {
  Json out = Json::array();
  for (const Difference& d : SampledDifferences(result)) {
    const auto name = [&result](std::size_t cell) {
      return result.compared[static_cast<std::size_t>(result.part_begin) + cell];
    };
    out.push_back({{"systems", {name(d.first), name(d.second)}},
                   {"figure", kFigures[static_cast<std::size_t>(d.figure)].key},
                   {"difference", d.difference},
                   {"interval", {d.interval.low, d.interval.high}},
                   {"larger", d.clear ? Json(name(d.larger)) : Json(nullptr)}});
  }
  return out;
}

Json ComparedCellJson(const BatchResult& result, std::size_t index) {
  Json one = {{"system", result.compared[static_cast<std::size_t>(result.part_begin) + index]}};
  one.update(ResultJson(ComparedBatch(result, result.cells[index])));
  return one;
}

Json ResultJson(const BatchResult& result) {
  Json out = Json::object();
  if (!result.compared.empty()) {
    out["compare"] = result.compared;
    if (result.compared_files > 0) out["compared_files"] = result.compared_files;
    out["settings"] = SettingsJson(result.settings);
    Json systems = Json::array();
    for (std::size_t k = 0; k < result.cells.size(); ++k) systems.push_back(ComparedCellJson(result, k));
    out["systems"] = systems;
    if (result.sampled && result.cells.size() == result.compared.size()) out["differences"] = DifferencesJson(result);
  } else if (result.axes.empty()) {
    out = CellJson(result, result.cells.front());
  } else {
    Json axes = Json::array();
    for (const SweepAxis& axis : result.axes) axes.push_back({{"name", axis.name}, {"values", axis.values}});
    out["sweep"] = axes;
    if (result.sampled) out["runs_per_cell"] = result.runs;
    if (result.sampled) out["first_seed"] = result.first_seed;
    out["settings"] = SettingsJson(result.settings);
    Json cells = Json::array();
    for (const CellResult& cell : result.cells) cells.push_back(SweepCellJson(result, cell));
    out["cells"] = cells;
  }
  out["version"] = kProgramVersion;
  out["batch"] = {
      {"sampled", result.sampled}, {"exact", result.exact}, {"runs", result.runs}, {"first_seed", result.first_seed}};
  if (result.sampled || result.precision) out["batch"]["confidence"] = result.confidence;
  if (result.spins_per_hour > 0) out["batch"]["spins_per_hour"] = result.spins_per_hour;
  if (result.precision) {
    out["batch"]["precision"] = {{"share", result.precision->share},
                                 {"mean", result.precision->mean > 0 ? Json(result.precision->mean) : Json(nullptr)},
                                 {"reached", result.precise}};
  }
  if (result.part_count > 1) {
    out["part"] = {{"index", result.part_index},
                   {"count", result.part_count},
                   {"begin", result.part_begin},
                   {"end", result.part_end}};
  }
  return out;
}
