#!/usr/bin/env python3
"""vantrel-batch as a user meets it: its outputs read by standard readers
(CSV, XML, JSON), the same output for any number of threads or shards, the
named settings and every bad value refused with one clear line, exit code 2
and no output file left behind."""
import csv
import json
import os
import unittest
import xml.etree.ElementTree as ElementTree
from html.parser import HTMLParser

from batch_folder import Folder, run

SVG = "{http://www.w3.org/2000/svg}"


class Outputs(Folder):
    def test_one_run_prints_list_counts_percentages_then_summary(self):
        lines = self.ok("--seed", "1000").split("\n")
        self.assertEqual(lines[0], "    10. 564 ||")
        self.assertEqual(lines[3].split(), ["6", "3", "1"])
        self.assertEqual(lines[4].split(), ["60.00%", "30.00%", "10.00%"])
        self.assertEqual((lines[5], lines[lines.index("") + 1]), ("in short, sampled:", "seed: 1000"))

    def test_csv_and_plot_read_with_standard_readers_the_same_for_any_jobs(self):
        one = self.ok("--seed", "3", "--runs", "7", "--jobs", "1", "--csv", self.path("1.csv"), "--plot", self.path("p.svg"))
        two = self.ok("--seed", "3", "--runs", "7", "--jobs", "2", "--csv", self.path("2.csv"))
        self.assertEqual(one, two)
        self.assertTrue(one.split("\n\n", 1)[1].startswith("runs: 7, seeds 3 to 9\n"), "no list of a single run")
        self.assertEqual(self.read("1.csv", "rb"), self.read("2.csv", "rb"))
        rows = list(csv.DictReader(self.read("1.csv").splitlines()))
        self.assertEqual(len(rows), 70)
        self.assertEqual({r["run"] for r in rows}, {str(n) for n in range(1, 8)})
        self.assertIn(f"total wagered: {sum(int(r['wagered']) for r in rows)}\n", one)
        texts = " ".join(t.text or "" for t in ElementTree.parse(self.path("p.svg")).getroot().iter(SVG + "text"))
        for label in ("final balance", "sessions", "capital 500", "max balance 550", "min balance 0"):
            self.assertIn(label, texts)

    def test_settings_file_and_report(self):
        settings = ["  1000", "    12", "   1", "100000", "  1000", "  1100", "   300", "     0"]
        settings += ["   2"] * 22 + ["0", "1", "0", "1", "1", "0"]
        with open(self.path("roul_dat.dat"), "w", newline="") as f:
            f.write("".join(line + "\r\n" for line in settings))
        out = self.ok("--settings", "roul_dat.dat", "--seed", "5", "--report", "r.txt", cwd=self.folder.name)
        self.assertIn("sessions played: 12", out)
        report = self.read("r.txt", "rb")
        self.assertIn(b"game with ZeroZero\r\n", report)
        self.assertNotIn(b"\n", report.replace(b"\r\n", b""))

    def test_json_holds_every_key_and_the_exact_figures(self):
        out = json.loads(self.ok("--seed", "9", "--runs", "30", "--exact", "--json"))
        for key in ("runs", "sessions", "seeds", "ended", "final_balance", "wagered", "result", "result_per_unit",
                    "expected_per_unit", "settings", "exact"):
            self.assertIn(key, out)
        self.assertEqual(out["seeds"], {"first": 9, "last": 38})
        self.assertEqual(set(out["ended"]), {"max_balance_or_wager_limit", "min_balance", "table_limit_or_last_game",
                                             "failed_check", "no_count"})
        self.assertEqual(set(out["final_balance"]), {"mean", "median", "p5", "p95", "min", "max"})
        self.assertEqual(len(out["result_per_unit"]["ci95"]), 2)
        exact = out["exact"]
        self.assertEqual(set(exact["ended"]), set(out["ended"]))
        self.assertEqual(set(exact["final_balance"]), {"mean", "median", "p5", "p95", "p_at_least_capital"})
        self.assertAlmostEqual(exact["ended"]["max_balance_or_wager_limit"], 0.647848, places=6)
        self.assertAlmostEqual(exact["wagered_per_session"], 927.70, places=2)
        self.assertEqual(out["settings"]["bet_after_wins"][:3], [2, 5, 11])
        alone = json.loads(self.ok("--exact", "--json"))
        self.assertNotIn("runs", alone, "no sampled keys with --exact alone")
        self.assertEqual(alone["exact"], exact)

    def test_a_sweep_writes_a_table_and_a_heat_map(self):
        short = ["--set", "games_per_session=60", "--set", "session_count=2"]
        out = self.ok("--exact", *short, "--sweep", "first_bet=1:3", "--sweep", "table_limit=200:1000:400",
                      "--table", self.path("t.csv"), "--heatmap", self.path("h.svg"), "--show", "p_min")
        rows = list(csv.DictReader(self.read("t.csv").splitlines()))
        self.assertEqual([(r["first_bet"], r["table_limit"]) for r in rows][:4],
                         [("1", "200"), ("1", "600"), ("1", "1000"), ("2", "200")])
        alone = json.loads(self.ok("--exact", *short, "--set", "first_bet=2", "--set", "table_limit=600", "--json"))
        self.assertAlmostEqual(float(rows[4]["p_max"]), alone["exact"]["ended"]["max_balance_or_wager_limit"], places=9)
        self.assertIn("sweep of first_bet and table_limit, 9 cells", out)
        root = ElementTree.parse(self.path("h.svg")).getroot()
        texts = [t.text for t in root.iter(SVG + "text")]
        self.assertIn("first_bet", texts)
        self.assertIn("table_limit", texts)
        self.assertIn(f"{float(rows[2]['p_min']):.3f}", texts)
        self.assertEqual(len([r for r in root.iter(SVG + "rect") if r.get("width") not in ("20.0", "100%")]), 9)


class Settings(Folder):
    def test_set_system_and_print_settings(self):
        printed = self.ok("--system", "martingale", "--set", "first_bet=2", "--set", "bet_after_wins=3:7",
                          "--set", "double_zero=1", "--print-settings")
        values = dict(line.split("=", 1) for line in printed.splitlines())
        self.assertEqual(values["bet_after_losses"], "4,8,16,32,64,128,256,512,1024,2048,4096")
        self.assertEqual(values["bet_after_wins"], "2,2,7,2,2,2,2,2,2,2,2")
        self.assertEqual((values["first_bet_after_win"], values["first_bet_after_loss"]), ("1", "0"))
        self.assertEqual(values["double_zero"], "1")
        systems = {name: dict(line.split("=", 1) for line in self.ok("--system", name, "--print-settings").splitlines())
                   for name in ("flat", "fibonacci_rows", "paroli", "vantrel", "labouchere")}
        self.assertEqual(systems["flat"]["bet_after_wins"], ",".join(["1"] * 11))
        self.assertEqual(systems["fibonacci_rows"]["bet_after_losses"], "1,2,3,5,8,13,21,34,55,89,144")
        self.assertEqual(systems["paroli"]["bet_after_wins"], "2,4,1,2,4,1,2,4,1,2,4")
        self.assertEqual((systems["labouchere"]["system"], systems["labouchere"]["line"]), ("labouchere", "1,2,3,4"))
        self.assertEqual(systems["vantrel"], dict(line.split("=", 1) for line in self.ok("--print-settings").splitlines()))

    def test_printed_settings_read_back_from_a_file_and_compare(self):
        printed = self.ok("--system", "labouchere", "--set", "zero_rule=la_partage", "--set", "fresh_sessions=1",
                          "--print-settings")
        with open(self.path("lab.txt"), "w") as f:
            f.write(printed.replace("\n", "\r\n") + "# kept by hand\n")
        self.assertEqual(self.ok("--settings", self.path("lab.txt"), "--print-settings"), printed)
        self.assertIn("lab.txt", self.ok("compare", "--system", "martingale", self.path("lab.txt"), "--runs", "2"))
        with open(self.path("bad.txt"), "w") as f:
            f.write("capital=500\nzero_rule=sometimes\n")
        done = run("--settings", self.path("bad.txt"))
        self.assertEqual((done.returncode, done.stderr.count("\n")), (2, 1))
        self.assertIn("bad.txt, line 2: zero_rule=sometimes: zero_rule takes one of", done.stderr)

    def test_limits_relative_to_the_capital_follow_it(self):
        printed = self.ok("--set", "max_balance=+10%", "--set", "min_balance=-300", "--set", "capital=1000",
                          "--print-settings")
        self.assertIn("max_balance=+10%\n# max_balance comes to 1100 with the capital 1000\nmin_balance=-300\n"
                      "# min_balance comes to 700 with the capital 1000\n", printed)
        relative = ["--system", "martingale", "--set", "max_balance=+50"]
        value = json.loads(self.ok(*relative, "--solve", "capital=100:2000", "--for", "p_min<=0.12", "--json"))
        ruin = [json.loads(self.ok(*relative, "--set", f"capital={capital}", "--exact", "--json"))["exact"]["ended"]
                ["min_balance"] for capital in (value["solve"]["value"] - 1, value["solve"]["value"])]
        self.assertTrue(ruin[0] > 0.12 >= ruin[1], ruin)
        done = run("--set", "max_balance=+10%", "--sweep", "capital=900000:1000000:100000", "--exact")
        self.assertEqual((done.returncode, "capital 1000000 makes max_balance=+10% come to 1100000" in done.stderr),
                         (2, True), "a capital swept past what its relative limit allows is refused, not played stale")

    def test_version_and_notes_on_settings_a_user_may_not_expect(self):
        self.assertEqual(self.ok("--version"), "vantrel-batch 1.1\n")
        for sets, note in ((["max_balance=400"], "the max balance (400) is at or below the capital (500)"),
                           (["min_balance=500"], "the min balance (500) is at or above the capital (500)"),
                           (["capital=500.5"], "the capital 500.5 is played as 500"), (["first_bet=1"], None)):
            done = run(*sum((["--set", s] for s in sets), []), "--exact")
            self.assertEqual((done.returncode, "vantrel-batch: note: " + note in done.stderr if note else done.stderr),
                             (0, True if note else ""))

    def test_every_bad_value_is_refused_in_one_line_naming_it(self):
        bad = [("--set", "capital=0", "capital takes a number from 1 to 1000000"),
               ("--set", "games_per_session=10001", "games_per_session takes"),
               ("--set", "delay_ms=-1", "delay_ms takes"), ("--set", "first_bet=1001", "first_bet takes"),
               ("--set", "wager_limit=0", "wager_limit takes"), ("--set", "table_limit=20000", "0 to 19999"),
               ("--set", "max_balance=x", "max_balance takes"), ("--set", "min_balance=-501", "min_balance takes"),
               ("--set", "session_count=500001", "session_count takes"),
               ("--set", "bet_after_wins=1,2", "eleven comma-separated"), ("--set", "bet_after_losses=12:5", "N:VALUE"),
               ("--set", "bet_after_losses=1:0", "bet_after_losses takes"), ("--set", "bet_on_red=2", "takes 0 or 1"),
               ("--set", "show_numbers_live=yes", "takes 0 or 1"), ("--set", "nope=1", "there is no setting nope"),
               ("--set", "capital", "capital takes"), ("--system", "martingail", "no such system"),
               ("--set", "line=1,0", "line takes"), ("--set", "zero_rule=half", "zero_rule takes"),
               ("--runs", "0", "--runs"), ("--jobs", "257", "--jobs"), ("--seed", "-4", "--seed"),
               ("--sweep", "capital=9:1", "FROM <= TO"), ("--sweep", "bet_on_red=0:1", "numeric"),
               ("--show", "p_none", "--show"), ("--frobnicate", "1", "--frobnicate")]
        for option, value, says in bad:
            with self.subTest(option=option, value=value):
                done = run(option, value, cwd=self.folder.name)
                self.assertEqual(done.returncode, 2, done.stdout)
                self.assertIn(says, done.stderr)
                self.assertEqual(len(done.stderr.strip().splitlines()), 1, done.stderr)
                self.assertEqual(done.stdout, "")
        self.assertEqual(os.listdir(self.folder.name), [])

    def test_files_that_cannot_be_read_or_written(self):
        for arguments, says in ((["--settings", self.path("none.dat")], "none.dat could not be read"),
                                (["--seed", "1", "--csv", self.path("no/such/s.csv")], "s.csv could not be written")):
            done = run(*arguments)
            self.assertEqual((done.returncode, done.stdout), (1, ""))
            self.assertIn(says, done.stderr)
        self.assertEqual(os.listdir(self.folder.name), [])


class Shards(Folder):
    """Any split of a batch into shards merges into exactly the batch."""

    def outputs(self, arguments, prefix):
        """The text, JSON and pictures of a batch, or of its merged shards."""
        files = {"plot": "--plot", "fan": "--fan", "paths": "--paths", "html": "--html"}
        if "--sweep" in arguments:
            files = {"table": "--table", "heatmap": "--heatmap", "html": "--html"}
        elif "compare" in arguments:
            files = {"table": "--table", "plot": "--plot", "fan": "--fan", "html": "--html"}
        written = []
        for name, option in files.items():
            written += [option, self.path(f"{prefix}-{name}")]
        return written, [self.path(f"{prefix}-{name}") for name in files]

    def check_splits(self, arguments, played=None):
        written, pictures = self.outputs(arguments, "whole")
        whole = (self.ok(*arguments, *written), self.ok(*arguments, "--json"))
        whole_files = [self.read(os.path.basename(p), "rb") for p in pictures]
        for picture in whole_files if played else []:
            self.assertIn(played.encode(), picture)  # every picture names what was played
        for count in (1, 2, 3, 7):
            parts = self.shards(arguments, count)
            written, merged_pictures = self.outputs(arguments, f"merged-{count}")
            merged = (self.ok("merge", *reversed(parts), *written), self.ok("merge", *parts, "--json"))
            with self.subTest(shards=count):
                self.assertEqual(merged, whole)
                self.assertEqual([self.read(os.path.basename(p), "rb") for p in merged_pictures], whole_files)

    def test_runs_merge_into_the_whole(self):
        self.check_splits(["--seed", "5", "--runs", "21", "--exact", "--set", "games_per_session=40", "--system",
                           "martingale"], "martingale (the progression rows); single-zero wheel")

    def test_a_sweep_merges_into_the_whole(self):
        self.check_splits(["--seed", "8", "--runs", "3", "--sweep", "capital=300:500:100", "--sweep",
                           "first_bet=1:3"])

    def test_a_comparison_merges_into_the_whole(self):
        self.check_splits(["compare", "--system", "martingale,dalembert,oscars_grind", "--seed", "4", "--runs", "3",
                           "--exact", "--set", "games_per_session=30"])

    def test_bad_shard_sets_are_refused_and_write_nothing(self):
        parts = []
        for index in (1, 2, 3):
            parts.append(self.path(f"p{index}.json"))
            with open(parts[-1], "w") as f:
                f.write(self.ok("--seed", "5", "--runs", "9", "--shard", f"{index}/3", "--json"))
        with open(self.path("other.json"), "w") as f:
            f.write(self.ok("--seed", "5", "--runs", "9", "--shard", "2/3", "--json", "--set", "capital=400"))
        cases = [([parts[0], parts[2]], "leave out seeds 8 to 10"),
                 ([parts[0], parts[0], parts[1], parts[2]], "overlap"),
                 ([parts[0], self.path("other.json"), parts[2]], "other.json: it belongs to another batch"),
                 ([parts[0], self.path("gone.json")], "gone.json: it could not be read")]
        before = sorted(os.listdir(self.folder.name))
        for files, says in cases:
            with self.subTest(says=says):
                done = run("merge", *files, "--plot", self.path("never.svg"))
                self.assertEqual(done.returncode, 1)
                self.assertIn(says, done.stderr)
                self.assertEqual(done.stdout, "")
        self.assertEqual(sorted(os.listdir(self.folder.name)), before)
        allowed = run("merge", parts[0], parts[2], "--allow-gaps")
        self.assertEqual(allowed.returncode, 0)
        self.assertIn("missing seeds 8 to 10", allowed.stderr)
        self.assertIn("runs: 6,", allowed.stdout)


class Pictures(Folder):
    """The course of sessions and the page, read by standard parsers."""

    def test_the_fan_is_the_course_of_the_first_session(self):
        # One session: the first is the run.
        out = json.loads(self.ok("--exact", "--json", "--set", "games_per_session=40", "--set", "session_count=1",
                                 "--fan", self.path("f.svg")))
        fan = out["fan"]
        self.assertEqual([p["game"] for p in fan], list(range(1, 41)))
        for p in fan:
            self.assertEqual(sorted([p["p5"], p["p25"], p["p50"], p["p75"], p["p95"]]),
                             [p["p5"], p["p25"], p["p50"], p["p75"], p["p95"]])
        playing = [p["playing"] for p in fan]
        self.assertTrue(all(later <= earlier + 1e-12 for earlier, later in zip(playing, playing[1:])), playing)
        self.assertAlmostEqual(sum(playing), out["counts"]["exact"]["games"], places=9)
        root = ElementTree.parse(self.path("f.svg")).getroot()
        texts = " ".join(t.text or "" for t in root.iter(SVG + "text"))
        for words in ("exact", "game", "balance", "capital 500", "max balance 550", "min balance 0", "median"):
            self.assertIn(words, texts)
        self.assertEqual(len(root.findall(f"{SVG}polygon")), 2)

    def test_paths_draw_the_first_sessions_as_they_ended(self):
        self.ok("--seed", "4", "--runs", "7", "--paths", self.path("p.svg"), "--csv", self.path("s.csv"))
        lines = ElementTree.parse(self.path("p.svg")).getroot().findall(f"{SVG}polyline")
        sessions = list(csv.DictReader(self.read("s.csv").splitlines()))
        self.assertEqual(len(lines), 50)
        colours = {}
        for line, session in zip(lines, sessions):
            points = line.get("points").split()
            self.assertEqual(len(points), int(session["games"]) + 1)
            colours.setdefault(session["ended"], set()).add(line.get("stroke"))
        self.assertTrue(all(len(c) == 1 for c in colours.values()), colours)
        self.assertEqual(len(set.union(*colours.values())), len(colours))

    def test_pages_are_whole_and_self_contained(self):
        class Page(HTMLParser):
            def __init__(self):
                super().__init__()
                self.tags, self.headings, self.outside = [], [], []
                self.in_heading = False

            def handle_starttag(self, tag, attributes):
                self.tags.append(tag)
                self.in_heading = tag == "h2"
                self.outside += [v for k, v in attributes if k in ("src", "href") or (v and "url(" in v)]

            def handle_data(self, data):
                if self.in_heading:
                    self.headings.append(data)
                    self.in_heading = False

        cases = [(["--exact", "--runs", "3", "--paths", self.path("p.svg"), "--set", "games_per_session=30", "--system",
                   "martingale"],
                  ["In short", "Summary", "The course of a session", "Final balances", "The first sessions",
                   "Settings"]),
                 (["compare", "--system", "dalembert,fibonacci", "--exact", "--set", "games_per_session=30"],
                  ["The systems side by side", "Their final balances and endings",
                   "The course of a session, system by system"]),
                 (["--exact", "--sweep", "capital=300:500:100", "--sweep", "first_bet=1:2"], ["Heat map", "The cells"]),
                 (["--solve", "capital=100:500", "--for", "p_min<=0.5", "--set", "games_per_session=30"],
                  ["The question", "The figure against the values tried", "What was tried"])]
        for arguments, sections in cases:
            with self.subTest(arguments=arguments[:2]):
                self.ok(*arguments, "--html", self.path("page.html"))
                page = Page()
                page.feed(self.read("page.html"))
                self.assertNotIn("script", page.tags)
                self.assertEqual(page.outside, [])
                self.assertEqual(self.read("page.html").count("<title>Vantrel: martingale"), "martingale" in arguments)
                for section in sections:
                    self.assertIn(section, page.headings)
                self.assertEqual(page.tags.count("svg"), sum(s in ("Heat map", "The course of a session",
                                                                   "Final balances", "The first sessions",
                                                                   "Their final balances and endings",
                                                                   "The figure against the values tried",
                                                                   "The course of a session, system by system")
                                                              for s in page.headings))


class Comparisons(Folder):
    SETTINGS = ["--set", "games_per_session=20", "--set", "session_count=3"]

    def test_what_the_window_cannot_play_it_does_not_show(self):
        for setting in ("system=dalembert", "zero_rule=en_prison"):
            with self.subTest(setting=setting):
                out = self.ok("--seed", "1", "--set", setting)
                self.assertTrue(out.split("\n\n", 1)[1].startswith("seed: 1\n"), out[:80])
                done = run("--seed", "1", "--set", setting, "--report", self.path("r.txt"))
                self.assertEqual(done.returncode, 2)
                self.assertIn("--report writes the window's report", done.stderr)

    def test_each_system_is_its_own_batch_on_the_same_seeds(self):
        with open(self.path("a&b.dat"), "w", newline="") as f:
            lines = ["   500", "    60", "   1", "100000", "  1000", "   550", "     0", "     3"]
            f.write("".join(line + "\r\n" for line in lines + ["   1"] * 22 + ["0"] * 6))
        names = ["labouchere", "great_martingale"]
        common = ["--seed", "11", "--runs", "4", "--exact", *self.SETTINGS, "--set", "zero_rule=la_partage"]
        out = json.loads(self.ok("compare", "--system", ",".join(names), self.path("a&b.dat"), *common, "--json",
                                 "--table", self.path("t.csv"), "--plot", self.path("p.svg")))
        self.assertEqual(out["compare"], names + [self.path("a&b.dat")])
        for entry, name in zip(out["systems"], names):
            alone = json.loads(self.ok("--system", name, *common, "--json"))
            self.assertEqual(entry.pop("system"), name)
            self.assertEqual(entry, alone)
        from_file = json.loads(self.ok("--settings", self.path("a&b.dat"), *common, "--json"))
        self.assertEqual(out["systems"][2]["exact"], from_file["exact"])
        rows = list(csv.DictReader(self.read("t.csv").splitlines()))
        self.assertEqual([r["system"] for r in rows], out["compare"])
        self.assertAlmostEqual(float(rows[0]["exact_mean_games"]), out["systems"][0]["exact"]["mean_games"], places=6)
        texts = [t.text for t in ElementTree.parse(self.path("p.svg")).getroot().iter(SVG + "text")]
        for name in out["compare"]:
            self.assertIn(name, texts)
        self.assertNotIn("failed check", texts, "the legend names only the endings some system had")

    def test_a_comparison_refuses_what_it_cannot_compare(self):
        cases = [(["--system", "dalembert"], "2 to 8"),
                 (["--system", ",".join(["flat"] * 2)], "flat is named twice"),
                 (["--system", "dalembert,nosuch"], "no such system"),
                 (["--system", "dalembert,flat,", ], "empty system"),
                 (["--system", "dalembert,flat", "--sweep", "capital=1:2"], "no options of a comparison"),
                 (["--system", "dalembert,flat", "--set", "system=labouchere"], "name them in --system"),
                 (["--system", "dalembert,flat", "--set", "double_zero=1", "--set", "zero_rule=en_prison"],
                  "zero_rule")]
        for arguments, says in cases:
            with self.subTest(says=says):
                done = run("compare", *arguments, "--plot", self.path("never.svg"))
                self.assertEqual(done.returncode, 2, done.stdout)
                self.assertIn(says, done.stderr)
                self.assertFalse(os.path.exists(self.path("never.svg")))

    def test_solve_finds_the_edge_of_the_bound_and_says_what_it_tried(self):
        def figure(capital):
            out = json.loads(self.ok("--exact", "--json", *flat, "--set", f"capital={capital}"))
            return out["exact"]["ended"]["min_balance"]

        # Flat bets: the chance of ruin falls as the capital grows.
        flat = ["--system", "flat", "--set", "first_bet=5", *self.SETTINGS]
        solved = json.loads(self.ok("--solve", "capital=10:500", "--for", "p_min<=0.01", "--json", *flat))
        answer = solved["solve"]["value"]
        self.assertLessEqual(figure(answer), 0.01)
        self.assertGreater(figure(answer - 1), 0.01)
        tried = {t["value"]: t["figure"] for t in solved["solve"]["tried"]}
        self.assertEqual(tried[answer], figure(answer))
        self.assertIn(10, tried)
        self.assertGreater(answer, 10)
        largest = json.loads(self.ok("--solve", "capital=10:500", "--for", "p_min>=0.01", "--largest", "--json",
                                     *flat))
        self.assertEqual(largest["solve"]["value"], answer - 1)
        none = json.loads(self.ok("--solve", "capital=10:500", "--for", "p_min<=-1", "--json", *flat))
        self.assertIsNone(none["solve"]["value"])
        text = self.ok("--solve", "capital=10:500", "--for", "p_min<=0.01", *flat)
        self.assertNotIn("not monotone", text)
        self.assertIn(f"answer: capital={answer} ", text)
        for arguments, says in [(["--solve", "capital"], "--for"), (["--for", "p_min<=1"], "--solve"),
                                (["--solve", "bet_on_red", "--for", "p_min<=1"], "numeric setting"),
                                (["--solve", "capital=5:1", "--for", "p_min<=1"], "FROM:TO"),
                                (["--solve", "capital", "--for", "p_min<1"], "FIGURE<=VALUE"),
                                (["--solve", "capital", "--for", "p_min<=1", "--runs", "3"], "leave out"),
                                (["--exact", "--plot", self.path("never.svg")], "--plot write the sessions")]:
            with self.subTest(says=says):
                done = run(*arguments)
                self.assertEqual(done.returncode, 2, done.stdout)
                self.assertIn(says, done.stderr)


if __name__ == "__main__":
    unittest.main(verbosity=1)
