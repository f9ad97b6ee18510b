#include "batch/cli/BatchOptions.h"

#include <CLI/CLI.hpp>

#include <algorithm>

#include "batch/core/Numbers.h"
#include "batch/core/Version.h"
#include "batch/results/Figures.h"
#include "batch/results/Intervals.h"
#include "batch/results/Printed.h"
#include "batch/settings/RunSettings.h"
#include "batch/settings/Systems.h"

namespace {

// A check that a text has the form of a sweep, NAME=FROM:TO[:STEP].
std::string SweepForm(const std::string& text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos || !IsNumericSetting(text.substr(0, equals))) {
    return "takes NAME=FROM:TO[:STEP] over one of the numeric settings";
  }
  return std::string();
}

// A whole number from `low` to `high`, read by the program's one rule for
// numbers and handed on in plain digits.
CLI::Validator WholeFrom(int64_t low, int64_t high) {
  const std::string range = "takes a whole number from " + std::to_string(low) + " to " + std::to_string(high);
  return CLI::Validator(
      [low, high, range](std::string& text) {
        int64_t value = 0;
        if (!ReadWhole(text, value) || value < low || value > high) return text + ": " + range;
        text = std::to_string(value);
        return std::string();
      },
      "", "whole");
}

// The confidence of the intervals, handed on in the digits the program
// read.
const CLI::Validator kConfidence(
    [](std::string& text) {
      double value = 0;
      if (!ReadNumber(text, value) || !IsConfidence(value)) return text + ": takes " + kConfidenceRange;
      return std::string();
    },
    "", "share");

// A table's pace: spins an hour, from one to the fastest wheel's thousand.
const CLI::Validator kSpinsPerHour(
    [](std::string& text) {
      double value = 0;
      if (!ReadNumber(text, value) || !(value >= 1 && value <= kMostSpinsPerHour)) {
        return text + ": takes a number of spins an hour from 1 to " + std::to_string(kMostSpinsPerHour);
      }
      return std::string();
    },
    "", "pace");

// --runs: K runs, or "auto", handed on as 0.
CLI::Validator RunsFrom(int64_t high) {
  const CLI::Validator whole = WholeFrom(1, high);
  return CLI::Validator(
      [whole, high](std::string& text) {
        if (text == "auto") {
          text = "0";
          return std::string();
        }
        const std::string wrong = whole(text);
        return wrong.empty() ? wrong : text + ": takes auto or a whole number from 1 to " + std::to_string(high);
      },
      "", "K|auto");
}

// A share of the form 0 < share <= most.
CLI::Validator ShareUpTo(double most) {
  return CLI::Validator(
      [most](std::string& text) {
        double value = 0;
        if (!ReadNumber(text, value) || !(value > 0 && value <= most)) {
          return text + ": takes a number above 0 and up to " + Printed("%g", most);
        }
        return std::string();
      },
      "", "P");
}

// A path: an empty one names no file.
const CLI::Validator kPath(
    [](std::string& text) { return text.empty() ? std::string("takes a file's path, and this one is empty") : ""; }, "",
    "path");

// The I-th of N parts, I/N with 1 <= I <= N.
bool ReadShard(const std::string& text, int64_t& index, int64_t& count) {
  const std::size_t slash = text.find('/');
  return slash != std::string::npos && ReadWhole(text.substr(0, slash), index) &&
         ReadWhole(text.substr(slash + 1), count) && count >= 1 && count <= kMaxShards && index >= 1 && index <= count;
}

std::string SweptName(const std::string& sweep) { return sweep.substr(0, sweep.find('=')); }

// The systems of a comparison's --system list, then its files.
std::vector<std::string> ComparedNames(const BatchOptions& o) {
  std::vector<std::string> names;
  std::size_t from = 0;
  while (!o.system.empty() && from <= o.system.size()) {
    const std::size_t comma = std::min(o.system.find(',', from), o.system.size());
    names.push_back(o.system.substr(from, comma - from));
    from = comma + 1;
  }
  names.insert(names.end(), o.compare_files.begin(), o.compare_files.end());
  return names;
}

// --runs auto and its precision.
std::string RunsAutoConflicts(const BatchOptions& o) {
  // An exact comparison samples with them the systems out of its reach.
  const bool samples_instead = o.compare && o.exact && !o.runs_given;
  if (o.precision_given && !o.runs_auto && !samples_instead) {
    return "--precision and --precision-mean say how far --runs auto samples; give --runs auto";
  }
  if (!o.runs_auto) return std::string();
  if (o.shard_count > 1) {
    return "--runs auto decides the runs as it samples, and a shard plays a fixed plan: find K with --runs auto on "
           "one machine, then give every shard --runs K";
  }
  if (!o.report.empty()) return "--report writes the report of one sampled run; leave out --runs auto or --report";
  return std::string();
}

std::string CompareConflicts(const BatchOptions& o) {
  if (std::string wrong = RunsAutoConflicts(o); !wrong.empty()) return wrong;
  const auto count = static_cast<int64_t>(o.compared.size());
  if (count < 2 || count > kMaxCompared) {
    return "compare: give 2 to " + std::to_string(kMaxCompared) +
           " systems (--system A,B,...) or settings files; these are " + std::to_string(count);
  }
  for (std::size_t k = 0; k < o.compared.size(); ++k) {
    if (o.compared[k].empty()) return "compare: --system " + o.system + " names an empty system";
    if (std::find(o.compared.begin(), o.compared.begin() + static_cast<std::ptrdiff_t>(k), o.compared[k]) !=
        o.compared.begin() + static_cast<std::ptrdiff_t>(k)) {
      return "compare: " + o.compared[k] + " is named twice";
    }
  }
  for (const std::string& set : o.sets) {
    if (set.rfind("system=", 0) == 0)
      return "compare: --set " + set + " would play one system in every place; name them in --system";
  }
  if (!o.settings.empty() && !o.compare_files.empty()) {
    return "compare: --settings is what the systems are applied to; settings files to compare take its place";
  }
  if (!o.sweeps.empty() || !o.report.empty() || !o.csv.empty() || !o.heatmap.empty() || !o.solve.empty() ||
      o.print_settings || !o.paths.empty()) {
    return "compare: --sweep, --report, --csv, --heatmap, --paths, --solve and --print-settings are no options of a "
           "comparison";
  }
  if (!o.fan.empty() && !o.exact) return "--fan draws the exact odds: give --exact";
  if (o.shard_count > 1 && !o.json) return "--shard writes a mergeable summary; give --json as well";
  if (o.shard_count > 1 && (!o.plot.empty() || !o.table.empty() || !o.fan.empty() || !o.html.empty())) {
    return "--shard plays a part of the systems; draw and write the table when merging";
  }
  return std::string();
}

std::string SolveConflicts(const BatchOptions& o) {
  if (o.solve_for.empty()) return "--solve needs --for FIGURE<=VALUE or FIGURE>=VALUE";
  if (o.runs_given || !o.sweeps.empty() || o.shard_count > 1 || !o.report.empty() || !o.csv.empty() ||
      !o.plot.empty() || !o.table.empty() || !o.heatmap.empty() || o.print_settings || !o.fan.empty() ||
      !o.paths.empty()) {
    return "--solve computes exact odds and prints what it tried; leave out --runs, --sweep, --shard and the files";
  }
  return std::string();
}

// Combinations the parser's own rules cannot say.
std::string Conflicts(const BatchOptions& o) {
  const bool sampled = !o.exact || o.runs_given;
  if (o.compare) return CompareConflicts(o);
  if (o.precision_given && !o.runs_auto) return RunsAutoConflicts(o);
  if (!o.solve.empty() || !o.solve_for.empty()) {
    if (o.solve.empty()) return "--for needs --solve NAME";
    return SolveConflicts(o);
  }
  if (o.largest) return "--largest needs --solve NAME";
  if (o.sweeps.size() > 2) return "--sweep: at most two sweeps";
  if (o.sweeps.size() == 2 && SweptName(o.sweeps[0]) == SweptName(o.sweeps[1])) {
    return "--sweep: " + SweptName(o.sweeps[0]) + " is swept twice; sweep two different settings";
  }
  if (std::string wrong = RunsAutoConflicts(o); !wrong.empty()) return wrong;
  if (o.has_seed && o.seed + o.runs - 1 > kMaxSeed) {
    return "--runs " + std::to_string(o.runs) + " from --seed " + std::to_string(o.seed) +
           " would pass the last seed, " + std::to_string(kMaxSeed);
  }
  if (!o.report.empty() && (o.runs > 1 || !o.sweeps.empty() || !sampled)) {
    return "--report writes the report of one sampled run; leave out --runs, --sweep and --exact, or --report";
  }
  if ((!o.csv.empty() || !o.plot.empty()) && (!sampled || !o.sweeps.empty())) {
    return "--csv and --plot write the sessions of sampled runs; give --runs, and no --sweep";
  }
  if ((!o.table.empty() || !o.heatmap.empty()) && o.sweeps.empty()) return "--table and --heatmap need --sweep";
  if (!o.heatmap.empty() && o.sweeps.size() != 2) return "--heatmap draws two sweeps; give --sweep twice";
  if (o.shard_count > 1 && !o.json) return "--shard writes a mergeable summary; give --json as well";
  if (o.shard_count > 1 && (!o.fan.empty() || !o.paths.empty() || !o.html.empty())) {
    return "--shard plays a part; draw --fan, --paths and --html when merging";
  }
  if (!o.fan.empty() && (!o.exact || !o.sweeps.empty()))
    return "--fan draws the exact odds: give --exact, and no --sweep";
  if (!o.paths.empty() && (!sampled || !o.sweeps.empty() || o.compare)) {
    return "--paths draws the sessions of sampled runs: give --runs, and no --sweep or compare";
  }
  if (o.shard_count > 1 && !o.sweeps.empty() && !o.heatmap.empty()) {
    return "--shard plays a part of the cells; draw the heat map when merging";
  }
  return std::string();
}

// A merge makes no batch: what would make one is no option of it.
std::string MergeConflicts(const CLI::App& app) {
  for (const char* option : {"--settings", "--set", "--system", "--print-settings", "--seed", "--runs", "--jobs",
                             "--report", "--csv", "--exact", "--sweep", "--shard", "--solve", "--for", "--largest"}) {
    if (app.count(option) > 0)
      return std::string("merge: ") + option + " makes a batch; a merge takes the shards' files";
  }
  return std::string();
}

}  // namespace

ParsedCommandLine ParseBatchCommandLine(const std::vector<std::string>& arguments) {
  ParsedCommandLine parsed;
  BatchOptions& o = parsed.options;
  CLI::App app(
      "Plays runs of a settings file (or the reset defaults) as the window plays them with no pause, "
      "or computes their odds exactly, and says how the sessions ended.",
      "vantrel-batch");
  app.get_formatter()->column_width(34);
  app.set_version_flag("--version", kProgramVersion, "prints the program's name and version");
  app.footer("Systems (--system NAME; u is the first bet):\n" + SystemRules() + "Zero rules (--set zero_rule=NAME):\n" +
             ZeroRuleRules());
  app.add_option("--settings", o.settings, "a settings file, read as the window's load command reads it")
      ->type_name("FILE")
      ->transform(kPath);
  app.add_option("--set", o.sets, "overrides one setting; repeatable (see --print-settings for the names)")
      ->type_name("NAME=VALUE")
      ->take_all()
      ->allow_extra_args(false);
  app.add_option("--system", o.system,
                 "a betting system, or a preset of the rows that fills both rows and the first-bet options (below)")
      ->type_name("NAME")
      ->check(
          [](const std::string& text) { return text.empty() ? "takes a system's name, and this one is empty" : ""; });
  app.add_flag("--print-settings", o.print_settings, "prints the settings by name and ends");
  app.add_option("--seed", o.seed, "repeats a run: the reset seeds with N, the run's start with N + 5")
      ->transform(WholeFrom(0, kMaxSeed))
      ->type_name("N");
  app.add_option("--runs", o.runs,
                 "plays K runs with the seeds N to N + K - 1; auto: as many as every share's interval needs to be "
                 "within --precision")
      ->transform(RunsFrom(kMaxRuns))
      ->type_name("K|auto");
  app.add_option("--precision", o.precision.share,
                 "with --runs auto: the most every share's interval may reach either side (default 0.001)")
      ->transform(ShareUpTo(kMostSharePrecision))
      ->type_name("P");
  app.add_option("--precision-mean", o.precision.mean,
                 "with --runs auto: the most every mean's interval may reach either side, as a share of the mean")
      ->transform(ShareUpTo(kMostMeanPrecision))
      ->type_name("R");
  app.add_option("--jobs", o.jobs, "threads (default: one per core)")
      ->transform(WholeFrom(1, kMaxJobs))
      ->type_name("J");
  app.add_option("--report", o.report, "writes the report of one run as the window's save command")
      ->type_name("FILE")
      ->transform(kPath);
  app.add_option("--csv", o.csv, "writes one row per session of every run")->type_name("FILE")->transform(kPath);
  app.add_option("--plot", o.plot, "draws a histogram of the final balances")->type_name("FILE.svg")->transform(kPath);
  app.add_flag("--exact", o.exact, "computes the odds exactly (with --runs as well: beside the measured ones)");
  app.add_option("--exact-memory", o.exact_memory,
                 "the most memory the exact odds may take, in MiB (default " +
                     std::to_string(kExactMemoryBudget >> 20) + "); beyond it they are refused")
      ->transform(WholeFrom(16, kExactMemoryBudget >> 20))
      ->type_name("MIB");
  app.add_flag("--json", o.json, "prints the summary as one JSON object");
  app.add_option("--confidence", o.confidence, "the confidence of the sampled figures' intervals (default 0.95)")
      ->transform(kConfidence)
      ->type_name("C");
  app.add_option("--spins-per-hour", o.spins_per_hour,
                 "says how long a session lasts in hours as well, at this many spins an hour")
      ->transform(kSpinsPerHour)
      ->type_name("N");
  app.add_option("--sweep", o.sweeps, "every value of a numeric setting; once or twice")
      ->type_name("NAME=FROM:TO[:STEP]")
      ->check([](const std::string& text) { return SweepForm(text); });
  app.add_option("--table", o.table, "writes one row per cell of the sweep")->type_name("FILE.csv")->transform(kPath);
  app.add_option("--heatmap", o.heatmap, "draws a two-sweep grid coloured by --show")
      ->type_name("FILE.svg")
      ->transform(kPath);
  std::vector<std::string> showable;
  for (const FigureSpec& item : kFigures) {
    if (item.showable) showable.emplace_back(item.key);
  }
  app.add_option("--show", o.show, "the figure of the heat map")->check(CLI::IsMember(showable));
  app.add_option("--fan", o.fan,
                 "draws the course of the run's sessions exactly: percentile bands of the balance after each game")
      ->type_name("FILE.svg")
      ->transform(kPath);
  app.add_option("--paths", o.paths, "draws the balance over the games of the first 50 sampled sessions")
      ->type_name("FILE.svg")
      ->transform(kPath);
  app.add_option("--html", o.html, "writes one page with the settings, the summary and every picture")
      ->type_name("FILE.html")
      ->transform(kPath);
  std::string shard;
  app.add_option("--shard", shard, "plays the I-th of N parts of the runs or cells")->type_name("I/N");
  // The outputs above serve a merge as well: they fall through to it.
  CLI::App* merge = app.add_subcommand(
      "merge",
      "merges the JSON summaries of shards into the summary of the whole; takes --json, --plot, --table, --heatmap, "
      "--show, --fan, --paths and --html as a batch does");
  merge->fallthrough();
  merge->add_option("files", o.merge_files, "the shard summaries")->required()->type_name("FILE")->transform(kPath);
  merge->add_flag("--allow-gaps", o.allow_gaps, "merges shards that leave seeds or cells out, and says which");
  app.add_option("--solve", o.solve,
                 "finds with the exact odds the smallest value of a numeric setting (over its range, or FROM to TO) "
                 "that meets --for")
      ->type_name("NAME[=FROM:TO]");
  app.add_option("--for", o.solve_for, "the bound --solve meets, such as p_min<=0.05 or mean_final>=480")
      ->type_name("FIGURE<=VALUE");
  app.add_flag("--largest", o.largest, "--solve finds the largest value instead");
  CLI::App* compare = app.add_subcommand(
      "compare",
      "sets systems (--system A,B,...) or settings files side by side, on the same settings and seeds otherwise; "
      "takes the options of a batch: --table writes a row per system, --plot draws them side by side");
  compare->fallthrough();
  compare->add_option("files", o.compare_files, "settings files to compare")->type_name("FILE")->transform(kPath);

  try {
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    parsed.done = true;
    parsed.text = app.help();
    return parsed;
  } catch (const CLI::CallForVersion&) {
    parsed.done = true;
    parsed.text = std::string(kProgramVersion) + "\n";
    return parsed;
  } catch (const CLI::ParseError& error) {
    parsed.done = true;
    parsed.exit_code = 2;
    parsed.text = error.what();
    return parsed;
  }
  o.merge = merge->parsed();
  o.compare = compare->parsed();
  if (o.compare) o.compared = ComparedNames(o);
  o.has_seed = app.count("--seed") > 0;
  o.runs_given = app.count("--runs") > 0;
  o.runs_auto = o.runs_given && o.runs == 0;
  o.precision_given = app.count("--precision") + app.count("--precision-mean") > 0;
  if (app.count("--shard") > 0 && !ReadShard(shard, o.shard_index, o.shard_count)) {
    parsed.done = true;
    parsed.exit_code = 2;
    parsed.text = "--shard " + shard + ": takes I/N, such as 2/8, with 1 <= I <= N <= " + std::to_string(kMaxShards);
    return parsed;
  }
  const std::string conflict = o.merge ? MergeConflicts(app) : Conflicts(o);
  if (!conflict.empty()) {
    parsed.done = true;
    parsed.exit_code = 2;
    parsed.text = conflict;
  }
  return parsed;
}

OutputChoice ChoiceOf(const BatchOptions& options) {
  OutputChoice choice;
  choice.json = options.json;
  choice.plot = options.plot;
  choice.table = options.table;
  choice.heatmap = options.heatmap;
  choice.fan = options.fan;
  choice.paths = options.paths;
  choice.html = options.html;
  choice.show = FindFigure(options.show);
  return choice;
}

FanCourse FanOf(const BatchOptions& options) {
  return options.fan.empty() && options.html.empty() && !options.json ? FanCourse::None : FanCourse::Always;
}
