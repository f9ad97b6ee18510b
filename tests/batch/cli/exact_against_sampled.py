#!/usr/bin/env python3
"""The exact odds against a million sampled sessions of the real generator:
for each of a few varied settings, every exact share of the sessions' ends
lies inside the 99.9% interval of the measured share. Slow (a minute or
so); CTest runs it under the label "slow", which scripts/test leaves out:
  ctest --test-dir build/host -L slow --output-on-failure"""
import json
import math
import subprocess
import sys

BATCH = sys.argv[1] if len(sys.argv) > 1 else "vantrel-batch"
SETTINGS = {
    "defaults": [],
    "martingale below a table limit": ["--system", "martingale", "--set", "table_limit=200", "--set", "max_balance=600"],
    "double zero, red, switch after a win": ["--set", "double_zero=1", "--set", "bet_on_red=1",
                                             "--set", "switch_after_win=1"],
    "paroli, fractional games, a floor": ["--system", "paroli", "--set", "games_per_session=40.5",
                                          "--set", "min_balance=490"],
}
Z = 3.29  # two-sided 99.9%

failures = 0
for name, arguments in SETTINGS.items():
    done = subprocess.run([BATCH, "--exact", "--runs", "100000", "--seed", "20261206", "--json", *arguments],
                          capture_output=True, text=True, check=True)
    out = json.loads(done.stdout)
    sessions = out["sessions"]
    for cause, count in out["ended"].items():
        exact = out["exact"]["ended"][cause]
        measured = count / sessions
        width = Z * math.sqrt(max(exact * (1 - exact), 1e-300) / sessions)
        inside = abs(measured - exact) <= width or (exact in (0, 1) and measured == exact)
        failures += not inside
        print(f"{'ok ' if inside else 'OUT'} {name}: {cause} measured {measured:.6f} exact {exact:.6f} +- {width:.6f}")
sys.exit(1 if failures else 0)
