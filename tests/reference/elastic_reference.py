#!/usr/bin/env python3
"""An independent thermo-elastic report, written from the calculation rules
alone: plain loops over 1-based tables, every line formed eagerly. Python
floats are IEEE doubles and its math functions are the C library's, so the
report must equal the program's byte for byte."""

import math

PI = 3.14159265358979


def square(x):
    """The square rounded once. The C library's pow(x, 2), which Python's **
    calls, is off by one unit in the last place for about one value in a
    thousand."""
    return x * x


def number_text(value, trim=True):
    """Report form: 15 significant digits, no zero before the point, E form
    below 1E-04 or from 1E+15 on."""
    if isinstance(value, int):
        text = str(abs(value))
        negative = value < 0
    elif value != value:
        text, negative = "NaN", False
    elif math.isinf(value):
        text, negative = "Infinity", value < 0
    elif value == 0:
        text, negative = "0", False
    else:
        negative = value < 0
        mantissa, exponent = ("%.14E" % abs(value)).split("E")
        exponent = int(exponent)
        digits = mantissa.replace(".", "").rstrip("0")
        if exponent < -4 or exponent > 14:
            text = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
            text += "E" + ("-" if exponent < 0 else "+") + "%02d" % abs(exponent)
        elif exponent >= 0:
            whole = digits[: exponent + 1].ljust(exponent + 1, "0")
            fraction = digits[exponent + 1:]
            text = whole + ("." + fraction if fraction else "")
        else:
            text = "." + "0" * (-exponent - 1) + digits
    sign = "-" if negative else ("" if trim else " ")
    return sign + text


def interpolate(points, x, y):
    """Linear reading of a table at x; y unchanged outside it."""
    n = len(points)
    if n == 0 or x < points[0][0] or x > points[-1][0]:
        return y
    lo, hi = 0, n - 1
    while True:
        mid = (lo + hi) // 2
        if points[lo][0] == x:
            return points[lo][1]
        if points[hi][0] == x:
            return points[hi][1]
        if points[mid][0] == x:
            return points[mid][1]
        if points[mid][0] <= x:
            lo = mid
        else:
            hi = mid
        if hi <= lo + 1:
            break
    (xl, yl), (xh, yh) = points[lo], points[hi]
    return (yh - yl) * (x - xl) / (xh - xl) + yl


def column_lines(d):
    """The eleven lines that describe the column in every report."""
    N = number_text
    return ["Column Height :" + N(d["Height"]) + " m.",
            "Internal Radius :" + N(d["IRadius"]) + " m.",
            "External Radius :" + N(d["ERadius"]) + " m.",
            "Compression Force :" + N(d["F"]) + " MN.",
            "Elastic Modulus :" + N(d["E"]) + " GPa.",
            "Unit Load :" + N(d["UnitLoad"]) + " KN/m\u00b3.",
            "Reference Temperature :" + N(d["RefTemp"]) + " oC.",
            "Coefficient of thermal expansion :" + N(d["AThermal"]) + " 1/oC.",
            "Number Of Rings :" + N(d["I"]),
            "Number Of Sectors :" + N(d["J"]),
            "Number Of Slices :" + N(d["K"])]


def elastic_report(d, hour, diagrams):
    """d: dict of the main data (I, J, K ints); diagrams: five point lists."""
    I, J, K = d["I"], d["J"], d["K"]
    N, S = number_text, (lambda n: number_text(n, False))
    lines = [">> Main Data...", "Time :" + N(hour) + " hours."] + column_lines(d)

    # Geometry
    lines.append(">> Calculating Geometry...")
    w = 2 * PI / J
    angle = {j: (j - 0.5) * w for j in range(1, J + 1)}
    t = (d["ERadius"] - d["IRadius"]) / I
    area = {}
    for i in range(1, I + 1):
        r1 = (i - 1) * t + d["IRadius"]
        r2 = r1 + t
        area[i] = (square(r2) - square(r1)) * PI / J
    cx, cy = {}, {}
    for j in range(1, J + 1):
        for i in range(1, I + 1):
            r = (i - 0.5) * t + d["IRadius"]
            cx[i, j] = r * math.cos(angle[j])
            cy[i, j] = r * math.sin(angle[j])
    concrete = (square(d["ERadius"]) - square(d["IRadius"])) * PI
    iexact = (d["ERadius"] ** 4 - d["IRadius"] ** 4) * PI / 4
    for i in range(1, I + 1):
        lines.append("Ring" + S(i) + " , Block Area :" + N(area[i]) + " m\u00b2.")
    for j in range(1, J + 1):
        lines.append("Sector" + S(j) + " , Angle :" + N(angle[j] * 180 / PI) + " degrees.")
    for i in range(1, I + 1):
        for j in range(1, J + 1):
            lines.append("Block (" + S(i) + "," + S(j) + " ) , X :" + N(cx[i, j]) + " m , Y :" + N(cy[i, j]) + " m.")

    # Preliminaries
    lines.append(">> Preliminary Calculations...")
    weight = d["Height"] / K * concrete * d["UnitLoad"] / 1000
    force = {k: (K - k) * weight + d["F"] for k in range(1, K + 1)}
    ix = 0.0
    for i in range(1, I + 1):
        for j in range(1, J + 1):
            ix += square(cy[i, j]) * area[i]
    iy = 0.0
    for i in range(1, I + 1):
        for j in range(1, J + 1):
            iy += square(cx[i, j]) * area[i]
    lines += ["Concrete Area :" + N(concrete) + " m\u00b2.",
              "Second Moment of Area (exact value) :" + N(iexact) + " m^4.",
              "Second Moment of Area (approx. value) :" + N(ix) + " m^4."]

    # Temperatures
    lines.append(">> Calculating Temperatures...")
    y = 0.0
    y = interpolate(diagrams[0], hour, y); sun = y
    y = interpolate(diagrams[1], hour, y); ambient = y
    y = interpolate(diagrams[2], hour, y); surface = y
    to_sun = {}
    for j in range(1, J + 1):
        a = angle[j] - sun * PI / 180
        if a > PI:
            a = a - 2 * PI
        to_sun[j] = a
    ext, inn = {}, {}
    for j in range(1, J + 1):
        y = interpolate(diagrams[3], abs(to_sun[j] * 180 / PI), y); ext[j] = y
    for j in range(1, J + 1):
        y = interpolate(diagrams[4], abs(to_sun[j] * 180 / PI), y); inn[j] = y
    temp = {}
    for j in range(1, J + 1):
        ti = 0.01 * inn[j] * (surface - ambient) + ambient
        te = 0.01 * ext[j] * (surface - ambient) + ambient
        for i in range(1, I + 1):
            depth = (i - 0.5) * t
            temp[i, j] = (te - ti) * (depth / (d["ERadius"] - d["IRadius"])) + ti
    lines += ["Sun Position :" + N(sun) + " degrees.",
              "Ambient Temperature :" + N(ambient) + " degrees.",
              "Surface Temperature :" + N(surface) + " degrees."]
    lines += ["Sector" + S(j) + " , External Variation :" + N(ext[j]) + " %." for j in range(1, J + 1)]
    lines += ["Sector" + S(j) + " , Internal Variation :" + N(inn[j]) + " %." for j in range(1, J + 1)]
    for i in range(1, I + 1):
        for j in range(1, J + 1):
            lines.append("Block (" + S(i) + "," + S(j) + " ) , Temperature :" + N(temp[i, j]) + " degrees.")

    # Free strains; the creep strains are all zero in this solution.
    lines.append(">> Calculating Free Thermal Strains...")
    free = {}
    for i in range(1, I + 1):
        for j in range(1, J + 1):
            free[i, j] = (temp[i, j] - d["RefTemp"]) * d["AThermal"]
            lines.append("Block (" + S(i) + "," + S(j) + " ) , Initial Free Strains :" + N(free[i, j]))
    creep = 0.0

    # Curvatures
    lines.append(">> Calculating Curvatures...")
    eo, kx, ky = {}, {0: 0.0}, {0: 0.0}
    for k in range(1, K + 1):
        s = 0.0
        for i in range(1, I + 1):
            for j in range(1, J + 1):
                s = s + (free[i, j] - creep) * area[i]
        eo[k] = (s - force[k] / (1000 * d["E"])) / concrete
    for k in range(1, K + 1):
        sy = sx = 0.0
        for i in range(1, I + 1):
            for j in range(1, J + 1):
                sy = sy + (free[i, j] - creep) * cy[i, j] * area[i]
        for i in range(1, I + 1):
            for j in range(1, J + 1):
                sx = sx + (free[i, j] - creep) * cx[i, j] * area[i]
        kx[k] = sy / ix
        ky[k] = sx / iy
    lines += ["Slice (" + S(k) + " ) , Eo :" + N(eo[k]) for k in range(1, K + 1)]
    lines += ["Slice (" + S(k) + " ) , Kx :" + N(kx[k]) for k in range(1, K + 1)]
    lines += ["Slice (" + S(k) + " ) , Ky :" + N(ky[k]) for k in range(1, K + 1)]

    # Equilibrium
    lines.append(">> Verifying Equation Accuracy...")
    def r(i, j, k):
        return ((((free[i, j] - creep) - eo[k]) - ky[k] * cx[i, j]) - kx[k] * cy[i, j])
    warnings = []
    for k in range(1, K + 1):
        s = 0.0
        for i in range(1, I + 1):
            for j in range(1, J + 1):
                s = s + r(i, j, k) * area[i]
        s = s * d["E"] * 1000
        if abs(s - force[k]) > 1E-06:
            warnings.append("Caution! FE, Slice :" + S(k) + " , LHS =" + N(force[k]) + " , RHS =" + N(s))
    for name, c in (("X-ME", cy), ("Y-ME", cx)):
        for k in range(1, K + 1):
            s = 0.0
            for i in range(1, I + 1):
                for j in range(1, J + 1):
                    s = s + r(i, j, k) * area[i] * c[i, j]
            s = s * d["E"] * 1000
            if abs(s) > 1E-06:
                warnings.append("Caution! " + name + ", Slice :" + S(k) + " , LHS =0 , RHS =" + N(s))
    if warnings:
        lines.append(">> Equation accuracy errors detected :")
        lines += warnings

    # Deflections
    lines.append(">> Calculating Deflections...")
    h = d["Height"] / K
    dz, sx_, dy, sy_, dx = [0.0], [0.0], [0.0], [0.0], [0.0]
    for k in range(1, K + 1):
        dz.append(dz[k - 1] - h * eo[k])
    for k in range(1, K + 1):
        sx_.append(h * kx[k] + sx_[k - 1])
    for k in range(1, K + 1):
        dy.append(dy[k - 1] - (sx_[k - 1] + sx_[k]) * 0.5 * h)
    for k in range(1, K + 1):
        sy_.append(h * ky[k] + sy_[k - 1])
    for k in range(1, K + 1):
        dx.append(dx[k - 1] - (sy_[k - 1] + sy_[k]) * 0.5 * h)
    lines += ["X - Deflection :" + N(dx[K]) + " m.",
              "Y - Deflection :" + N(dy[K]) + " m.",
              "Z - Deflection :" + N(dz[K]) + " m."]
    return lines


def report_bytes(lines):
    return b"".join(line.encode("latin-1") + b"\r\n" for line in lines)
