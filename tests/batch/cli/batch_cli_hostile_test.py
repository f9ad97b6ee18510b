#!/usr/bin/env python3
"""vantrel-batch against hostile and unlucky input: every case ends with
its exit code and one line on standard error naming what is wrong, and
leaves on disk exactly what it should (a file whole or not at all, a
device or a pipe written in place, a link still a link, no temporary
file); an edited shard is refused with its field named."""
import copy
import json
import os
import signal
import stat
import subprocess
import threading
import time
import unittest
import xml.etree.ElementTree as ElementTree

from batch_folder import BATCH, Folder, run

SMALL = ["--set", "games_per_session=20", "--set", "session_count=3"]


class Writes(Folder):
    def test_a_failed_write_on_standard_output_is_an_error(self):
        with open("/dev/full", "w") as full:
            done = run("--seed", "1", "--json", *SMALL, stdout=full)
        self.refused(done, 1, "standard output could not be written: No space left on device")

    def test_a_closed_pipe_ends_quietly(self):
        reader = subprocess.Popen([BATCH, "--exact", "--set", "games_per_session=1", "--sweep", "capital=100:1000:1",
                                   "--json"], stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        reader.stdout.readline()
        reader.stdout.close()
        self.assertEqual(reader.wait(timeout=60), -signal.SIGPIPE)
        self.assertEqual(reader.stderr.read(), b"")
        reader.stderr.close()

    def test_output_paths_that_are_no_regular_files(self):
        """Each case: what the path is, the exit code, what standard error
        says, and what the path holds afterwards (None: left as it was)."""
        os.mkfifo(self.path("fifo"))
        self.write("target.csv", "old")
        os.symlink("target.csv", self.path("link.csv"))
        os.symlink("nowhere/new.csv", self.path("dangling.csv"))
        self.write("locked.csv", "kept")
        os.chmod(self.path("locked.csv"), stat.S_IRUSR)
        os.mkdir(self.path("folder.csv"))
        piped = []

        def drain_fifo():
            with open(self.path("fifo"), "rb") as fifo:
                piped.append(fifo.read())
        drain = threading.Thread(target=drain_fifo)
        drain.start()
        cases = [("/dev/null", 0, "", None), ("/dev/full", 1, "/dev/full could not be written: No space left", None),
                 (self.path("fifo"), 0, "", None), (self.path("link.csv"), 0, "", "run,session"),
                 (self.path("locked.csv"), 1, "locked.csv could not be written: Permission denied", "kept"),
                 (self.path("folder.csv"), 1, "folder.csv could not be written: Is a directory", None),
                 (self.path("dangling.csv"), 1, "dangling.csv could not be written: No such file or directory", None)]
        for path, code, says, holds in cases:
            with self.subTest(path=os.path.basename(path)):
                done = run("--seed", "1", "--runs", "2", *SMALL, "--csv", path, stdout=subprocess.DEVNULL)
                self.assertEqual(done.returncode, code, done.stderr)
                self.assertIn(says, done.stderr)
                if holds is not None:
                    with open(path, newline="") as f:
                        self.assertTrue(f.read().startswith(holds))
        drain.join(timeout=30)
        self.assertTrue(piped and piped[0].startswith(b"run,session,final balance"), "the pipe got the rows")
        self.assertTrue(os.path.islink(self.path("link.csv")), "a link stays a link")
        self.assertTrue(stat.S_ISCHR(os.stat("/dev/null").st_mode))
        self.assertEqual(sorted(os.listdir(self.dir)),
                         ["dangling.csv", "fifo", "folder.csv", "link.csv", "locked.csv", "target.csv"])

    def test_a_link_planted_at_the_old_temporary_name_is_not_followed(self):
        self.write("victim.txt", "precious")
        os.symlink("victim.txt", self.path("out.csv.partial"))
        done = run("--seed", "1", "--runs", "2", *SMALL, "--csv", self.path("out.csv"), stdout=subprocess.DEVNULL)
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertEqual(self.read("victim.txt"), "precious")
        self.assertEqual(sorted(os.listdir(self.dir)), ["out.csv", "out.csv.partial", "victim.txt"])

    def test_an_interrupted_run_leaves_no_temporary_file(self):
        for sent in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
            with self.subTest(signal=sent.name):
                batch = subprocess.Popen([BATCH, "--seed", "1", "--runs", "1000000", "--csv", self.path("s.csv")],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                while not os.listdir(self.dir):
                    time.sleep(0.01)
                time.sleep(0.2)
                batch.send_signal(sent)
                self.assertEqual(batch.wait(timeout=30), -sent)
                self.assertEqual(os.listdir(self.dir), [])

    def test_a_full_disk_leaves_the_old_file_whole(self):
        mount = self.path("small")
        os.mkdir(mount)
        if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", mount],
                          capture_output=True).returncode != 0:
            self.skipTest("cannot mount a small file system here (needs root)")
        try:
            with open(os.path.join(mount, "s.csv"), "w") as f:
                f.write("old")
            done = run("--seed", "1", "--runs", "200", "--csv", os.path.join(mount, "s.csv"),
                       stdout=subprocess.DEVNULL)
            self.refused(done, 1, "s.csv could not be written: No space left on device")
            self.assertEqual(os.listdir(mount), ["s.csv"])
            with open(os.path.join(mount, "s.csv")) as f:
                self.assertEqual(f.read(), "old")
        finally:
            subprocess.run(["umount", mount])


class BadInput(Folder):
    def test_each_is_refused_with_exit_2_and_no_output(self):
        self.write("short.dat", "500\r\n" * 20)
        self.write("empty.dat", "")
        self.write("huge.dat", "1e400\r\n" + "500\r\n" * 29 + "0\r\n" * 6)
        self.write("long.dat", "5" * 300 + "\r\n" + "500\r\n" * 29 + "0\r\n" * 6)
        cases = [
            (["--csv", ""], "--csv: takes a file's path"), (["--settings", ""], "--settings: takes a file's path"),
            (["merge", ""], "takes a file's path"), (["--shard", ""], "--shard : takes I/N"),
            (["--shard", "0/3", "--json"], "1 <= I <= N"), (["--shard", "4/3", "--json"], "1 <= I <= N"),
            (["--shard", "1/99999999999", "--json"], "N <= 1000000000"),
            (["--seed", "4294967295", "--runs", "3"], "would pass the last seed, 4294967295"),
            (["--sweep", "capital=1:5", "--sweep", "capital=1:5"], "capital is swept twice"),
            (["--runs", "0x10"], "--runs"), (["--set", "capital=0x10"], "capital takes a number"),
            (["--sweep", "capital=0x1:0x5"], "--sweep"), (["--runs", "1e400"], "--runs"),
            (["--set", "capital=inf"], "capital takes"), (["--set", "capital= 5"], "capital takes"),
            (["--runs", "2.5"], "--runs"), (["--settings", "short.dat"], "short.dat has 20 lines"),
            (["--settings", "empty.dat"], "empty.dat has 0 lines"),
            (["--settings", "huge.dat"], "huge.dat: its capital is too large to be a number"),
            (["--settings", "long.dat"], "long.dat: line 1 is longer than the 255 characters a field takes"),
            # Whole numbers by their digits, not by the double they round to.
            (["--seed", "1e-400"], "--seed"), (["--runs", "2.0000000000000001"], "--runs"),
            (["--shard", "1/2.0000000000000001", "--json"], "takes I/N"),
            (["--set", "line=1.0000000000000001"], "line takes"), (["--system", ""], "--system: takes a system's"),
            (["--set", "line=1,2\n3,4"], "line=1,2\\x0a3,4: line takes"),
            (["--spins-per-hour", "nan"], "--spins-per-hour: nan: takes a number of spins an hour from 1 to 1000"),
            (["--spins-per-hour", "0.5"], "--spins-per-hour: 0.5: takes")]
        for arguments, says in cases:
            with self.subTest(arguments=" ".join(arguments)):
                done = run(*arguments, cwd=self.dir)
                self.refused(done, 2, says)
                self.assertEqual(done.stdout, "")
        self.assertEqual(sorted(os.listdir(self.dir)), ["empty.dat", "huge.dat", "long.dat", "short.dat"])

    def test_one_rule_for_numbers_everywhere(self):
        spelled = self.ok_lines("--seed", "1e3", "--runs", "2", *SMALL)
        self.assertEqual(spelled[spelled.index("") + 1], "runs: 2, seeds 1000 to 1001")
        printed = dict(line.split("=") for line in self.ok_lines("--set", "capital=5e2", "--print-settings"))
        self.assertEqual(printed["capital"], "500")

    def ok_lines(self, *arguments):
        done = run(*arguments)
        self.assertEqual(done.returncode, 0, done.stderr)
        return done.stdout.splitlines()


def shard(*arguments, cwd=None):
    done = run(*arguments, "--json", cwd=cwd)
    assert done.returncode == 0, done.stderr
    return json.loads(done.stdout)


class EditedShards(Folder):
    """Every shard edited by hand is refused, naming the file and the field;
    nothing is printed and no output file is written."""

    RUNS = ["--seed", "7", "--runs", "9", "--exact", *SMALL]
    SWEEP = ["--seed", "7", "--runs", "2", *SMALL, "--sweep", "capital=300:500:100", "--sweep", "first_bet=1:2"]

    def setUp(self):
        super().setUp()
        self.runs = [shard(*self.RUNS, "--shard", f"{k}/3") for k in (1, 2, 3)]
        self.sweep = [shard(*self.SWEEP, "--shard", f"{k}/2") for k in (1, 2)]

    def merge(self, documents, *options, texts=None):
        files = []
        for k, document in enumerate(documents):
            files.append(self.path(f"part{k}.json"))
            self.write(f"part{k}.json", texts[k] if texts and texts[k] is not None else json.dumps(document))
        return run("merge", *files, *options)

    def assert_edits_refused(self, parts, edits, picture):
        """Each edit of the second shard is refused, naming the file and what
        it says; nothing is printed and the picture is not written."""
        for name, edit, says in edits:
            with self.subTest(edit=name):
                documents = copy.deepcopy(parts)
                edit(documents[1])
                done = self.merge(documents, picture, self.path("never.svg"))
                self.refused(done, 1, says)
                self.assertIn("part1.json", done.stderr)
                self.assertEqual(done.stdout, "")
                self.assertFalse(os.path.exists(self.path("never.svg")))

    def test_unedited_shards_merge(self):
        for documents, options in ((self.runs, ["--plot", self.path("p.svg")]),
                                   (self.sweep, ["--table", self.path("t.csv"), "--heatmap", self.path("h.svg")])):
            self.assertEqual(self.merge(documents, *options).returncode, 0)

    def test_each_edit_is_refused_naming_its_field(self):
        def tally(d):
            return d["counts"]["tally"]

        def cell(d):
            return d["cells"][0]
        edits = [
            ("runs", lambda d: tally(d).update(runs=4), "counts.tally.runs is not 3"),
            ("sessions", lambda d: tally(d).update(sessions=10), "counts.tally.sessions is not 9"),
            ("a negative count", lambda d: tally(d)["ended"].update(min_balance=-1), "ended.min_balance is not a whole"),
            ("endings", lambda d: tally(d)["ended"].update(no_count=tally(d)["ended"]["no_count"] + 1),
             "counts.tally.ended does not count each session once"),
            ("a wrapping sum", lambda d: tally(d).update(wagered=2 ** 63 - 1, wagered_on_red=2 ** 63 - 1),
             "counts.tally.wagered"),
            ("a balance", lambda d: tally(d)["final_balances"][0].__setitem__(0, -5), "final_balances[0][0]"),
            ("a float count", lambda d: tally(d).update(squared_bets=1.5), "squared_bets is not a whole number"),
            ("a session counted twice", lambda d: tally(d)["session_games"][0].__setitem__(1, tally(d)["session_games"][0][1] + 1),
             "counts.tally.session_games does not count every session once"),
            ("games past the last", lambda d: tally(d)["session_games"][-1].__setitem__(0, 10 ** 6),
             "counts.tally.session_games counts more games than a session plays"),
            ("games of the exact odds", lambda d: d["counts"]["exact"].update(session_games=[]),
             "counts.exact.session_games does not account for every session"),
            ("the result", lambda d: tally(d).update(result=tally(d)["result"] + 1), "counts.tally.result"),
            ("a square below 0", lambda d: tally(d)["spread"].update(run_games="-4"),
             "spread.run_games is a sum of squares below 0"),
            ("a square past 128 bits", lambda d: tally(d)["spread"].update(run_played="9" * 40),
             "spread.run_played is not a whole number in decimal digits"),
            ("a product its squares cannot give",
             lambda d: tally(d)["spread"].update(run_result_by_wagered=str(10 ** 30)),
             "spread.run_result_by_wagered is more than its two sums of squares allow"),
            ("a spread edited", lambda d: tally(d)["spread"].update(run_games=str(int(tally(d)["spread"]["run_games"]) + 1)),
             "intervals.mean_games[0] is not what the counts give"),
            ("no spread", lambda d: tally(d).pop("spread"), "counts.tally.spread"),
            ("a figure", lambda d: d["final_balance"].update(mean=1.0), "final_balance.mean is not what the counts"),
            ("the part", lambda d: d["part"].update(begin=0), "part.begin is not 3"),
            ("the exact odds", lambda d: d["counts"]["exact"].update(played=0.5), "counts.exact.final_balances"),
            ("a setting", lambda d: d["settings"].update(max_balance=550.00000001), "belongs to another batch"),
            ("an unknown setting", lambda d: d["settings"].update(bonus=1), "settings.bonus is no setting"),
            ("a relative limit", lambda d: d["settings"].update(given={"max_balance": "+60"}),
             "settings.given.max_balance does not come to the max_balance"),
            ("a preset", lambda d: d["settings"].update(preset="martingale"), "settings.preset does not give the rows"),
            ("the version", lambda d: d.update(version="vantrel-batch 0.9"), "it comes from another version"),
            ("a pace", lambda d: d["batch"].update(spins_per_hour=1e9), "batch.spins_per_hour is not a pace from 1 to 1000"),
        ]
        self.assert_edits_refused(self.runs, edits, "--plot")

    def test_edited_sweep_cells_are_refused(self):
        def swap(d):
            d["cells"][0], d["cells"][1] = d["cells"][1], d["cells"][0]
        edits = [("swapped", swap, "part1.json: cells[0]."),
                 ("a value", lambda d: d["cells"][1]["values"].update(capital=301), "cells[1].values.capital"),
                 ("a cell too many", lambda d: d["cells"].append(d["cells"][0]), "cells does not hold the cells"),
                 ("an axis", lambda d: d["sweep"][1]["values"].append(9), "part.begin is not 4")]
        self.assert_edits_refused(self.sweep, edits, "--heatmap")

    def test_edited_comparisons_are_refused(self):
        arguments = ["compare", "--system", "dalembert,fibonacci,oscars_grind", "--seed", "7", "--runs", "2", "--exact",
                     *SMALL]
        parts = [shard(*arguments, "--shard", f"{k}/2") for k in (1, 2)]

        def rename(d):
            d["systems"][0]["system"] = "dalembert"

        def swap_settings(d):
            d["systems"][0]["settings"]["system"] = "dalembert"

        def nest(d):
            d["systems"][0]["compare"] = d["compare"]
        other_capital = shard(*arguments, "--set", "capital=400", "--shard", "2/2")["systems"][0]

        edits = [("a name", rename, "systems[0].system is not the name of its place"),
                 ("an entry played on another capital", lambda d: d["systems"].__setitem__(0, other_capital),
                  "settings.capital is not what the system fibonacci plays"),
                 ("a system named twice", lambda d: d["compare"].__setitem__(1, "dalembert"), "a second time"),
                 ("a control character in a name", lambda d: d["compare"].__setitem__(2, "oscars\x01"),
                  "is not a name as this program writes it"),
                 ("the system played", swap_settings, "systems[0]."),
                 ("a nested comparison", nest, "is not the summary of one system"),
                 ("other seeds", lambda d: d["systems"][0]["batch"].update(first_seed=8), "systems[0]."),
                 ("the names", lambda d: d["compare"].reverse(), "is not the name of its place"),
                 ("the course", lambda d: d["systems"][0]["fan"][3].update(p5=10 ** 6), "fan[3].p25 is below"),
                 ("a system too many", lambda d: d["systems"].append(d["systems"][0]), "does not hold the systems")]
        self.assertEqual(self.merge(parts).returncode, 0)
        self.assert_edits_refused(parts, edits, "--plot")

    def test_presets_swapped_by_name_are_refused(self):
        parts = [shard("compare", "--system", "flat,martingale", "--seed", "7", "--runs", "2", *SMALL, "--shard",
                       f"{k}/2") for k in (1, 2)]
        for part in parts:
            part["compare"].reverse()
        for part, name in zip(parts, ("martingale", "flat")):
            part["systems"][0]["system"] = name
        self.refused(self.merge(parts), 1, "is not what the system martingale plays")

    def test_files_no_summary_could_be(self):
        text = json.dumps(self.runs[1], indent=2)
        cases = [("a duplicate key", text.replace('"runs": 3,', '"runs": 3, "runs": 9,', 1), "appears twice"),
                 ("deep nesting", "[" * 100000 + "]" * 100000, "nests deeper than a summary"),
                 ("cut short", text[:300], "it is no JSON"), ("not an object", "[1, 2]", "is no summary")]
        for name, bytes_, says in cases:
            with self.subTest(case=name):
                self.refused(self.merge(self.runs, texts=[None, bytes_, None]), 1, says)
        with open(self.path("big.json"), "wb") as f:
            f.truncate(64 * 1024 * 1024 + 1)
        self.refused(run("merge", self.path("big.json")), 1, "larger than 64 MiB")

    def test_shards_the_program_wrote_itself_merge(self):
        big = ["--system", "martingale", "--set", "first_bet=500", "--seed", "1", "--runs", "2", *SMALL]
        done = self.merge([shard(*big, "--shard", "1/2"), shard(*big, "--shard", "2/2")])
        self.assertEqual(done.returncode, 0, done.stderr)

    def test_an_output_among_the_inputs_is_refused(self):
        self.write("p1.json", json.dumps(self.runs[0]))
        os.symlink("p1.json", self.path("link.json"))
        for output in ("p1.json", "link.json"):
            with self.subTest(output=output):
                done = run("merge", self.path("p1.json"), "--html", self.path(output))
                self.refused(done, 2, "is one of the merged files")
        self.assertEqual(json.loads(self.read("p1.json")), self.runs[0])

    def test_compared_files_merge_by_their_names_shown_as_utf8(self):
        lines = ["   500", "     3", "   1", "100000", "  1000", "   550", "    40", "     0"]
        for name in ("dalembert", "caf\xe9.dat"):
            with open(os.path.join(self.dir.encode(), name.encode("latin-1")), "w", newline="") as f:
                f.write("".join(line + "\r\n" for line in lines + ["   2"] * 22 + ["0"] * 6))
        arguments = ["compare", "--system", "flat", "dalembert", "caf\udce9.dat", "--seed", "1", "--runs", "2"]
        parts = [shard(*arguments, "--shard", f"{k}/2", cwd=self.dir) for k in (1, 2)]
        self.assertEqual(parts[0]["compare"], ["flat", "dalembert", "caf\u00e9.dat"])
        done = self.merge(parts, "--html", self.path("page.html"), "--plot", self.path("p.svg"))
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertIn("café.dat", self.read("page.html"))
        ElementTree.parse(self.path("p.svg"))

    def test_a_page_merged_where_the_wager_limit_binds_keeps_the_course(self):
        arguments = ["--exact", "--runs", "4", "--seed", "1", "--set", "wager_limit=300"]
        parts = [shard(*arguments, "--shard", f"{k}/2") for k in (1, 2)]
        done = self.merge(parts, "--html", self.path("page.html"), "--fan", self.path("fan.svg"))
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertIn("The course of a session", self.read("page.html"))

    def test_gaps_are_the_blocks_really_played(self):
        parts = [shard("--seed", "7", "--runs", "30", *SMALL, "--shard", f"{k}/3") for k in (1, 3)]
        done = self.merge(parts, "--allow-gaps")
        self.assertIn("runs: 20, seeds 7 to 16 and 27 to 36\n", done.stdout)
        self.assertIn("missing seeds 17 to 26", done.stderr)
        merged = json.loads(self.merge(parts, "--allow-gaps", "--json").stdout)
        self.assertEqual(merged["seeds"]["blocks"], [{"first": 7, "last": 16}, {"first": 27, "last": 36}])


if __name__ == "__main__":
    unittest.main(verbosity=1)
