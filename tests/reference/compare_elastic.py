#!/usr/bin/env python3
"""Runs kolvane-batch elastic on random columns and compares its report byte
for byte with the independent reference.

  compare_elastic.py PATH/TO/kolvane-batch [cases]
"""

import os
import random
import shlex
import subprocess
import sys
import tempfile

from elastic_reference import elastic_report, report_bytes

KIND_BOXES = {1: (0, 24, 0, 180), 2: (0, 24, -10, 60), 3: (0, 24, -10, 60),
              4: (0, 180, 0, 100), 5: (0, 180, 0, 100), 7: (0, 80, 0, 100)}


def short(rng, low, high, digits=3):
    """A value that main.dat and the fields hold exactly as written."""
    return round(rng.uniform(low, high), digits)


def random_column(rng, rings=6, sectors=40, slices=30):
    inner = short(rng, 1, 8)
    return {"Height": short(rng, 20, 300, 1), "IRadius": inner, "ERadius": round(inner + short(rng, 0.1, 1.5), 3),
            "UnitLoad": short(rng, 20, 26, 2), "E": short(rng, 20, 45, 2), "F": short(rng, 0.5, 20, 2),
            "I": rng.randint(1, rings), "J": rng.randint(3, sectors), "K": rng.randint(1, slices),
            "RefTemp": short(rng, -5, 25, 2), "AThermal": rng.choice([8E-06, 1E-05, 1.2E-05, 9.5E-06])}


def random_diagram(rng, kind):
    """Strictly increasing X from the kind's first to its last X, Y in its box."""
    x_min, x_max, y_min, y_max = KIND_BOXES[kind]
    inner = sorted({rng.uniform(x_min, x_max) for _ in range(rng.randint(0, 12))} - {x_min, x_max})
    return [(float(x), rng.uniform(y_min, y_max)) for x in [x_min] + inner + [x_max]]


def write_column(folder, column, diagrams):
    order = ["Height", "IRadius", "ERadius", "UnitLoad", "E", "F", "I", "J", "K", "RefTemp", "AThermal"]
    with open(os.path.join(folder, "main.dat"), "w", newline="") as f:
        f.write("".join(repr(column[name]) + "\r\n" for name in order))
    for kind, points in enumerate(diagrams, start=1):
        with open(os.path.join(folder, "d.dg%d" % kind), "w", newline="") as f:
            f.write("".join(repr(x) + "\t" + repr(y) + "\r\n" for x, y in points))


def main():
    # A cross-built tool runs through its emulator, named in KOLVANE_RUN_WITH.
    batch = shlex.split(os.environ.get("KOLVANE_RUN_WITH", "")) + [sys.argv[1]]
    cases = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    rng = random.Random(20261206)
    failures = 0
    for case in range(cases):
        column = random_column(rng)
        diagrams = [random_diagram(rng, kind) for kind in range(1, 6)]
        hour = rng.choice([0, 24, 12, round(rng.uniform(0, 24), 2)])
        with tempfile.TemporaryDirectory() as folder:
            write_column(folder, column, diagrams)
            run = subprocess.run(batch + ["elastic", "--folder", folder, "--hour", str(hour),
                                  "--diagrams", "d,d,d,d,d"], capture_output=True, text=True)
            if run.returncode != 0:
                print("case %d: exit %d: %s" % (case, run.returncode, run.stderr.strip()))
                failures += 1
                continue
            with open(os.path.join(folder, "Elastic.txt"), "rb") as f:
                program = f.read()
        expected = report_bytes(elastic_report(column, float(hour), diagrams))
        if program != expected:
            failures += 1
            got, want = program.split(b"\r\n"), expected.split(b"\r\n")
            first = next((n for n, (a, b) in enumerate(zip(got, want)) if a != b), min(len(got), len(want)))
            print("case %d (%r): line %d differs:\n  program:   %r\n  reference: %r" % (
                case, column, first + 1, got[first] if first < len(got) else None,
                want[first] if first < len(want) else None))
    print("%d of %d reports identical" % (cases - failures, cases))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
