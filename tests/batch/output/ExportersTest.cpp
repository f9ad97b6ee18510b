// Every exporter on every kind of result a command makes: a run, many
// runs, exact odds, both, and comparisons sampled, exact and mixed. Each
// file asked for is written whole and reads as what it is, or the batch
// is refused in one line of words; standard output is its text or JSON.
#include "batch/output/Exporters.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "batch/exact/MemoryBudget.h"
#include "batch/results/CheckedJson.h"
#include "batch/sampling/PlayRuns.h"
#include "batch/settings/RunSettings.h"
#include "ScratchFolder.h"
#include "SettingsWith.h"

namespace {

RunSettings Short(const std::string& system) {
  return SettingsWith({{"games_per_session=40", "max_balance=530", "session_count=3", "system=" + system}});
}

CellResult Cell(const RunSettings& settings, int64_t runs, bool exact, bool compared) {
  CellResult cell;
  if (runs > 0) {
    RunTally tally;
    PlayRuns(settings, 3, runs, 1, [&tally](RunOutcome& run) { tally.Add(run); });
    cell.tally = tally;
  }
  if (exact) {
    MemoryBudget budget(int64_t{64} << 20);
    cell.exact = ComputeExactRun(settings, budget, nullptr, 1, FanCourse::Always);
  }
  if (compared) cell.settings = settings;
  return cell;
}

// A batch of `runs` (0: none) and, where `exact`, exact odds; compared
// where systems are named. `sampled_instead`: the second system stands
// sampled in an exact comparison.
BatchResult Batch(int64_t runs, bool exact, std::vector<std::string> systems = {}, bool sampled_instead = false) {
  BatchResult result;
  result.settings = Short("fibonacci");
  result.first_seed = 3;
  result.runs = runs;
  result.sampled = runs > 0;
  result.exact = exact;
  result.compared = systems;
  result.part_end = result.compared.empty() ? (runs > 0 ? runs : 1) : static_cast<int64_t>(systems.size());
  result.blocks = {{0, result.part_end}};
  if (systems.empty()) {
    result.cells.push_back(Cell(result.settings, runs, exact, false));
    return result;
  }
  for (std::size_t k = 0; k < systems.size(); ++k) {
    const bool instead = sampled_instead && k == 1;
    result.cells.push_back(Cell(Short(systems[k]), instead ? 40 : runs, exact && !instead, true));
  }
  return result;
}

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

OutputChoice JsonChoice() {
  OutputChoice choice;
  choice.json = true;
  return choice;
}

// A file is whole: a picture or page to its end, a table a row a system
// after its head, every row as wide; no figure that is not a number.
void ExpectWhole(const std::string& bytes, const std::string& name, const BatchResult& result) {
  EXPECT_EQ(bytes.find("nan"), std::string::npos);
  if (name.find(".svg") != std::string::npos) {
    EXPECT_EQ(bytes.rfind("<?xml", 0), 0u);
    EXPECT_EQ(bytes.substr(bytes.size() - 7), "</svg>\n");
  } else if (name.find(".html") != std::string::npos) {
    EXPECT_NE(bytes.find("</html>"), std::string::npos);
  } else {
    EXPECT_EQ(bytes.rfind("system,", 0), 0u);
    std::vector<std::size_t> commas(1, 0);  // a row a system after the head, every row as wide
    for (const char c : bytes) {
      if (c == '\n') commas.push_back(0);
      commas.back() += c == ',' ? 1 : 0;
    }
    commas.pop_back();  // after the last line break
    EXPECT_EQ(commas.size(), result.cells.size() + 1);
    for (std::size_t width : commas) EXPECT_EQ(width, commas.front());
  }
}

struct Kind {
  const char* name;
  std::function<BatchResult()> make;
};

TEST(Exporters, EveryExporterWritesEveryKindOfResultOrSaysWhyNot) {
  const Kind kinds[] = {
      {"OneRun", [] { return Batch(1, false); }},
      {"ManyRuns", [] { return Batch(20, false); }},
      {"ExactOdds", [] { return Batch(0, true); }},
      {"RunsBesideExactOdds", [] { return Batch(20, true); }},
      {"SampledComparison",
       [] {
         return Batch(20, false, {"fibonacci", "dalembert"});
       }},
      {"ExactComparison",
       [] {
         return Batch(0, true, {"fibonacci", "dalembert"});
       }},
      {"ExactComparisonWithASystemSampled",
       [] {
         return Batch(0, true, {"fibonacci", "dalembert"}, true);
       }},
  };
  const ScratchFolder scratch("vantrel-exporters-");
  const std::filesystem::path& folder = scratch.path();
  // Each exporter alone, so that one refused leaves the others to be seen.
  const std::pair<std::string OutputChoice::*, const char*> exporters[] = {{&OutputChoice::table, "table.csv"},
                                                                           {&OutputChoice::plot, "plot.svg"},
                                                                           {&OutputChoice::fan, "fan.svg"},
                                                                           {&OutputChoice::paths, "paths.svg"},
                                                                           {&OutputChoice::html, "page.html"}};
  for (const Kind& kind : kinds) {
    const BatchResult result = kind.make();
    for (const auto& [member, name] : exporters) {
      SCOPED_TRACE(std::string(kind.name) + ", " + name);
      const std::filesystem::path path = folder / name;
      std::filesystem::remove(path);
      OutputChoice choice;
      choice.*member = path.string();
      const MaybeProblem problem = WriteExports(result, choice);
      if (problem) {
        EXPECT_EQ(problem->text.find('\n'), std::string::npos) << problem->text;
        EXPECT_EQ(problem->text.rfind("--", 0), 0u) << "names the option it refuses: " << problem->text;
        EXPECT_FALSE(std::filesystem::exists(path));
        continue;
      }
      if (!std::filesystem::exists(path)) continue;  // nothing to show, and that is no problem (a lone table)
      ExpectWhole(Read(path), name, result);
    }
    Json json;
    EXPECT_FALSE(ParseCheckedJson(StandardText(result, JsonChoice()), 64, json).has_value()) << kind.name;
    EXPECT_FALSE(StandardText(result, OutputChoice()).empty()) << kind.name;
  }
  // What the kinds must draw: the exact course of every system that has
  // exact odds, beside one sampled in their place, and the plot of all.
  const BatchResult mixed = kinds[6].make();
  for (const auto& [member, name] : {exporters[1], exporters[2], exporters[4]}) {
    OutputChoice choice;
    choice.*member = (folder / name).string();
    EXPECT_FALSE(WriteExports(mixed, choice).has_value()) << name;
  }
}

// A window's settings file may hold a capital of 0: every session fails
// its check, and nothing is wagered.
TEST(Exporters, AVerdictOfNothingWageredSaysSoWithoutASignOrANumberThatIsNone) {
  BatchResult result = Batch(2, true);
  result.settings.capital = 0;
  result.cells = {Cell(result.settings, 2, true, false)};
  const std::string text = StandardText(result, OutputChoice());
  EXPECT_NE(text.find("no session wagered anything"), std::string::npos) << text;
  for (const char* wrong : {"-0.00", "nan", "inf"}) EXPECT_EQ(text.find(wrong), std::string::npos) << wrong;
}

}  // namespace
