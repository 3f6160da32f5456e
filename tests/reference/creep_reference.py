#!/usr/bin/env python3
"""An independent creep report, written from the calculation rules alone:
plain loops over 1-based tables (element 0 unused), every product and sum in
the order the rules give it. Python floats are IEEE doubles, so the report
must equal the program's byte for byte.

column: the main data as for elastic_reference (I, J, K ints).
run: {"start": (d, m, y), "end": (d, m, y), "step": hours, "store_every": int,
      "store_at": hours}.
month_diagrams: month number 1..12 -> the five point lists of kinds 1 to 5.
creep_diagram, phi_diagram: the point lists of kinds 6 and 7.
Every diagram is a repaired one: X strictly increasing, at least two points.
"""

import math

from elastic_reference import PI, column_lines, interpolate, number_text, report_bytes, square

MONTH_DAYS = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
HOURS_PER_YEAR = 8766


def is_leap_year(year):
    return not (year % 4 != 0 or (year % 100 == 0 and year % 400 != 0))


def days_in_month(month, year):
    if month < 1 or month > 12:
        return 0
    if month == 2 and is_leap_year(year):
        return 29
    return MONTH_DAYS[month - 1]


def format_date(day, month, year):
    return "%d/%d/%d" % (day, month, year)


def walk_days(start, end):
    """(DayNumber, (d, m, y), first visited day of its month) for every day
    from start to end, both included."""
    day, month, year = start
    number = 0
    while True:
        month_start = True
        last = days_in_month(month, year)
        while day <= last:
            number += 1
            yield number, (day, month, year), month_start
            month_start = False
            if (day, month, year) == tuple(end):
                return
            day += 1
        day = 1
        month += 1
        if month > 12:
            month, year = 1, year + 1


def step_hours(step):
    """The middle of every step of a day; T accumulated by repeated addition."""
    hours = []
    t = 0.0
    while t <= 24 - step:
        hours.append(t + step / 2)
        t = t + step
    return hours


def step_times(day_number, hour, step):
    """Start and end of a step in years since the starting date."""
    elapsed = float((day_number - 1) * 24)
    t1 = ((elapsed + hour) - step / 2) / HOURS_PER_YEAR
    t2 = ((elapsed + hour) + step / 2) / HOURS_PER_YEAR
    return t1, t2


def read_held_at_ends(points, x):
    """The creep step's reading: beyond either end the end's Y."""
    if x < points[0][0]:
        return points[0][1]
    if x > points[-1][0]:
        return points[-1][1]
    return interpolate(points, x, 0.0)


class Column:
    """The engine state of one run: geometry, section properties, and the
    stages that the creep run calls."""

    def __init__(self, d):
        self.d = d
        I, J, K = d["I"], d["J"], d["K"]
        self.I, self.J, self.K = I, J, K
        # Geometry
        w = 2 * PI / J
        self.angle = [0.0] + [(j - 0.5) * w for j in range(1, J + 1)]
        t = (d["ERadius"] - d["IRadius"]) / I
        self.area = [0.0] * (I + 1)
        for i in range(1, I + 1):
            r1 = (i - 1) * t + d["IRadius"]
            r2 = r1 + t
            self.area[i] = (square(r2) - square(r1)) * PI / J
        self.cx = [[0.0] * (J + 1) for _ in range(I + 1)]
        self.cy = [[0.0] * (J + 1) for _ in range(I + 1)]
        for j in range(1, J + 1):
            for i in range(1, I + 1):
                r = (i - 0.5) * t + d["IRadius"]
                self.cx[i][j] = r * math.cos(self.angle[j])
                self.cy[i][j] = r * math.sin(self.angle[j])
        self.concrete = (square(d["ERadius"]) - square(d["IRadius"])) * PI
        # Section properties
        weight = d["Height"] / K * self.concrete * d["UnitLoad"] / 1000
        self.force = [0.0] + [(K - k) * weight + d["F"] for k in range(1, K + 1)]
        self.ix = 0.0
        for i in range(1, I + 1):
            for j in range(1, J + 1):
                self.ix += square(self.cy[i][j]) * self.area[i]
        self.iy = 0.0
        for i in range(1, I + 1):
            for j in range(1, J + 1):
                self.iy += square(self.cx[i][j]) * self.area[i]
        # Creep strains, reset once
        self.creep = [[[0.0] * (J + 1) for _ in range(I + 1)] for _ in range(K + 1)]

    def temperatures(self, hour, diagrams):
        """The thermal lookups keep the earlier Y outside a diagram."""
        I, J, d = self.I, self.J, self.d
        y = 0.0
        y = interpolate(diagrams[0], hour, y); sun = y
        y = interpolate(diagrams[1], hour, y); ambient = y
        y = interpolate(diagrams[2], hour, y); surface = y
        to_sun = [0.0] * (J + 1)
        for j in range(1, J + 1):
            a = self.angle[j] - sun * PI / 180
            if a > PI:
                a = a - 2 * PI
            to_sun[j] = a
        ext = [0.0] * (J + 1)
        for j in range(1, J + 1):
            y = interpolate(diagrams[3], abs(to_sun[j] * 180 / PI), y); ext[j] = y
        inn = [0.0] * (J + 1)
        for j in range(1, J + 1):
            y = interpolate(diagrams[4], abs(to_sun[j] * 180 / PI), y); inn[j] = y
        t = (d["ERadius"] - d["IRadius"]) / I
        self.temp = [[0.0] * (J + 1) for _ in range(I + 1)]
        for j in range(1, J + 1):
            ti = 0.01 * inn[j] * (surface - ambient) + ambient
            te = 0.01 * ext[j] * (surface - ambient) + ambient
            for i in range(1, I + 1):
                depth = (i - 0.5) * t
                self.temp[i][j] = (te - ti) * (depth / (d["ERadius"] - d["IRadius"])) + ti

    def free_strains(self):
        I, J = self.I, self.J
        self.free = [[0.0] * (J + 1) for _ in range(I + 1)]
        for i in range(1, I + 1):
            for j in range(1, J + 1):
                self.free[i][j] = (self.temp[i][j] - self.d["RefTemp"]) * self.d["AThermal"]

    def curvatures(self):
        I, J, K = self.I, self.J, self.K
        free, area, cx, cy = self.free, self.area, self.cx, self.cy
        self.eo = [0.0] * (K + 1)
        for k in range(1, K + 1):
            creep = self.creep[k]
            s = 0.0
            for i in range(1, I + 1):
                for j in range(1, J + 1):
                    s = s + (free[i][j] - creep[i][j]) * area[i]
            self.eo[k] = (s - self.force[k] / (1000 * self.d["E"])) / self.concrete
        self.kx = [0.0] * (K + 1)
        self.ky = [0.0] * (K + 1)
        for k in range(1, K + 1):
            creep = self.creep[k]
            sy = 0.0
            for i in range(1, I + 1):
                for j in range(1, J + 1):
                    sy = sy + (free[i][j] - creep[i][j]) * cy[i][j] * area[i]
            sx = 0.0
            for i in range(1, I + 1):
                for j in range(1, J + 1):
                    sx = sx + (free[i][j] - creep[i][j]) * cx[i][j] * area[i]
            self.kx[k] = sy / self.ix
            self.ky[k] = sx / self.iy

    def creep_step(self, day_number, hour, step, creep_diagram, phi_diagram):
        I, J, K = self.I, self.J, self.K
        t1, t2 = step_times(day_number, hour, step)
        growth = read_held_at_ends(creep_diagram, t2) - read_held_at_ends(creep_diagram, t1)
        phi = [[0.0] * (J + 1) for _ in range(I + 1)]
        for i in range(1, I + 1):
            for j in range(1, J + 1):
                phi[i][j] = read_held_at_ends(phi_diagram, self.temp[i][j])
        modulus = 1000 * self.d["E"]
        free, cx, cy = self.free, self.cx, self.cy
        for k in range(1, K + 1):
            creep, eo, kx, ky = self.creep[k], self.eo[k], self.kx[k], self.ky[k]
            for i in range(1, I + 1):
                for j in range(1, J + 1):
                    s = modulus * ((((free[i][j] - creep[i][j]) - eo) - ky * cx[i][j]) - kx * cy[i][j])
                    creep[i][j] = s * phi[i][j] * growth + creep[i][j]

    def tips(self):
        K = self.K
        h = self.d["Height"] / K
        dz, sx, dy, sy, dx = [0.0], [0.0], [0.0], [0.0], [0.0]
        for k in range(1, K + 1):
            dz.append(dz[k - 1] - h * self.eo[k])
        for k in range(1, K + 1):
            sx.append(h * self.kx[k] + sx[k - 1])
        for k in range(1, K + 1):
            dy.append(dy[k - 1] - (sx[k - 1] + sx[k]) * 0.5 * h)
        for k in range(1, K + 1):
            sy.append(h * self.ky[k] + sy[k - 1])
        for k in range(1, K + 1):
            dx.append(dx[k - 1] - (sy[k - 1] + sy[k]) * 0.5 * h)
        return dx[K], dy[K], dz[K]

    def profile_at(self, hour, diagrams):
        self.temperatures(hour, diagrams)
        self.free_strains()
        self.curvatures()
        return self.tips()


def creep_profiles(column, run, month_diagrams, creep_diagram, phi_diagram):
    """The stored profiles of a run: (date text, TipX, TipY, TipZ) in order."""
    grid = Column(column)
    step, store_every, store_at = run["step"], run["store_every"], float(run["store_at"])
    hours = step_hours(step)
    profiles = []
    stored = 0
    diagrams = None
    for day_number, (day, month, year), month_start in walk_days(run["start"], run["end"]):
        if month_start:
            diagrams = month_diagrams[month]
        for hour in hours:
            grid.temperatures(hour, diagrams)
            grid.free_strains()
            grid.curvatures()
            grid.creep_step(day_number, hour, step, creep_diagram, phi_diagram)
        if store_every > 0 and day_number // store_every > stored:
            profiles.append((format_date(day, month, year),) + grid.profile_at(store_at, diagrams))
            stored += 1
    profiles.append((format_date(*run["end"]),) + grid.profile_at(store_at, diagrams))
    return profiles


def creep_report(column, run, month_diagrams, creep_diagram, phi_diagram):
    d = column
    N = number_text
    lines = [">> Main Data..."] + column_lines(d) + [
             ">> Calculating Geometry...",
             ">> Preliminary Calculations...",
             ">> Initialising...",
             "Calculating from :" + format_date(*run["start"]) + " to " + format_date(*run["end"]) + " (dd/mm/yy)",
             "Time Interval :" + N(float(run["step"])) + " hour(s)."]
    if run["store_every"] > 0:
        lines += ["Storing deflection profiles every :" + N(int(run["store_every"])) + " days.",
                  "Time of day (for the profiles) :" + N(float(run["store_at"])) + " hour(s)."]
    lines.append(">> Tip Deflection Calculations...")
    for date, tip_x, tip_y, tip_z in creep_profiles(column, run, month_diagrams, creep_diagram, phi_diagram):
        lines += ["Date : " + date,
                  "X - Deflection :" + N(tip_x) + " m.",
                  "Y - Deflection :" + N(tip_y) + " m.",
                  "Z - Deflection :" + N(tip_z) + " m."]
    return lines


def creep_report_bytes(column, run, month_diagrams, creep_diagram, phi_diagram):
    return report_bytes(creep_report(column, run, month_diagrams, creep_diagram, phi_diagram))
