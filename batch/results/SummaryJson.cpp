#include "batch/results/SummaryJson.h"

#include "sim/DecimalText.h"

namespace {

Json Ended(double high, double low, double limit, double check, double none) {
  return Json{{"max_balance_or_wager_limit", high},
              {"min_balance", low},
              {"table_limit_or_last_game", limit},
              {"failed_check", check},
              {"no_count", none}};
}

Json Ended(int64_t high, int64_t low, int64_t limit, int64_t check, int64_t none) {
  return Json{{"max_balance_or_wager_limit", high},
              {"min_balance", low},
              {"table_limit_or_last_game", limit},
              {"failed_check", check},
              {"no_count", none}};
}

}  // namespace

Json SettingsJson(const RunSettings& settings) {
  Json out = Json::object();
  for (const std::string& name : SettingNames()) {
    const std::string value = NamedValue(settings, name);
    if (value.find(',') != std::string::npos) {
      Json row = Json::array();
      std::size_t start = 0;
      for (std::size_t comma = value.find(','); start <= value.size(); comma = value.find(',', start)) {
        row.push_back(std::stoll(value.substr(start, comma - start)));
        if (comma == std::string::npos) break;
        start = comma + 1;
      }
      out[name] = row;
    } else if (IsNumericSetting(name)) {
      out[name] = ParseDecimal(value.c_str());
    } else {
      out[name] = value == "1";
    }
  }
  return out;
}

void AddSampled(Json& out, const RunTally& tally, const std::vector<SeedBlock>& seeds) {
  const BatchSummary s = Summarise(tally);
  out["runs"] = tally.runs;
  out["sessions"] = s.sessions;
  out["seeds"] = {{"first", seeds.front().first}, {"last", seeds.back().second}};
  if (seeds.size() > 1) {
    Json blocks = Json::array();
    for (const SeedBlock& block : seeds) blocks.push_back({{"first", block.first}, {"last", block.second}});
    out["seeds"]["blocks"] = blocks;
  }
  out["ended"] = Ended(s.ended_high, s.ended_low, s.ended_limit, s.ended_check, s.ended_none);
  out["final_balance"] = {{"mean", s.mean},         {"median", s.median}, {"p5", s.percentile_5},
                          {"p95", s.percentile_95}, {"min", s.minimum},   {"max", s.maximum}};
  out["wagered"] = s.wagered;
  out["result"] = s.result;
  out["result_per_unit"] = {{"value", s.per_unit}, {"ci95", {s.interval_low, s.interval_high}}};
  out["expected_per_unit"] = s.expected_per_unit;
}

Json ExactJson(const ExactRun& run) {
  const ExactFigures f = FiguresOf(run);
  const double n = run.sessions > 0 ? static_cast<double>(run.sessions) : 1;
  return Json{{"sessions", run.sessions},
              {"ended", Ended(run.ended_high / n, run.ended_low / n, run.ended_limit / n, run.ended_check / n,
                              run.ended_none / n)},
              {"final_balance",
               {{"mean", f.mean},
                {"median", f.median},
                {"p5", f.percentile_5},
                {"p95", f.percentile_95},
                {"p_at_least_capital", f.at_least_capital}}},
              {"wagered_per_session", f.wagered_per_session},
              {"result_per_unit", f.result_per_unit}};
}

Json TallyJson(const RunTally& t) {
  Json balances = Json::array();
  for (const auto& [balance, count] : t.final_balances) balances.push_back({balance, count});
  return Json{{"runs", t.runs},
              {"sessions", t.sessions},
              {"ended", Ended(t.ended_high, t.ended_low, t.ended_limit, t.ended_check, t.ended_none)},
              {"final_balances", balances},
              {"wagered", t.wagered},
              {"result", t.result},
              {"wagered_on_red", t.wagered_on_red},
              {"wagered_on_black", t.wagered_on_black},
              {"squared_bets", t.squared_bets},
              {"double_zero", t.double_zero}};
}

Json ExactRunJson(const ExactRun& r) {
  Json balances = Json::array();
  for (const auto& [balance, count] : r.final_balances) balances.push_back({balance, count});
  return Json{
      {"sessions", r.sessions}, {"ended", Ended(r.ended_high, r.ended_low, r.ended_limit, r.ended_check, r.ended_none)},
      {"played", r.played},     {"final_balances", balances},
      {"wagered", r.wagered},   {"result", r.result},
      {"capital", r.capital}};
}
