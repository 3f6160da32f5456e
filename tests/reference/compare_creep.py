#!/usr/bin/env python3
"""Runs kolvane-batch creep on random columns, date ranges and month
diagrams and compares its report byte for byte with the independent
reference.

  compare_creep.py PATH/TO/kolvane-batch [cases [seed]]
"""

import datetime
import os
import random
import shlex
import subprocess
import sys
import tempfile

from compare_elastic import KIND_BOXES, random_column as elastic_column, random_diagram, short
from creep_reference import creep_report, report_bytes

CREEP_Y_MAX = 4E-06
STEPS = ["0.25", "0.5", "1", "2", "3", "4"]
# Blocks times steps that one case may cost the reference (about a second at most).
WORK_BUDGET = 1000000


def random_column(rng):
    return elastic_column(rng, rings=4, sectors=24, slices=12)


def random_creep_diagram(rng):
    """Rising from 0 to 100 years, with points within the first weeks so that
    short runs creep noticeably."""
    xs = {rng.uniform(0.001, 0.05) for _ in range(rng.randint(1, 6))}
    xs |= {rng.uniform(0.05, 1) for _ in range(rng.randint(0, 3))}
    xs |= {rng.uniform(1, 100) for _ in range(rng.randint(0, 3))}
    xs = [0.0] + sorted(xs - {0.0, 100.0}) + [100.0]
    ys = sorted(rng.uniform(0, CREEP_Y_MAX) for _ in xs)
    if rng.random() < 0.3:
        ys[0] = 0.0
    return list(zip(xs, ys))


def random_dates(rng):
    """Two to forty days, often over the end of a month or year or over 29 February."""
    days = rng.randint(2, 40)
    shape = rng.randrange(4)
    if shape == 0:
        start = datetime.date(rng.randint(2000, 2099), 12, rng.randint(20, 31))
    elif shape == 1:
        year = rng.choice([2000, 2004, 2096, 2100, rng.randint(2000, 2100)])
        start = datetime.date(year, 2, rng.randint(1, 28))
    elif shape == 2:
        month = rng.randint(1, 12)
        start = datetime.date(rng.randint(2000, 2100), month, 1) + datetime.timedelta(days=27)
    else:
        start = datetime.date(2000, 1, 1) + datetime.timedelta(days=rng.randint(0, 36500))
    end = start + datetime.timedelta(days=days - 1)
    if end.year > 2100:
        end = datetime.date(2100, 12, 31)
        start = end - datetime.timedelta(days=days - 1)
    return (start.day, start.month, start.year), (end.day, end.month, end.year), days


def number(value):
    return repr(value).upper()


def write_file(path, lines):
    with open(path, "w", newline="") as f:
        f.write("".join(line + "\r\n" for line in lines))


def write_main_data(folder, column):
    order = ["Height", "IRadius", "ERadius", "UnitLoad", "E", "F", "I", "J", "K", "RefTemp", "AThermal"]
    write_file(os.path.join(folder, "main.dat"), [number(column[name]) for name in order])


def write_diagram(folder, name, kind, points):
    write_file(os.path.join(folder, "%s.dg%d" % (name, kind)), [number(x) + "\t" + number(y) for x, y in points])


def random_case(rng):
    column = random_column(rng)
    start, end, days = random_dates(rng)
    step = rng.choice(STEPS)
    blocks = column["I"] * column["J"] * column["K"]
    while blocks * days * 24 / float(step) > WORK_BUDGET and step != STEPS[-1]:
        step = STEPS[STEPS.index(step) + 1]
    while blocks * days * 24 / float(step) > WORK_BUDGET and column["K"] > 1:
        column["K"] -= 1
        blocks = column["I"] * column["J"] * column["K"]
    store_every = rng.choice(["", "", "0", None] + [str(n) for n in range(1, 11)])
    store_at = rng.choice([None, str(rng.randint(0, 24))])

    # Diagram sets s1, s2, ... of kinds 1 to 5; every kind of a month may come from another set.
    set_count = rng.randint(1, 3)
    diagrams = {(name, kind): random_diagram(rng, kind)
                for name in ["s%d" % n for n in range(1, set_count + 1)] for kind in range(1, 6)}
    def pick():
        return ["s%d" % rng.randint(1, set_count) for _ in range(5)]
    every_month = pick()
    month_names = {m: every_month for m in range(1, 13)}
    replaced = {}
    for month in rng.sample(range(1, 13), rng.randint(0, 12)):
        replaced[month] = month_names[month] = pick()
    creep, phi = random_creep_diagram(rng), random_diagram(rng, 7)

    run = {"start": start, "end": end, "step": float(step),
           "store_every": int(store_every) if store_every else 0, "store_at": float(store_at or 0)}
    arguments = ["--from", "%d/%d/%d" % start, "--to", "%d/%d/%d" % end, "--step", step,
                 "--diagrams", ",".join(every_month), "--creep", "creep", "--phi", "phi"]
    for month, names in replaced.items():
        arguments += ["--month", "%d=%s" % (month, ",".join(names))]
    if store_every is not None:
        arguments += ["--store-every", store_every]
    if store_at is not None:
        arguments += ["--store-at", store_at]
    month_diagrams = {m: [diagrams[name, kind + 1] for kind, name in enumerate(names)]
                      for m, names in month_names.items()}
    return column, run, diagrams, creep, phi, arguments, month_diagrams


def main():
    # A cross-built tool runs through its emulator, named in KOLVANE_RUN_WITH.
    batch = shlex.split(os.environ.get("KOLVANE_RUN_WITH", "")) + [sys.argv[1]]
    cases = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 20261207)
    failures = 0
    for case in range(cases):
        column, run, diagrams, creep, phi, arguments, month_diagrams = random_case(rng)
        with tempfile.TemporaryDirectory() as folder:
            write_main_data(folder, column)
            for (name, kind), points in diagrams.items():
                write_diagram(folder, name, kind, points)
            write_diagram(folder, "creep", 6, creep)
            write_diagram(folder, "phi", 7, phi)
            report = os.path.join(folder, "Creep.txt")
            if case % 4 == 3:
                report = os.path.join(folder, "elsewhere.txt")
                arguments += ["--out", report]
            command = batch + ["creep", "--folder", folder] + arguments
            done = subprocess.run(command, capture_output=True, text=True)
            if done.returncode != 0:
                print("case %d: exit %d: %s\n  %s" % (case, done.returncode, done.stderr.strip(), command))
                failures += 1
                continue
            with open(report, "rb") as f:
                program = f.read()
        expected = report_bytes(creep_report(column, run, month_diagrams, creep, phi))
        if program != expected:
            failures += 1
            got, want = program.split(b"\r\n"), expected.split(b"\r\n")
            first = next((n for n, (a, b) in enumerate(zip(got, want)) if a != b), min(len(got), len(want)))
            print("case %d (%r, %r): line %d differs:\n  program:   %r\n  reference: %r" % (
                case, column, arguments, first + 1, got[first] if first < len(got) else None,
                want[first] if first < len(want) else None))
    print("%d of %d reports identical" % (cases - failures, cases))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
