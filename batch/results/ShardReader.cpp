#include "batch/results/ShardReader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>

#include "batch/core/Limits.h"
#include "batch/core/ShownName.h"
#include "batch/core/Version.h"
#include "batch/results/SummaryJson.h"
#include "batch/results/CheckedJson.h"
#include "batch/results/Intervals.h"
#include "batch/settings/Systems.h"
#include "files/FileAccess.h"
#include "sim/DecimalText.h"

namespace {

constexpr int64_t kMostCount = std::numeric_limits<int64_t>::max();
constexpr int64_t kMostBalance = std::numeric_limits<int32_t>::max();

// The balance limits a summary's settings give relative to the capital:
// each must come to the number the summary holds for it.
void ReadGivenLimits(const JsonField& json, RunSettings& settings) {
  if (!json.Value().is_object()) json.Refuse("is not an object");
  for (const auto& item : json.Value().items()) {
    const JsonField given = json[item.key().c_str()];
    const double held = EnteredValue(settings, item.key());
    if (!ReadRelativeLimit(given.Text()) || SetByName(settings, item.key(), given.Text()) ||
        GivenLimit(settings, item.key()).empty()) {
      given.Refuse("is no limit that can be relative");
    }
    if (EnteredValue(settings, item.key()) != held) {
      given.Refuse("does not come to the " + item.key() + " beside it");
    }
  }
}

// The preset that filled the rows: applied to the settings read, it must
// give them as they are.
void ReadPreset(const JsonField& json, RunSettings& settings) {
  RunSettings applied = settings;
  if (!FindPreset(json.Text()) || ApplySystem(applied, json.Text())) json.Refuse("is no preset of the rows");
  Json rows = SettingsJson(applied);
  rows.erase("preset");
  if (rows != SettingsJson(settings)) json.Refuse("does not give the rows and options beside it");
  settings = applied;
}

// The settings a summary was made with, set exactly as the program held
// them: every setting once, the preset that filled the rows, and the limits
// given relative to the capital, nothing else.
RunSettings ReadSettings(const JsonField& json) {
  if (!json.Value().is_object()) json.Refuse("is not an object");
  std::vector<std::string> names = SettingNames();
  names.emplace_back("given");
  names.emplace_back("preset");
  for (const auto& item : json.Value().items()) {
    if (std::find(names.begin(), names.end(), item.key()) == names.end()) {
      json[item.key().c_str()].Refuse("is no setting of this program");
    }
  }
  RunSettings settings = ResetDefaults();
  for (const SettingSpec& item : kSettings) {
    // Summaries written before sessions could start afresh carried them.
    if (item.option == &SimSettings::fresh_sessions && !json.Has(item.name)) continue;
    const JsonField value = json[item.name];
    MaybeProblem problem;
    switch (item.kind) {
      case SettingKind::Number: problem = SetNumber(settings, item.name, value.Number()); break;
      case SettingKind::Row:
      case SettingKind::Line: {
        if (item.kind == SettingKind::Row && value.Size() != kRowLength) value.Refuse("does not hold eleven entries");
        if (item.kind == SettingKind::Line && (value.Size() < 1 || value.Size() > kLongestStartLine)) {
          value.Refuse("does not hold 1 to 20 entries");
        }
        std::vector<int64_t> wholes;
        for (std::size_t k = 0; k < value.Size(); ++k) wholes.push_back(value.At(k).Whole(1, kMostBalance));
        problem = SetWholes(settings, item, wholes);
        break;
      }
      case SettingKind::Option: settings.*item.option = value.Boolean(); break;
      case SettingKind::System:
      case SettingKind::ZeroRule: problem = SetByName(settings, item.name, value.Text()); break;
    }
    if (problem) value.Refuse(problem->text);
  }
  if (json.Has("preset")) ReadPreset(json["preset"], settings);
  if (json.Has("given")) ReadGivenLimits(json["given"], settings);
  if (MaybeProblem clash = CombinationProblem(settings)) json["zero_rule"].Refuse("cannot be played: " + clash->text);
  return settings;
}

int64_t Add(const JsonField& field, int64_t a, int64_t b) {
  int64_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) field.Refuse("makes a sum beyond what a count holds");
  return sum;
}

std::vector<SweepAxis> ReadAxes(const JsonField& json) {
  const std::size_t count = json.Size();
  if (count < 1 || count > 2) json.Refuse("holds one or two sweeps");
  std::vector<SweepAxis> axes;
  for (std::size_t a = 0; a < count; ++a) {
    SweepAxis axis{json.At(a)["name"].Text(), {}};
    if (!IsNumericSetting(axis.name)) json.At(a)["name"].Refuse("is no numeric setting");
    if (a == 1 && axis.name == axes[0].name) json.At(a)["name"].Refuse("sweeps the first sweep's setting again");
    const JsonField values = json.At(a)["values"];
    if (values.Size() < 1 || values.Size() > 1000) values.Refuse("holds no values or more than 1000");
    for (std::size_t k = 0; k < values.Size(); ++k) {
      const double value = values.At(k).Number();
      if (k > 0 && value <= axis.values.back()) values.At(k).Refuse("is not above the value before it");
      RunSettings probe = ResetDefaults();
      if (SetNumber(probe, axis.name, value)) values.At(k).Refuse("is out of its range");
      axis.values.push_back(value);
    }
    axes.push_back(std::move(axis));
  }
  return axes;
}

// The fields of a count record as its table declares them, each read as
// its kind is written; whether they agree is checked after.
void ReadCount(const JsonField& json, int64_t& count) { count = json.Whole(INT64_MIN, INT64_MAX); }
void ReadCount(const JsonField& json, double& count) { count = json.Number(); }

void ReadBalance(const JsonField& pair, int32_t quanta, std::map<int32_t, int64_t>& balances) {
  const auto balance = static_cast<int32_t>(pair.At(0).Money(quanta, 0, kMostBalance));
  if (!balances.empty() && balance <= balances.rbegin()->first) pair.At(0).Refuse("is not above the balance before it");
  balances[balance] = pair.At(1).Whole(1, kMostCount);
}

void ReadBalance(const JsonField& pair, int32_t quanta, std::vector<std::pair<int32_t, double>>& balances) {
  const auto balance = static_cast<int32_t>(pair.At(0).Money(quanta, 0, kMostBalance));
  if (!balances.empty() && balance <= balances.back().first) pair.At(0).Refuse("is not above the balance before it");
  balances.emplace_back(balance, pair.At(1).NonNegative());
}

void ReadGames(const JsonField& pair, std::map<int32_t, int64_t>& sessions) {
  const auto games = static_cast<int32_t>(pair.At(0).Whole(0, INT32_MAX));
  if (!sessions.empty() && games <= sessions.rbegin()->first) pair.At(0).Refuse("is not above the games before it");
  sessions[games] = pair.At(1).Whole(1, kMostCount);
}

void ReadGames(const JsonField& pair, std::vector<std::pair<int32_t, double>>& sessions) {
  const auto games = static_cast<int32_t>(pair.At(0).Whole(0, INT32_MAX));
  if (!sessions.empty() && games <= sessions.back().first) pair.At(0).Refuse("is not above the games before it");
  sessions.emplace_back(games, pair.At(1).NonNegative());
}

template <class Record>
void ReadDeclared(const JsonField& json, const std::vector<CountField<Record>>& fields, Record& record) {
  for (const CountField<Record>& field : fields) {
    const JsonField value = json[field.key];
    switch (field.kind) {
      case CountKind::Whole: record.*field.whole = value.Whole(INT64_MIN, INT64_MAX); break;
      case CountKind::Small: record.*field.small = static_cast<int32_t>(value.Whole(INT32_MIN, INT32_MAX)); break;
      case CountKind::Number: record.*field.number = value.Number(); break;
      case CountKind::Money: record.*field.whole = value.Money(record.quanta, INT64_MIN, INT64_MAX); break;
      case CountKind::MoneySum: record.*field.number = value.Number() * record.quanta; break;
      case CountKind::Flag: record.*field.flag = value.Boolean(); break;
      case CountKind::Ended:
        for (std::size_t k = 0; k < kEndings; ++k) ReadCount(value[kEndingWords[k].key], record.ended[k]);
        break;
      case CountKind::Balances:
        for (std::size_t k = 0; k < value.Size(); ++k) {
          const JsonField pair = value.At(k);
          if (pair.Size() != 2) pair.Refuse("is not a pair of a balance and how many sessions ended there");
          ReadBalance(pair, record.quanta, record.final_balances);
        }
        break;
      case CountKind::Games:
        for (std::size_t k = 0; k < value.Size(); ++k) {
          const JsonField pair = value.At(k);
          if (pair.Size() != 2) pair.Refuse("is not a pair of a count of games and how many sessions played that many");
          ReadGames(pair, record.session_games);
        }
        break;
    }
  }
}

void Must(bool holds, const JsonField& field, const std::string& what) {
  if (!holds) field.Refuse(what);
}

std::string Whole(int64_t low, int64_t high) {
  return low == high ? "is not " + std::to_string(low) + ", as the rest of the file has it"
                     : "is not a whole number from " + std::to_string(low) + " to " + std::to_string(high);
}

// Two sums of the same probabilities, added in other orders, agree to
// about this share.
constexpr double kRounding = 1e-9;

// The sums of squares and products of the runs and the sessions: each in
// decimal digits that fit 128 bits, a square never below 0 and a product
// never beyond what its two squares allow. (How a sum of squares stands to
// its sum is left to the intervals, which hold whatever the sums.)
Spread ReadSpread(const JsonField& json) {
  Spread spread;
  for (std::size_t k = 0; k < kMoments; ++k) {
    const JsonField field = json[kMomentSpecs[k].key];
    const std::optional<WideSum> sum = WideSum::FromText(field.Text());
    if (!sum) field.Refuse("is not a whole number in decimal digits that fits 128 bits");
    if (kMomentSpecs[k].square && sum->Negative()) field.Refuse("is a sum of squares below 0");
    spread.sums[k] = *sum;
  }
  const std::pair<Moment, std::pair<Moment, Moment>> products[] = {
      {Moment::RunAtLeastByPlayed, {Moment::RunAtLeast, Moment::RunPlayed}},
      {Moment::RunBalanceByPlayed, {Moment::RunBalance, Moment::RunPlayed}},
      {Moment::RunResultByWagered, {Moment::RunResult, Moment::RunWagered}},
      {Moment::SessionResultByWagered, {Moment::SessionResult, Moment::SessionWagered}},
  };
  for (const auto& [product, squares] : products) {
    const double bound = std::sqrt(spread[squares.first].Value()) * std::sqrt(spread[squares.second].Value());
    if (std::fabs(spread[product].Value()) > bound * (1 + kRounding) + 1) {
      json[kMomentSpecs[static_cast<std::size_t>(product)].key].Refuse("is more than its two sums of squares allow");
    }
  }
  return spread;
}

// Every session once, by games within the session's count, adding up to
// the games played; those that played a game are those with a balance.
void CheckSessionGames(const JsonField& field, const RunTally& t, int32_t last_game, int64_t played) {
  int64_t sessions = 0;
  int64_t games = 0;
  for (const auto& [count, times] : t.session_games) {
    Must(count <= last_game, field, "counts more games than a session plays");
    sessions = Add(field, sessions, times);
    int64_t product = 0;
    if (__builtin_mul_overflow(int64_t{count}, times, &product)) field.Refuse("makes a sum beyond what a count holds");
    games = Add(field, games, product);
  }
  Must(sessions == t.sessions, field, "does not count every session once");
  Must(games == t.games, field, "does not add up to the games played");
  const auto none = t.session_games.find(0);
  Must(sessions - (none == t.session_games.end() ? 0 : none->second) == played, field,
       "does not count the sessions that played as the final balances do");
}

// The counts of sampled runs, each against the others and the settings.
RunTally ReadTally(const JsonField& json, int64_t runs, const RunSettings& settings) {
  const GameRules rules = RulesOf(settings, true);
  RunTally t;
  t.quanta = rules.quanta;
  t.zero_rule = rules.zero_rule;
  t.capital = TruncateToInt32(settings.capital);
  ReadDeclared(json, kTallyFields, t);
  Must(t.runs == runs, json["runs"], Whole(runs, runs));
  const int64_t sessions = runs * TruncateToInt32(settings.session_count);
  Must(t.sessions == sessions, json["sessions"], Whole(sessions, sessions));
  const JsonField ended = json["ended"];
  int64_t counted = 0;
  for (std::size_t k = 0; k < kEndings; ++k) {
    Must(t.ended[k] >= 0 && t.ended[k] <= sessions, ended[kEndingWords[k].key], Whole(0, sessions));
    counted += t.ended[k];
  }
  // Only a session at both balance limits counts twice.
  const int64_t both = std::min(t.ended[IndexOf(Ending::High)], t.ended[IndexOf(Ending::Low)]);
  Must(counted >= sessions && counted - sessions <= both, ended,
       "does not count each session once (a session at both balance limits twice)");
  const JsonField balances = json["final_balances"];
  int64_t played = 0;
  int64_t total = 0;
  for (const auto& [balance, count] : t.final_balances) {
    played = Add(balances, played, count);
    int64_t product = 0;
    if (__builtin_mul_overflow(int64_t{balance}, count, &product))
      balances.Refuse("makes a sum beyond what a count holds");
    total = Add(balances, total, product);
  }
  Must(played <= sessions, balances, "counts more sessions than were played");
  int64_t most_games = 0;
  if (__builtin_mul_overflow(sessions, int64_t{rules.last_game}, &most_games)) most_games = kMostCount;
  Must(t.games >= played && t.games <= most_games, json["games"], Whole(played, most_games));
  CheckSessionGames(json["session_games"], t, rules.last_game, played);
  Must(t.wagered / t.quanta >= t.games, json["wagered"], "is less than a unit a game");
  Must(t.wagered_on_red >= 0 && t.wagered_on_red <= t.wagered, json["wagered_on_red"], Whole(0, t.wagered));
  Must(t.wagered_on_black >= 0 && t.wagered_on_black <= t.wagered, json["wagered_on_black"], Whole(0, t.wagered));
  int64_t on_both = 0;
  Must(!__builtin_add_overflow(t.wagered_on_red, t.wagered_on_black, &on_both) && on_both == t.wagered, json["wagered"],
       "is not what was wagered on red and black");
  // Every bet is at least a unit and at most the table limit.
  const int64_t largest_bet = int64_t{TruncateToInt32(settings.table_limit)} * t.quanta;
  Must(t.squared_bets >= t.wagered, json["squared_bets"], Whole(t.wagered, kMostCount));
  Must(t.squared_bets == 0 || (t.squared_bets - 1) / largest_bet < t.wagered, json["squared_bets"],
       "is more than bets up to the table limit can give");
  int64_t started = 0;
  Must(!__builtin_mul_overflow(int64_t{TruncateToInt32(settings.capital)} * t.quanta, played, &started) &&
           total - started == t.result,
       json["result"], "is not the final balances less the capital");
  Must(t.double_zero == settings.double_zero, json["double_zero"], "is not the settings' wheel");
  t.spread = ReadSpread(json["spread"]);
  return t;
}

bool Near(double a, double b, double scale) { return std::fabs(a - b) <= kRounding * std::max(1.0, scale); }

ExactRun ReadExact(const JsonField& json, const RunSettings& settings) {
  const GameRules rules = RulesOf(settings, true);
  ExactRun r;
  r.quanta = rules.quanta;
  ReadDeclared(json, kExactFields, r);
  const int64_t sessions = TruncateToInt32(settings.session_count);
  Must(r.sessions == sessions, json["sessions"], Whole(sessions, sessions));
  const double most = static_cast<double>(sessions) * (1 + kRounding);
  const auto share = [&](const JsonField& field, double value) {
    Must(value >= 0, field, "is negative");
    Must(value <= most, field, "is more than the run's sessions");
  };
  const JsonField ended = json["ended"];
  double counted = 0;
  for (std::size_t k = 0; k < kEndings; ++k) {
    share(ended[kEndingWords[k].key], r.ended[k]);
    counted += r.ended[k];
  }
  Must(counted >= static_cast<double>(sessions) * (1 - kRounding), ended, "does not account for every session");
  share(json["played"], r.played);
  double played = 0;
  double total = 0;
  for (const auto& [balance, count] : r.final_balances) {
    share(json["final_balances"], count);
    played += count;
    total += balance * count;
  }
  Must(Near(played, r.played, r.played), json["final_balances"], "does not add up to the sessions that played");
  Must(r.games >= 0 && r.games <= most * rules.last_game, json["games"],
       "is not from 0 to the games the sessions can play");
  const JsonField lasted = json["session_games"];
  double counted_sessions = 0, games = 0, with_games = 0;
  for (const auto& [count, times] : r.session_games) {
    Must(count <= rules.last_game, lasted, "counts more games than a session plays");
    share(lasted, times);
    counted_sessions += times;
    games += count * times;
    with_games += count > 0 ? times : 0;
  }
  Must(Near(counted_sessions, static_cast<double>(sessions), static_cast<double>(sessions)), lasted,
       "does not account for every session");
  Must(Near(games, r.games, r.games), lasted, "does not add up to the games played");
  Must(Near(with_games, r.played, r.played), lasted, "does not count the sessions that played");
  Must(r.wagered >= 0, json["wagered"], "is negative");
  Must(r.capital == TruncateToInt32(settings.capital), json["capital"], "is not the settings'");
  const double started = static_cast<double>(r.capital) * r.quanta * r.played;
  Must(Near(r.result, total - started, total + started), json["result"], "is not the final balances less the capital");
  return r;
}

void ReadPart(const JsonField& root, int64_t domain, BatchResult& result) {
  result.part_begin = 0;
  result.part_end = domain;
  if (!root.Has("part")) return;
  const JsonField part = root["part"];
  result.part_count = part["count"].Whole(2, kMaxShards);
  result.part_index = part["index"].Whole(1, result.part_count);
  const auto [begin, end] = PartBlock(domain, result.part_index, result.part_count);
  result.part_begin = part["begin"].Whole(begin, begin);
  result.part_end = part["end"].Whole(end, end);
}

// A cell's counts, against the cell's own settings.
// The course of the run's sessions: a point for each game from the first
// to the last, the share playing it falling, the percentiles in order and
// on the balances the money can hold.
std::vector<FanPoint> ReadFan(const JsonField& json, const SimSettings& typed) {
  const GameRules rules = RulesOf(typed, true);
  if (json.Size() != static_cast<std::size_t>(rules.last_game)) json.Refuse("does not hold a point for every game");
  std::vector<FanPoint> fan;
  double playing = 1;
  for (std::size_t k = 0; k < json.Size(); ++k) {
    const JsonField at = json.At(k);
    FanPoint point;
    point.game = static_cast<int32_t>(at["game"].Whole(static_cast<int64_t>(k) + 1, static_cast<int64_t>(k) + 1));
    point.playing = at["playing"].NonNegative();
    if (point.playing > playing * (1 + 1e-12)) at["playing"].Refuse("is more than played the game before");
    playing = point.playing;
    double below = 0;
    for (const auto& [key, field] :
         {std::pair{"p5", &FanPoint::p5}, std::pair{"p25", &FanPoint::p25}, std::pair{"p50", &FanPoint::p50},
          std::pair{"p75", &FanPoint::p75}, std::pair{"p95", &FanPoint::p95}}) {
      point.*field = static_cast<double>(at[key].Money(rules.quanta, 0, kMostBalance)) / rules.quanta;
      if (point.*field < below) at[key].Refuse("is below the percentile before it");
      below = point.*field;
    }
    fan.push_back(point);
  }
  return fan;
}

CellResult ReadCell(const JsonField& cell, const RunSettings& settings, const BatchResult& result, int64_t runs) {
  CellResult one;
  const JsonField counts = cell["counts"];
  if (result.sampled) one.tally = ReadTally(counts["tally"], runs, settings);
  if (result.exact) one.exact = ReadExact(counts["exact"], settings);
  if (result.exact && cell.Has("fan")) one.exact->fan = ReadFan(cell["fan"], settings);
  return one;
}

void FromJson(const JsonField& root, BatchResult& result);

// A compared system's settings are the comparison's with the system
// applied: a true system changes only the system; a preset of the rows
// fills the rows and the first-bet options, each of which a --set may have
// kept as the comparison's own.
void CheckSystemEntry(const JsonField& field, const std::string& name, const RunSettings& base,
                      const RunSettings& played) {
  RunSettings applied = base;
  if (ApplySystem(applied, name)) field.Refuse("belongs to " + name + ", which is no system");
  const Json expected = SettingsJson(applied);
  const Json kept = SettingsJson(base);
  const Json entry = SettingsJson(played);
  for (const auto& item : expected.items()) {
    const Json& value = entry.at(item.key());
    const bool preset_filled = FindPreset(name) && (IsRowSetting(item.key()) || item.key() == "first_bet_after_win" ||
                                                    item.key() == "first_bet_after_loss");
    if (value != item.value() && !(preset_filled && value == kept.at(item.key()))) {
      field[item.key().c_str()].Refuse("is not what the system " + name + " plays on the comparison's settings");
    }
  }
}

// A comparison's part: the names of all its cells, and a summary of each
// cell of the part, which is read as the summary of a batch of its own and
// must be one of this comparison's (the same runs and seeds, the system of
// its name).
void ReadComparison(const JsonField& root, BatchResult& result) {
  const JsonField names = root["compare"];
  if (names.Size() < 2 || static_cast<int64_t>(names.Size()) > kMaxCompared) {
    names.Refuse("does not name 2 to " + std::to_string(kMaxCompared) + " systems or files");
  }
  for (std::size_t k = 0; k < names.Size(); ++k) {
    const std::string name = names.At(k).Text();
    if (name.empty() || name != ShownName(name)) names.At(k).Refuse("is not a name as this program writes it");
    if (std::find(result.compared.begin(), result.compared.end(), name) != result.compared.end()) {
      names.At(k).Refuse("names " + name + " a second time");
    }
    result.compared.push_back(name);
  }
  const auto count = static_cast<int64_t>(names.Size());
  result.compared_files = root.Has("compared_files") ? root["compared_files"].Whole(1, count) : 0;
  ReadPart(root, static_cast<int64_t>(result.compared.size()), result);
  const JsonField systems = root["systems"];
  if (static_cast<int64_t>(systems.Size()) != result.part_end - result.part_begin) {
    systems.Refuse("does not hold the systems of its part");
  }
  for (std::size_t k = 0; k < systems.Size(); ++k) {
    const JsonField entry = systems.At(k);
    const std::string& name = result.compared[static_cast<std::size_t>(result.part_begin) + k];
    if (entry["system"].Text() != name) entry["system"].Refuse("is not the name of its place in the comparison");
    if (entry.Has("compare") || entry.Has("sweep") || entry.Has("part")) {
      entry.Refuse("is not the summary of one system's batch");
    }
    Json alone = entry.Value();
    alone.erase("system");
    BatchResult one;
    FromJson(JsonField(alone, entry.Path()), one);
    // A system whose exact odds were out of reach stands sampled in a whole
    // exact comparison.
    const bool stands_in = result.exact && !result.sampled && result.part_count == 1 && one.sampled && !one.exact;
    const bool same_plan =
        stands_in || (one.sampled == result.sampled && one.exact == result.exact && one.runs == result.runs);
    if (!same_plan || one.first_seed != result.first_seed || (one.sampled && one.confidence != result.confidence) ||
        one.part_count != 1) {
      entry["batch"].Refuse("is not the batch of the comparison (other runs or seeds, or a part)");
    }
    const bool is_file =
        static_cast<int64_t>(result.part_begin) + static_cast<int64_t>(k) >= count - result.compared_files;
    if (!is_file) CheckSystemEntry(entry["settings"], name, result.settings, one.settings);
    CellResult cell = std::move(one.cells.front());
    cell.settings = one.settings;
    result.cells.push_back(std::move(cell));
  }
}

void FromJson(const JsonField& root, BatchResult& result) {
  if (!root.Value().is_object() || !root.Has("version")) root.Refuse("is no summary of vantrel-batch");
  const std::string version = root["version"].Text();
  if (version != kProgramVersion) root.Refuse("it comes from another version (" + version + ")");
  const JsonField batch = root["batch"];
  result = BatchResult();
  result.sampled = batch["sampled"].Boolean();
  result.exact = batch["exact"].Boolean();
  if (!result.sampled && !result.exact) batch.Refuse("is neither sampled nor exact");
  result.runs = result.sampled ? batch["runs"].Whole(1, kMaxRuns) : batch["runs"].Whole(0, 0);
  result.first_seed = batch["first_seed"].Whole(0, kMaxSeed - std::max<int64_t>(result.runs - 1, 0));
  if (result.sampled || batch.Has("confidence")) {
    result.confidence = batch["confidence"].Number();
    if (!IsConfidence(result.confidence)) batch["confidence"].Refuse(std::string("is not ") + kConfidenceRange);
  }
  if (batch.Has("spins_per_hour")) {
    result.spins_per_hour = batch["spins_per_hour"].Number();
    if (!(result.spins_per_hour >= 1 && result.spins_per_hour <= kMostSpinsPerHour)) {
      batch["spins_per_hour"].Refuse("is not a pace from 1 to " + std::to_string(kMostSpinsPerHour) + " spins an hour");
    }
  }
  if (batch.Has("precision")) {
    const JsonField precision = batch["precision"];
    Precision asked;
    asked.share = precision["share"].Number();
    if (!(asked.share > 0 && asked.share <= kMostSharePrecision)) {
      precision["share"].Refuse("is not a precision above 0 and up to 0.5");
    }
    if (!precision["mean"].Value().is_null()) {
      asked.mean = precision["mean"].Number();
      if (!(asked.mean > 0 && asked.mean <= kMostMeanPrecision)) {
        precision["mean"].Refuse("is not a precision above 0 and up to 1");
      }
    }
    result.precision = asked;
    result.precise = precision["reached"].Boolean();
  }
  result.settings = ReadSettings(root["settings"]);
  if (root.Has("compare")) {
    ReadComparison(root, result);
  } else if (root.Has("sweep")) {
    result.axes = ReadAxes(root["sweep"]);
    ReadPart(root, SweepCellCount(result.axes), result);
    const JsonField cells = root["cells"];
    if (static_cast<int64_t>(cells.Size()) != result.part_end - result.part_begin) {
      cells.Refuse("does not hold the cells of its part");
    }
    for (std::size_t k = 0; k < cells.Size(); ++k) {
      const JsonField cell = cells.At(k);
      const int64_t index = result.part_begin + static_cast<int64_t>(k);
      CellResult one = ReadCell(cell, SweepSettingsAt(result.settings, result.axes, index), result, result.runs);
      one.values = SweepValuesAt(result.axes, index);
      for (std::size_t a = 0; a < result.axes.size(); ++a) {
        const JsonField value = cell["values"][result.axes[a].name.c_str()];
        if (value.Number() != one.values[a]) value.Refuse("is not the value of this cell's place in the sweep");
      }
      result.cells.push_back(std::move(one));
    }
  } else {
    ReadPart(root, result.sampled ? result.runs : 1, result);
    result.cells.push_back(ReadCell(root, result.settings, result, result.part_end - result.part_begin));
  }
  result.blocks = {{result.part_begin, result.part_end}};
}

// The first place where two documents differ, as a field's path.
std::string FirstDifference(const Json& a, const Json& b, const std::string& path) {
  if (a.is_object() != b.is_object() || a.is_array() != b.is_array()) return path;
  if (a.is_object()) {
    for (const auto& item : a.items()) {
      std::string inner = path.empty() ? item.key() : path + "." + item.key();
      if (!b.contains(item.key())) return inner;
      std::string found = FirstDifference(item.value(), b.at(item.key()), inner);
      if (!found.empty()) return found;
    }
    for (const auto& item : b.items()) {
      if (!a.contains(item.key())) return path.empty() ? item.key() : path + "." + item.key();
    }
    return std::string();
  }
  if (a.is_array()) {
    for (std::size_t k = 0; k < std::min(a.size(), b.size()); ++k) {
      std::string found = FirstDifference(a[k], b[k], path + "[" + std::to_string(k) + "]");
      if (!found.empty()) return found;
    }
    return a.size() == b.size() ? std::string() : path;
  }
  return a == b ? std::string() : (path.empty() ? std::string("the summary") : path);
}

}  // namespace

MaybeProblem ReadSummary(const std::string& file, const std::string& bytes, BatchResult& part) {
  Json json;
  if (MaybeProblem wrong = ParseCheckedJson(bytes, kDeepestSummary, json)) {
    return Problem{wrong->kind, file + ": " + wrong->text};
  }
  try {
    FromJson(JsonField(json, ""), part);
  } catch (const BadField& bad) {
    return Problem{ProblemKind::Unreadable, file + ": " + (bad.field.empty() ? "" : bad.field + " ") + bad.what};
  }
  // What the summary shows must be what its counts give: a figure edited
  // by hand, or a count edited with the figures left, is found here.
  const std::string changed = FirstDifference(json, ResultJson(part), "");
  if (!changed.empty()) {
    return Problem{ProblemKind::Unreadable, file + ": " + changed + " is not what the counts give (edited?)"};
  }
  return std::nullopt;
}

MaybeProblem ReadSummaryFile(const std::string& file, BatchResult& part) {
  std::string bytes;
  const std::string reason = FileAccess::Read(file, bytes);
  if (!reason.empty()) return Problem{ProblemKind::Unreadable, file + ": it could not be read: " + reason};
  return ReadSummary(file, bytes, part);
}
