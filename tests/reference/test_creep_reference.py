#!/usr/bin/env python3
"""Checks of the independent creep calculation against cases whose answer is
known without it: calendar walks, step hours, profile dates, a run without
creep against the thermo-elastic reference, and uniform creep under an axial
force against its closed form."""

import os
import sys
import unittest
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from creep_reference import (creep_profiles, creep_report, read_held_at_ends, step_hours, step_times,
                             walk_days)
from elastic_reference import elastic_report, square

COLUMN = {"Height": 120.0, "IRadius": 3.0, "ERadius": 3.6, "UnitLoad": 25.0, "E": 30.0, "F": 8.0,
          "I": 3, "J": 12, "K": 6, "RefTemp": 15.0, "AThermal": 1E-05}

SUNNY = [[(0.0, 0.0), (6.0, 20.0), (12.0, 90.0), (18.0, 160.0), (24.0, 180.0)],
         [(0.0, 8.0), (14.0, 24.0), (24.0, 10.0)],
         [(0.0, 9.0), (13.0, 45.0), (24.0, 12.0)],
         [(0.0, 100.0), (90.0, 30.0), (180.0, 0.0)],
         [(0.0, 60.0), (120.0, 10.0), (180.0, 0.0)]]
CLOUDY = [[(0.0, 0.0), (24.0, 180.0)],
          [(0.0, -4.0), (24.0, 2.0)],
          [(0.0, -2.0), (12.0, 15.0), (24.0, 0.0)],
          [(0.0, 80.0), (180.0, 5.0)],
          [(0.0, 40.0), (180.0, 0.0)]]
FLAT_CREEP = [(0.0, 1E-06), (100.0, 1E-06)]
RISING_CREEP = [(0.0, 0.0), (0.01, 1E-06), (0.1, 2E-06), (100.0, 4E-06)]
PHI = [(0.0, 20.0), (40.0, 60.0), (80.0, 100.0)]


def run(start, end, step=2.0, store_every=0, store_at=12.0):
    return {"start": start, "end": end, "step": step, "store_every": store_every, "store_at": store_at}


def months(first, second):
    """January and every odd month take the first diagrams, the others the second."""
    return {m: (first if m % 2 else second) for m in range(1, 13)}


class CalendarAndSteps(unittest.TestCase):
    def test_walks_visit_every_day_once(self):
        cases = [((30, 12, 2000), (2, 1, 2001), [(30, 12, 2000), (31, 12, 2000), (1, 1, 2001), (2, 1, 2001)]),
                 ((28, 2, 2000), (1, 3, 2000), [(28, 2, 2000), (29, 2, 2000), (1, 3, 2000)]),
                 ((28, 2, 2100), (1, 3, 2100), [(28, 2, 2100), (1, 3, 2100)]),
                 ((28, 2, 2004), (1, 3, 2004), [(28, 2, 2004), (29, 2, 2004), (1, 3, 2004)]),
                 ((30, 4, 2001), (1, 5, 2001), [(30, 4, 2001), (1, 5, 2001)])]
        for start, end, dates in cases:
            with self.subTest(start=start, end=end):
                walk = list(walk_days(start, end))
                self.assertEqual([date for _, date, _ in walk], dates)
                self.assertEqual([number for number, _, _ in walk], list(range(1, len(dates) + 1)))
                # Diagrams are loaded on the first day and on every first of a month.
                self.assertEqual([first for _, _, first in walk],
                                 [n == 0 or date[0] == 1 for n, (_, date, _) in enumerate(walk)])

    def test_steps_of_a_day(self):
        for step, count in [(0.25, 96), (0.5, 48), (1, 24), (2, 12), (3, 8), (4, 6)]:
            with self.subTest(step=step):
                hours = step_hours(step)
                self.assertEqual(len(hours), count)
                self.assertEqual(hours[0], step / 2)
                self.assertEqual(hours[-1], 24 - step / 2)
        self.assertEqual(step_hours(4), [2, 6, 10, 14, 18, 22])

    def test_step_times_in_years(self):
        self.assertEqual(step_times(1, 2.0, 4.0), (0.0, 4 / 8766))
        self.assertEqual(step_times(3, 23.5, 1.0), ((48 + 23) / 8766, (48 + 24) / 8766))

    def test_squares_are_rounded_once(self):
        # pow(x, 2) misses the once-rounded square of 2.759, 4.536 and 7.964 by a unit.
        for x in [2.759, 4.536, 7.964, 6.476, 0.1, 1E+150]:
            with self.subTest(x=x):
                self.assertEqual(Fraction(square(x)), Fraction(float(Fraction(x) ** 2)))

    def test_diagram_read_beyond_its_ends_holds_the_end_value(self):
        for x, y in [(-10.0, 20.0), (0.0, 20.0), (20.0, 40.0), (40.0, 60.0), (80.0, 100.0), (95.0, 100.0)]:
            with self.subTest(x=x):
                self.assertEqual(read_held_at_ends(PHI, x), y)


class StoredProfiles(unittest.TestCase):
    def test_profile_dates(self):
        cases = [(run((1, 3, 2001), (20, 3, 2001), store_every=7), ["7/3/2001", "14/3/2001", "20/3/2001"]),
                 (run((1, 1, 2001), (2, 1, 2001)), ["2/1/2001"]),
                 (run((30, 12, 2000), (1, 1, 2001), store_every=1),
                  ["30/12/2000", "31/12/2000", "1/1/2001", "1/1/2001"]),
                 (run((27, 2, 2000), (2, 3, 2000), store_every=2), ["28/2/2000", "1/3/2000", "2/3/2000"])]
        for case, dates in cases:
            with self.subTest(case=case):
                profiles = creep_profiles(COLUMN, case, months(SUNNY, CLOUDY), RISING_CREEP, PHI)
                self.assertEqual([p[0] for p in profiles], dates)
        # The final profile repeats the one stored the same day.
        profiles = creep_profiles(COLUMN, cases[2][0], months(SUNNY, CLOUDY), RISING_CREEP, PHI)
        self.assertEqual(profiles[-1], profiles[-2])

    def test_report_lists_the_storing_settings_only_when_storing(self):
        stored = creep_report(COLUMN, run((1, 3, 2001), (3, 3, 2001), step=0.5, store_every=2, store_at=7.5),
                              months(SUNNY, CLOUDY), RISING_CREEP, PHI)
        unstored = creep_report(COLUMN, run((1, 3, 2001), (3, 3, 2001), step=0.5), months(SUNNY, CLOUDY),
                                RISING_CREEP, PHI)
        self.assertIn("Storing deflection profiles every :2 days.", stored)
        self.assertIn("Time of day (for the profiles) :7.5 hour(s).", stored)
        self.assertEqual(stored[:16], unstored[:16])
        self.assertEqual(len(stored) - len(unstored), 2 + 4)
        self.assertEqual(unstored[16:], ["Time Interval :.5 hour(s).", ">> Tip Deflection Calculations...",
                                         "Date : 3/3/2001"] + unstored[19:])


class AgainstKnownAnswers(unittest.TestCase):
    def test_without_creep_growth_every_profile_is_the_thermo_elastic_one(self):
        # Crossing the end of January: 31/1 still uses January's diagrams, 1/2 February's.
        for store_at in (0.0, 13.0, 24.0):
            with self.subTest(store_at=store_at):
                case = run((30, 1, 2001), (2, 2, 2001), step=3, store_every=1, store_at=store_at)
                lines = creep_report(COLUMN, case, months(SUNNY, CLOUDY), FLAT_CREEP, PHI)
                first = lines.index(">> Tip Deflection Calculations...") + 1
                profiles = [lines[n:n + 4] for n in range(first, len(lines), 4)]
                self.assertEqual(len(profiles), 5)
                for profile in profiles:
                    month = int(profile[0].split("/")[1])
                    expected = elastic_report(COLUMN, store_at, months(SUNNY, CLOUDY)[month])[-3:]
                    self.assertEqual(profile[1:], expected, profile[0])

    def test_creep_of_a_uniformly_warm_column_under_load(self):
        # Equal ambient and surface temperatures at the reference temperature:
        # no thermal stress, every block of slice k carries AxialForce(k) / area,
        # and creeps by that stress times Phi times the growth of the creep curve.
        rate = 3E-08  # normalised creep per year
        creep = [(0.0, 0.0), (100.0, rate * 100)]
        for temperature, phi in [(20.0, 40.0), (-6.0, 20.0), (0.0, 20.0), (85.0, 100.0)]:
            with self.subTest(temperature=temperature):
                column = dict(COLUMN, RefTemp=temperature)
                flat = [(0.0, temperature), (24.0, temperature)]
                diagrams = [SUNNY[0], flat, flat, SUNNY[3], SUNNY[4]]
                days = 20
                case = run((1, 3, 2001), (days, 3, 2001), step=4, store_at=9.0)
                tip_x, tip_y, tip_z = creep_profiles(column, case, months(diagrams, diagrams), creep, PHI)[0][1:]
                area = (3.6 * 3.6 - 3.0 * 3.0) * 3.14159265358979
                h = column["Height"] / column["K"]
                weight = h * area * column["UnitLoad"] / 1000
                forces = [(column["K"] - k) * weight + column["F"] for k in range(1, column["K"] + 1)]
                growth = rate * days * 24 / 8766
                elastic = h * sum(f / (1000 * column["E"] * area) for f in forces)
                crept = h * sum(f / area * phi * growth for f in forces)
                self.assertLess(abs(tip_x), 1E-15)
                self.assertLess(abs(tip_y), 1E-15)
                self.assertAlmostEqual(tip_z / (elastic + crept), 1, delta=1E-9)
                self.assertGreater(crept / elastic, 1E-04)  # creep is far above the rounding

    def test_with_one_temperature_factor_creep_shortens_but_never_bends(self):
        # The block stresses balance the axial force and carry no moment, so
        # with the same Phi for every block the creep increments of a slice
        # sum to Phi times the growth times its force, and their moments to 0.
        phi = 35.0
        case = run((28, 6, 2001), (4, 7, 2001), step=1, store_every=3, store_at=15.0)
        every_month = months(SUNNY, CLOUDY)
        crept = creep_profiles(COLUMN, case, every_month, RISING_CREEP, [(0.0, phi), (80.0, phi)])
        still = creep_profiles(COLUMN, case, every_month, FLAT_CREEP, [(0.0, phi), (80.0, phi)])
        area = (3.6 * 3.6 - 3.0 * 3.0) * 3.14159265358979
        h = COLUMN["Height"] / COLUMN["K"]
        weight = h * area * COLUMN["UnitLoad"] / 1000
        forces = [(COLUMN["K"] - k) * weight + COLUMN["F"] for k in range(1, COLUMN["K"] + 1)]
        for (date, x, y, z), (_, x0, y0, z0), day in zip(crept, still, [3, 6, 7]):
            with self.subTest(date=date):
                growth = read_held_at_ends(RISING_CREEP, day * 24 / 8766) - RISING_CREEP[0][1]
                self.assertAlmostEqual(x, x0, delta=1E-12)
                self.assertAlmostEqual(y, y0, delta=1E-12)
                self.assertAlmostEqual(z - z0, h * sum(f / area * phi * growth for f in forces), delta=1E-12)
                self.assertGreater(z - z0, 1E-3)

    def test_creep_relaxes_the_thermal_bending(self):
        # A sunny day every day: the tips of a creeping column drift away from
        # those of the same column without creep, day after day.
        case = run((1, 7, 2001), (6, 7, 2001), step=2, store_every=1, store_at=14.0)
        crept = creep_profiles(COLUMN, case, months(SUNNY, SUNNY), RISING_CREEP, PHI)
        still = creep_profiles(COLUMN, case, months(SUNNY, SUNNY), FLAT_CREEP, PHI)
        gaps = [abs(c[2] - s[2]) for c, s in zip(crept, still)][:-1]
        self.assertTrue(all(a < b for a, b in zip(gaps, gaps[1:])), gaps)
        self.assertGreater(gaps[0], 1E-6 * abs(still[0][2]))


if __name__ == "__main__":
    unittest.main()
