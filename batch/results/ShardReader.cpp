#include "batch/results/ShardReader.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "batch/cli/BatchOptions.h"
#include "batch/results/CheckedJson.h"
#include "files/FileAccess.h"
#include "sim/DecimalText.h"

namespace {

constexpr int64_t kMostCount = std::numeric_limits<int64_t>::max();
constexpr int64_t kMostBalance = std::numeric_limits<int32_t>::max();

// The settings a summary was made with, set exactly as the program held
// them: every setting once, nothing else.
RunSettings ReadSettings(const JsonField& json) {
  if (!json.Value().is_object()) json.Refuse("is not an object");
  const std::vector<std::string> names = SettingNames();
  for (const auto& item : json.Value().items()) {
    if (std::find(names.begin(), names.end(), item.key()) == names.end()) {
      json[item.key().c_str()].Refuse("is no setting of this program");
    }
  }
  RunSettings settings = ResetDefaults();
  for (const std::string& name : names) {
    const JsonField value = json[name.c_str()];
    std::string text;
    if (IsRowSetting(name)) {
      if (value.Size() != 11) value.Refuse("does not hold eleven entries");
      for (std::size_t k = 0; k < 11; ++k) text += (k ? "," : "") + std::to_string(value.At(k).Whole(1, kMostBalance));
    } else if (IsNumericSetting(name)) {
      char exact[32];
      std::snprintf(exact, sizeof exact, "%.17g", value.Number());
      text = exact;
    } else {
      text = value.Boolean() ? "1" : "0";
    }
    const std::string problem = SetNamed(settings, name + "=" + text);
    if (!problem.empty()) value.Refuse(problem.substr(problem.find(name + " ") + name.size() + 1));
  }
  return settings;
}

double SettingNumber(const RunSettings& settings, const char* name) {
  return ParseDecimal(NamedValue(settings, name).c_str());
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
      if (!SetNamed(probe, axis.name + "=" + SweptValue(value)).empty()) values.At(k).Refuse("is out of its range");
      axis.values.push_back(value);
    }
    axes.push_back(std::move(axis));
  }
  return axes;
}

// The counts of sampled runs, each against the others and the settings.
RunTally ReadTally(const JsonField& json, int64_t runs, const RunSettings& settings) {
  RunTally t;
  t.runs = json["runs"].Whole(runs, runs);
  const int64_t sessions_per_run = TruncateToInt32(SettingNumber(settings, "session_count"));
  t.sessions = json["sessions"].Whole(runs * sessions_per_run, runs * sessions_per_run);
  const JsonField ended = json["ended"];
  t.ended_high = ended["max_balance_or_wager_limit"].Whole(0, t.sessions);
  t.ended_low = ended["min_balance"].Whole(0, t.sessions);
  t.ended_limit = ended["table_limit_or_last_game"].Whole(0, t.sessions);
  t.ended_check = ended["failed_check"].Whole(0, t.sessions);
  t.ended_none = ended["no_count"].Whole(0, t.sessions);
  // Only a session at both balance limits counts twice.
  const int64_t counted = t.ended_high + t.ended_low + t.ended_limit + t.ended_check + t.ended_none;
  if (counted < t.sessions || counted - t.sessions > std::min(t.ended_high, t.ended_low)) {
    ended.Refuse("does not count each session once (a session at both balance limits twice)");
  }
  const JsonField balances = json["final_balances"];
  int64_t played = 0;
  int64_t total = 0;
  for (std::size_t k = 0; k < balances.Size(); ++k) {
    const JsonField pair = balances.At(k);
    if (pair.Size() != 2) pair.Refuse("is not a pair of a balance and a count");
    const auto balance = static_cast<int32_t>(pair.At(0).Whole(0, kMostBalance));
    const int64_t count = pair.At(1).Whole(1, t.sessions);
    if (!t.final_balances.empty() && balance <= t.final_balances.rbegin()->first) {
      pair.At(0).Refuse("is not above the balance before it");
    }
    t.final_balances[balance] = count;
    played = Add(pair.At(1), played, count);
    int64_t product = 0;
    if (__builtin_mul_overflow(int64_t{balance}, count, &product)) pair.Refuse("makes a sum beyond what a count holds");
    total = Add(pair, total, product);
  }
  if (played > t.sessions) balances.Refuse("counts more sessions than were played");
  t.wagered = json["wagered"].Whole(played, kMostCount);
  t.wagered_on_red = json["wagered_on_red"].Whole(0, t.wagered);
  t.wagered_on_black = json["wagered_on_black"].Whole(0, t.wagered);
  if (t.wagered_on_red + t.wagered_on_black != t.wagered)
    json["wagered"].Refuse("is not what was wagered on red and black");
  // Every bet is at least 1 and at most the table limit.
  const int64_t largest_bet = TruncateToInt32(SettingNumber(settings, "table_limit")) + 1;
  t.squared_bets = json["squared_bets"].Whole(t.wagered, kMostCount);
  if ((t.squared_bets - 1) / largest_bet >= t.wagered && t.squared_bets > 0) {
    json["squared_bets"].Refuse("is more than bets up to the table limit can give");
  }
  const int64_t capital = TruncateToInt32(SettingNumber(settings, "capital"));
  t.result = json["result"].Whole(std::numeric_limits<int64_t>::min(), kMostCount);
  int64_t started = 0;
  if (__builtin_mul_overflow(capital, played, &started) || total - started != t.result) {
    json["result"].Refuse("is not the final balances less the capital");
  }
  t.double_zero = json["double_zero"].Boolean();
  if (t.double_zero != (NamedValue(settings, "double_zero") == "1"))
    json["double_zero"].Refuse("is not the settings' wheel");
  return t;
}

// Two sums of the same probabilities, added in other orders, agree to
// about this share.
constexpr double kRounding = 1e-9;

bool Near(double a, double b, double scale) { return std::fabs(a - b) <= kRounding * std::max(1.0, scale); }

ExactRun ReadExact(const JsonField& json, const RunSettings& settings) {
  ExactRun r;
  const int64_t sessions = TruncateToInt32(SettingNumber(settings, "session_count"));
  r.sessions = json["sessions"].Whole(sessions, sessions);
  const auto share = [&](const JsonField& field) {
    const double value = field.NonNegative();
    if (value > static_cast<double>(r.sessions) * (1 + kRounding)) field.Refuse("is more than the run's sessions");
    return value;
  };
  const JsonField ended = json["ended"];
  r.ended_high = share(ended["max_balance_or_wager_limit"]);
  r.ended_low = share(ended["min_balance"]);
  r.ended_limit = share(ended["table_limit_or_last_game"]);
  r.ended_check = share(ended["failed_check"]);
  r.ended_none = share(ended["no_count"]);
  const double counted = r.ended_high + r.ended_low + r.ended_limit + r.ended_check + r.ended_none;
  if (counted < static_cast<double>(r.sessions) * (1 - kRounding)) ended.Refuse("does not account for every session");
  r.played = share(json["played"]);
  const JsonField balances = json["final_balances"];
  double played = 0;
  double total = 0;
  for (std::size_t k = 0; k < balances.Size(); ++k) {
    const JsonField pair = balances.At(k);
    if (pair.Size() != 2) pair.Refuse("is not a pair of a balance and its expected sessions");
    const auto balance = static_cast<int32_t>(pair.At(0).Whole(0, kMostBalance));
    if (!r.final_balances.empty() && balance <= r.final_balances.back().first) {
      pair.At(0).Refuse("is not above the balance before it");
    }
    r.final_balances.emplace_back(balance, share(pair.At(1)));
    played += r.final_balances.back().second;
    total += balance * r.final_balances.back().second;
  }
  if (!Near(played, r.played, r.played)) balances.Refuse("does not add up to the sessions that played");
  r.wagered = json["wagered"].NonNegative();
  r.capital = static_cast<int32_t>(json["capital"].Whole(0, kMostBalance));
  if (r.capital != TruncateToInt32(SettingNumber(settings, "capital"))) json["capital"].Refuse("is not the settings'");
  r.result = json["result"].Number();
  const double started = static_cast<double>(r.capital) * r.played;
  if (!Near(r.result, total - started, total + started))
    json["result"].Refuse("is not the final balances less the capital");
  return r;
}

// The I-th of N contiguous blocks of `count` things, as the runs made them.
std::pair<int64_t, int64_t> Block(int64_t count, int64_t index, int64_t parts) {
  return {count * (index - 1) / parts, count * index / parts};
}

void ReadPart(const JsonField& root, int64_t domain, BatchResult& result) {
  result.part_begin = 0;
  result.part_end = domain;
  if (!root.Has("part")) return;
  const JsonField part = root["part"];
  result.part_count = part["count"].Whole(2, kMaxShards);
  result.part_index = part["index"].Whole(1, result.part_count);
  const auto [begin, end] = Block(domain, result.part_index, result.part_count);
  result.part_begin = part["begin"].Whole(begin, begin);
  result.part_end = part["end"].Whole(end, end);
}

// A cell's counts, against the cell's own settings.
CellResult ReadCell(const JsonField& cell, const RunSettings& settings, const BatchResult& result, int64_t runs) {
  CellResult one;
  const JsonField counts = cell["counts"];
  if (result.sampled) one.tally = ReadTally(counts["tally"], runs, settings);
  if (result.exact) one.exact = ReadExact(counts["exact"], settings);
  return one;
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
  result.settings = ReadSettings(root["settings"]);
  if (root.Has("sweep")) {
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
      const std::string inner = path.empty() ? item.key() : path + "." + item.key();
      if (!b.contains(item.key())) return inner;
      const std::string found = FirstDifference(item.value(), b.at(item.key()), inner);
      if (!found.empty()) return found;
    }
    for (const auto& item : b.items()) {
      if (!a.contains(item.key())) return path.empty() ? item.key() : path + "." + item.key();
    }
    return std::string();
  }
  if (a.is_array()) {
    for (std::size_t k = 0; k < std::min(a.size(), b.size()); ++k) {
      const std::string found = FirstDifference(a[k], b[k], path + "[" + std::to_string(k) + "]");
      if (!found.empty()) return found;
    }
    return a.size() == b.size() ? std::string() : path;
  }
  return a == b ? std::string() : (path.empty() ? std::string("the summary") : path);
}

}  // namespace

MaybeProblem ReadSummary(const std::string& file, const std::string& bytes, BatchResult& part) {
  Json json;
  const std::string wrong = ParseCheckedJson(bytes, kDeepestSummary, json);
  if (!wrong.empty()) return Problem{ProblemKind::Unreadable, file + ": " + wrong};
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
