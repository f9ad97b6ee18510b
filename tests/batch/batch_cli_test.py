#!/usr/bin/env python3
"""vantrel-batch as a user meets it: its outputs read by standard readers,
the same output for any number of threads, and every bad input refused with
a clear message, a non-zero exit and no output file left behind."""
import csv
import os
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

BATCH = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else "vantrel-batch"


def run(*arguments, cwd=None):
    return subprocess.run([BATCH, *arguments], capture_output=True, text=True, cwd=cwd, timeout=300)


class Outputs(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.path = lambda name: os.path.join(self.folder.name, name)

    def tearDown(self):
        self.folder.cleanup()

    def test_one_run_prints_list_counts_percentages_then_summary(self):
        done = run("--seed", "1000")
        self.assertEqual(done.returncode, 0, done.stderr)
        lines = done.stdout.split("\n")
        self.assertEqual(lines[0], "    10. 564 ||")
        self.assertEqual(lines[3].split(), ["6", "3", "1"])
        self.assertEqual(lines[4].split(), ["60.00%", "30.00%", "10.00%"])
        self.assertEqual(lines[5], "seed: 1000")
        self.assertIn("sessions played: 10", done.stdout)

    def test_csv_reads_with_a_standard_reader_one_row_per_session(self):
        done = run("--seed", "3", "--runs", "7", "--csv", self.path("s.csv"))
        self.assertEqual(done.returncode, 0, done.stderr)
        with open(self.path("s.csv"), newline="") as f:
            rows = list(csv.DictReader(f))
        self.assertEqual(len(rows), 70)
        self.assertEqual({r["run"] for r in rows}, {str(n) for n in range(1, 8)})
        played = [int(r["games"]) for r in rows]
        self.assertTrue(all(0 <= g <= 500 for g in played))
        self.assertIn("max balance or wager limit", {r["ended"] for r in rows})
        total = sum(int(r["wagered"]) for r in rows)
        self.assertIn(f"total wagered: {total}\n", done.stdout)

    def test_plot_is_well_formed_svg(self):
        done = run("--seed", "3", "--runs", "20", "--plot", self.path("p.svg"))
        self.assertEqual(done.returncode, 0, done.stderr)
        root = ElementTree.parse(self.path("p.svg")).getroot()
        self.assertEqual(root.tag, "{http://www.w3.org/2000/svg}svg")
        texts = " ".join(t.text or "" for t in root.iter("{http://www.w3.org/2000/svg}text"))
        for label in ("final balance", "sessions", "capital 500", "max balance 550", "min balance 0"):
            self.assertIn(label, texts)

    def test_output_is_the_same_for_one_and_two_jobs(self):
        one = run("--seed", "11", "--runs", "30", "--jobs", "1", "--csv", self.path("1.csv"))
        two = run("--seed", "11", "--runs", "30", "--jobs", "2", "--csv", self.path("2.csv"))
        self.assertEqual(one.stdout, two.stdout)
        with open(self.path("1.csv"), "rb") as a, open(self.path("2.csv"), "rb") as b:
            self.assertEqual(a.read(), b.read())

    def test_settings_file_and_report(self):
        # capital, sessions, first bet, wager limit, table limit, max and
        # min balance around the games per session, both progression rows,
        # then the six options.
        settings = ["  1000", "    12", "   1", "100000", "  1000", "  1100", "   300", "     0"]
        settings += ["   2"] * 22 + ["0", "1", "0", "1", "1", "0"]
        with open(self.path("roul_dat.dat"), "w", newline="") as f:
            f.write("".join(line + "\r\n" for line in settings))
        done = run("--settings", "roul_dat.dat", "--seed", "5", "--report", "r.txt", cwd=self.folder.name)
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertIn("sessions played: 12", done.stdout)
        self.assertEqual(done.stderr, "")
        with open(self.path("r.txt"), "rb") as f:
            report = f.read()
        self.assertIn(b"\r\n", report)
        self.assertNotIn(b"\n", report.replace(b"\r\n", b""))


class BadInput(unittest.TestCase):
    def refused(self, code, *arguments, says):
        done = run(*arguments)
        self.assertEqual(done.returncode, code, done.stdout)
        self.assertIn(says, done.stderr)
        self.assertEqual(done.stdout, "")
        return done

    def test_command_lines_that_are_wrong(self):
        self.refused(2, "--frobnicate", says="unknown option: --frobnicate")
        self.refused(2, "--runs", "0", says="--runs takes a whole number from 1 to 1000000")
        self.refused(2, "--runs", "1000001", says="--runs takes")
        self.refused(2, "--jobs", "0", says="--jobs takes a whole number from 1 to 256")
        self.refused(2, "--jobs", "257", says="--jobs takes")
        self.refused(2, "--seed", "-4", says="--seed takes")
        self.refused(2, "--seed", says="--seed takes")
        self.refused(2, "--csv", says="--csv takes a file name")
        self.refused(2, "--runs", "2", "--report", "r.txt", says="--report writes the report of one run")

    def test_settings_files_that_cannot_be_used(self):
        with tempfile.TemporaryDirectory() as folder:
            missing = os.path.join(folder, "none.dat")
            self.refused(1, "--settings", missing, says=missing + " could not be read")
            short = os.path.join(folder, "short.dat")
            with open(short, "w") as f:
                f.write("500\r\n" * 35)
            self.refused(1, "--settings", short, says="has 35 lines, a settings file has 36.")

    def test_an_unwritable_output_fails_and_leaves_no_file(self):
        with tempfile.TemporaryDirectory() as folder:
            target = os.path.join(folder, "no", "such", "folder", "s.csv")
            done = run("--seed", "1", "--csv", target)
            self.assertEqual(done.returncode, 1)
            self.assertIn(target + " could not be written", done.stderr)
            self.assertFalse(os.path.exists(target))


if __name__ == "__main__":
    unittest.main(verbosity=2)
