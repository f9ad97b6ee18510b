"""What the tests of vantrel-batch share: the program they run, named by
their first argument, and a folder of each test's own."""
import os
import subprocess
import sys
import tempfile
import unittest

BATCH = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else "vantrel-batch"


def run(*arguments, cwd=None, stdout=subprocess.PIPE):
    return subprocess.run([BATCH, *arguments], stdout=stdout, stderr=subprocess.PIPE, text=True, cwd=cwd,
                          timeout=300)


class Folder(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dir = self.folder.name

    def tearDown(self):
        self.folder.cleanup()

    def path(self, name):
        return os.path.join(self.dir, name)

    def read(self, name, mode="r"):
        with open(self.path(name), mode, newline="" if mode == "r" else None) as f:
            return f.read()

    def ok(self, *arguments, cwd=None):
        done = run(*arguments, cwd=cwd)
        self.assertEqual(done.returncode, 0, done.stderr)
        return done.stdout

    def refused(self, done, code, says):
        """Ended with `code` and one line on standard error that says `says`."""
        self.assertEqual(done.returncode, code, done.stderr)
        self.assertIn(says, done.stderr)
        self.assertEqual(len(done.stderr.strip().splitlines()), 1, done.stderr)

    def shards(self, arguments, count):
        """The batch split into `count` shards, each written as JSON; their paths."""
        names = [f"part-{count}-{index}.json" for index in range(1, count + 1)]
        for index, name in enumerate(names, start=1):
            self.write(name, self.ok(*arguments, "--shard", f"{index}/{count}", "--json"))
        return [self.path(name) for name in names]

    def write(self, name, text):
        with open(self.path(name), "w", newline="") as f:
            f.write(text)
