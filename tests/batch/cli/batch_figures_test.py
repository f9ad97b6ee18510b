#!/usr/bin/env python3
"""A figure is the same figure wherever it appears: every cell of a sweep,
every entry of a comparison and the same read from merged shards equal,
figure by figure, the batch run alone with that cell's settings. The
sampled figures of the batch alone are counted here from its sessions CSV,
not taken from the program's own sums."""
import csv
import json
import unittest
from html.parser import HTMLParser

import batch_folder
from batch_folder import Folder

SHARES = {"p_max": "max balance or wager limit", "p_min": "min balance",
          "p_limit": "table limit or last game", "p_check": "failed check", "p_none": "no count"}


class Tables(HTMLParser):
    """The tables of a page, each a list of rows of cell texts."""

    def __init__(self, page):
        super().__init__()
        self.tables = []
        self.in_cell = False
        self.feed(page)

    def handle_starttag(self, tag, attributes):
        if tag == "table":
            self.tables.append([])
        elif tag == "tr":
            self.tables[-1].append([])
        elif tag in ("td", "th"):
            self.tables[-1][-1].append("")
            self.in_cell = True

    def handle_endtag(self, tag):
        self.in_cell = self.in_cell and tag not in ("td", "th")

    def handle_data(self, data):
        if self.in_cell:
            self.tables[-1][-1][-1] += data


# How far a page's rounding may take a figure: shares and the result per
# unit with five decimals, money and games with two.
def rounding(key):
    return 5e-6 if key.startswith("p_") or key.endswith("per_unit") else 5e-3


class OneFigureEverywhere(Folder):
    COMMON = ["--seed", "7", "--runs", "5", "--exact", "--set", "games_per_session=60", "--set", "session_count=4"]

    def test_the_verdict_says_the_figures_of_the_json(self):
        for options in (["--exact"], ["--runs", "300", "--seed", "4", "--spins-per-hour", "37.5"]):
            verdict = self.ok(*options).split("\n\n", 1)[0]
            data = json.loads(self.ok(*options, "--json"))
            shares = data["exact"]["ended"] if "exact" in data else {k: v / data["sessions"] for k, v in data["ended"].items()}
            per_unit = data["exact"]["result_per_unit"] if "exact" in data else data["result_per_unit"]["value"]
            self.assertIn(f"max balance of 550 {100 * shares['max_balance_or_wager_limit']:.1f} %", verdict)
            self.assertIn(f"min balance of 0, {100 * shares['min_balance']:.1f} %", verdict)
            self.assertIn(f"of it, {-100 * per_unit:.2f} %", verdict)
            games = (data["exact"] if "exact" in data else data)["games"]
            hours = {key: f" ({games['hours'][key]:.2f} hours)" for key in games.get("hours", {})}
            self.assertIn(f"it lasts {games['median']:g} games{hours.get('median', '')} at the median, at most "
                          f"{games['p90']:g} games{hours.get('p90', '')}", verdict)
            if hours:
                self.assertAlmostEqual(games["hours"]["mean"] * 37.5, games["mean"])
            if "intervals" in data:
                self.assertIn("(95% interval {:.1f} to {:.1f} %)".format(*[100 * x for x in data["intervals"]["p_max"]]),
                              verdict)

    def rows(self, name):
        with open(self.path(name), newline="") as f:
            return list(csv.DictReader(f))

    def alone(self, *settings):
        """The figures of the batch alone: shares, means and the share at or
        above the capital counted from its sessions, the rest from its JSON."""
        summary = json.loads(self.ok(*self.COMMON, *settings, "--json", "--csv", self.path("alone.csv")))
        sessions = self.rows("alone.csv")
        capital = summary["settings"]["capital"]
        played = [s for s in sessions if int(s["games"]) > 0]
        figures = {key: sum(s["ended"] == ending for s in sessions) / len(sessions) for key, ending in SHARES.items()}
        figures["p_at_least_capital"] = sum(float(s["final balance"]) >= capital for s in played) / len(played)
        figures["mean_final"] = sum(float(s["final balance"]) for s in played) / len(played)
        figures["mean_games"] = sum(int(s["games"]) for s in sessions) / len(sessions)
        lasted = sorted(int(s["games"]) for s in sessions)
        for key, share in (("median_games", 0.5), ("p90_games", 0.9)):
            rank = share * (len(lasted) - 1)
            below = int(rank)
            above = min(below + 1, len(lasted) - 1)
            figures[key] = lasted[below] + (rank - below) * (lasted[above] - lasted[below])
        figures["wagered_per_session"] = sum(float(s["wagered"]) for s in sessions) / len(sessions)
        balance = summary["final_balance"]
        figures.update(median_final=balance["median"], p5_final=balance["p5"], p95_final=balance["p95"],
                       result_per_unit=summary["result_per_unit"]["value"])
        exact = summary["exact"]
        figures.update({"exact_" + key: exact["ended"][ending.replace(" ", "_")] for key, ending in SHARES.items()})
        figures.update({"exact_" + key: exact["final_balance"][name] for key, name in
                        [("mean_final", "mean"), ("median_final", "median"), ("p5_final", "p5"),
                         ("p95_final", "p95"), ("p_at_least_capital", "p_at_least_capital")]})
        figures.update({"exact_" + k: exact[k] for k in ("wagered_per_session", "mean_games", "result_per_unit")})
        figures.update(exact_median_games=exact["games"]["median"], exact_p90_games=exact["games"]["p90"])
        return figures, summary

    def assert_row(self, row, figures, where):
        for key, value in figures.items():
            with self.subTest(where=where, figure=key):
                self.assertAlmostEqual(float(row[key]), value, delta=1e-9 * max(1, abs(value)))

    def assert_page(self, table, column, figures, where):
        """A page's table of figures, a row a figure: the column holds the figures."""
        rows = {row[1]: row for row in table[1:]}
        for key, value in figures.items():
            with self.subTest(where=where, figure=key):
                self.assertAlmostEqual(float(rows[key][column]), value, delta=rounding(key))

    def test_every_sweep_cell_is_its_batch_alone_merged_or_not(self):
        # A preset's rows follow the swept first bet; the capital moves what
        # "at or above the capital" counts against, and the max balance
        # given relative to it.
        relative = ["--system", "martingale", "--set", "max_balance=+50"]
        sweep = [*self.COMMON, *relative, "--sweep", "capital=300:700:200", "--sweep", "first_bet=1:2"]
        self.ok(*sweep, "--table", self.path("whole.csv"), "--html", self.path("page.html"))
        with open(self.path("page.html")) as f:
            page_cells = next(t for t in Tables(f.read()).tables if t[0][:2] == ["capital", "first_bet"])
        cells = json.loads(self.ok(*sweep, "--json"))["cells"]
        self.ok("merge", *self.shards(sweep, 4), "--table", self.path("merged.csv"))
        self.assertEqual(self.rows("merged.csv"), self.rows("whole.csv"))
        for row, cell in zip(self.rows("whole.csv"), cells):
            settings = [*relative, "--set", f"capital={row['capital']}", "--set", f"first_bet={row['first_bet']}"]
            figures, summary = self.alone(*settings)
            where = f"capital={row['capital']}, first_bet={row['first_bet']}"
            self.assert_row(row, figures, where)
            # The page's cells show the exact figures where the cells have them.
            page_row = next(r for r in page_cells if r[:2] == [row["capital"], row["first_bet"]])
            for key, shown in zip(page_cells[0][2:], page_row[2:]):
                with self.subTest(where=where, page=key):
                    self.assertAlmostEqual(float(shown), figures["exact_" + key], delta=rounding(key))
            self.assertEqual(cell.pop("values"), {"capital": float(row["capital"]),
                                                  "first_bet": float(row["first_bet"])})
            self.assertEqual(cell, {k: v for k, v in summary.items() if k in cell})

    def test_every_compared_entry_is_its_batch_alone_merged_or_not(self):
        names = ["martingale", "dalembert", "flat"]
        compare = ["compare", "--system", ",".join(names), *self.COMMON, "--set", "capital=400",
                   "--set", "zero_rule=la_partage"]
        self.ok(*compare, "--table", self.path("whole.csv"))
        self.ok("merge", *self.shards(compare, 2), "--table", self.path("merged.csv"), "--html", self.path("page.html"))
        self.assertEqual(self.rows("merged.csv"), self.rows("whole.csv"))
        with open(self.path("page.html")) as f:
            tables = Tables(f.read()).tables
        exact_table, sampled_table, played = tables[0], tables[1], tables[-2]
        self.assertEqual([row[:3] for row in played[1:]],  # the page names what each system played
                         [[n, s, "single-zero wheel, zero rule la_partage"]
                          for n, s in zip(names, ["martingale (the progression rows)", "dalembert", "flat (the progression rows)"])])
        for column, (row, name) in enumerate(zip(self.rows("whole.csv"), names), start=2):
            self.assertEqual(row["system"], name)
            figures, _ = self.alone("--system", name, "--set", "capital=400", "--set", "zero_rule=la_partage")
            self.assert_row(row, figures, name)
            self.assert_page(sampled_table, column, {k: v for k, v in figures.items() if not k.startswith("exact_")},
                             name + " on the merged page, sampled")
            self.assert_page(exact_table, column, {k[6:]: v for k, v in figures.items() if k.startswith("exact_")},
                             name + " on the merged page, exact")

    def test_the_intervals_of_runs_merged_from_shards_are_those_of_one_machine(self):
        # The shards split the runs, so the sums of squares add across them.
        batch = ["--seed", "3", "--runs", "9", "--set", "session_count=5", "--set", "games_per_session=80",
                 "--confidence", "0.9"]
        whole = json.loads(self.ok(*batch, "--json"))
        merged = json.loads(self.ok("merge", *self.shards(batch, 3), "--confidence", "0.9", "--json"))
        self.assertEqual(merged["intervals"], whole["intervals"])
        self.assertEqual(whole["intervals"]["confidence"], 0.9)
        self.assertEqual(merged["counts"], whole["counts"])
        # A comparison's differences likewise, from the systems' merged runs.
        compare = ["compare", "--system", "martingale,flat", *batch]
        whole_compare = json.loads(self.ok(*compare, "--json"))
        merged_compare = json.loads(self.ok("merge", *self.shards(compare, 2), "--confidence", "0.9", "--json"))
        self.assertEqual(merged_compare["differences"], whole_compare["differences"])
        self.assertEqual(len(whole_compare["differences"]), 8)

    def test_runs_auto_stops_where_every_share_is_precise_and_is_the_batch_of_those_runs(self):
        batch = ["--seed", "11", "--set", "games_per_session=60", "--set", "session_count=4"]
        auto = json.loads(self.ok(*batch, "--runs", "auto", "--precision", "0.01", "--jobs", "2", "--json"))
        self.assertEqual(auto["batch"]["precision"], {"share": 0.01, "mean": None, "reached": True})
        shares = [key for key in auto["intervals"] if key.startswith("p_")]
        self.assertEqual(len(shares), 6)
        for key in shares:
            low, high = auto["intervals"][key]
            with self.subTest(share=key):
                self.assertLessEqual((high - low) / 2, 0.01)
        # The same runs played as a fixed count, on one thread, give the same.
        fixed = json.loads(self.ok(*batch, "--runs", str(auto["runs"]), "--jobs", "1", "--json"))
        self.assertEqual({k: v for k, v in auto.items() if k != "batch"}, {k: v for k, v in fixed.items() if k != "batch"})
        # A comparison samples every system until each is precise, on the same seeds.
        compare = json.loads(self.ok("compare", "--system", "martingale,flat", *batch, "--runs", "auto",
                                 "--precision", "0.02", "--json"))
        for system in compare["systems"]:
            self.assertEqual(system["runs"], compare["batch"]["runs"])
            for key in shares:
                low, high = system["intervals"][key]
                self.assertLessEqual((high - low) / 2, 0.02, system["system"] + " " + key)
        # A sweep samples every cell as long as its least precise one needs, as --runs K with that K.
        sweep = [*batch, "--sweep", "capital=300:500:200", "--json"]
        auto_sweep = json.loads(self.ok(*sweep, "--runs", "auto", "--precision", "0.02"))
        fixed_sweep = json.loads(self.ok(*sweep, "--runs", str(auto_sweep["batch"]["runs"])))
        self.assertEqual(auto_sweep["cells"], fixed_sweep["cells"])
        self.assertTrue(any((c["intervals"][k][1] - c["intervals"][k][0]) / 2 > 0.019 for c in auto_sweep["cells"]
                            for k in shares), "the least precise cell decided the runs")
        done = batch_folder.run("--sweep", "capital=1:1000", "--sweep", "first_bet=1:2", "--runs", "auto")
        self.assertEqual((done.returncode, done.stdout, "at most 1000 cells" in done.stderr), (2, "", True))

    def test_an_exact_comparison_samples_the_system_out_of_its_reach(self):
        small = ["--set", "games_per_session=80", "--set", "max_balance=530", "--set", "session_count=4"]
        compare = ["compare", "--system", "martingale,oscars_grind", "--exact", "--exact-memory", "16", *small,
                   "--precision", "0.01", "--confidence", "0.999", "--seed", "5"]
        done = batch_folder.run(*compare, "--json", "--table", self.path("mixed.csv"))
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertIn("sampled instead", done.stderr)
        self.assertIn("oscars_grind (the exact odds of these settings need more memory than their budget of 16 MiB",
                      done.stderr)
        martingale, grind = json.loads(done.stdout)["systems"]
        self.assertIn("exact", martingale)
        self.assertNotIn("intervals", martingale)
        self.assertNotIn("exact", grind)
        self.assertEqual(grind["batch"]["precision"], {"share": 0.01, "mean": None, "reached": True})
        # The system sampled in its place is the batch of its runs alone.
        alone = json.loads(self.ok("--system", "oscars_grind", *small, "--runs", str(grind["runs"]), "--seed", "5",
                               "--confidence", "0.999", "--json"))
        self.assertEqual({k: v for k, v in grind.items() if k not in ("system", "batch")},
                         {k: v for k, v in alone.items() if k != "batch"})
        self.assertEqual([(row["system"], row["odds"]) for row in self.rows("mixed.csv")],
                         [("martingale", "exact"), ("oscars_grind", "sampled")])
        # Within its whole budget the system's exact odds exist: its sampled
        # intervals hold them.
        exact = json.loads(self.ok("--system", "oscars_grind", "--exact", *small, "--json"))["exact"]
        truths = {key: exact["ended"][ending.replace(" ", "_")] for key, ending in SHARES.items()}
        truths.update((key, exact[key]) for key in ("wagered_per_session", "result_per_unit"))
        for key, truth in truths.items():
            with self.subTest(figure=key):
                self.assertTrue(grind["intervals"][key][0] <= truth <= grind["intervals"][key][1])
        # One system alone is refused, and told what answers instead.
        alone = batch_folder.run("--system", "oscars_grind", "--exact", "--exact-memory", "16", *small)
        self.assertEqual(alone.returncode, 1)
        self.assertIn("--runs auto", alone.stderr)

    def test_a_solved_value_is_the_batch_alone(self):
        solve = ["--system", "martingale", "--set", "games_per_session=60", "--set", "session_count=4"]
        solved = json.loads(self.ok(*solve, "--solve", "first_bet=1:12", "--for", "p_min<=0.2", "--json"))["solve"]
        for tried in solved["tried"]:
            alone = json.loads(self.ok(*solve, "--set", f"first_bet={tried['value']}", "--exact", "--json"))
            with self.subTest(first_bet=tried["value"]):
                self.assertEqual(tried["figure"], alone["exact"]["ended"]["min_balance"])


if __name__ == "__main__":
    unittest.main(verbosity=1)
