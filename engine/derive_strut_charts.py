#!/usr/bin/env python3
"""Derives the estimated strut capacity grids and writes engine/strut_chart_data.cpp.

Only two of the sixteen grids (chart A and chart B, wind category 1, member 1)
and a few further rows are known. Every other cell is an estimate made by one
rule, so the result can be reproduced and later replaced by the owner's charts:

1. Base grid per chart: the known category-1/member-1 grid. Its zero cells get
   a value by extending each column upwards, with a least-squares straight line
   over the column's non-zero cells, evaluated at the missing rows:
   - chart A: 1/value as a line of the row (the eccentricity), the shape of an
     axial-plus-bending interaction 1/N = 1/Nc + e/M, which the known grid
     follows closely;
   - chart B: ln(value) as a line of the row (1/value is not linear in the
     panel height there, and a line of it would turn negative).
2. Factor per grid: F = Fcat(chart, category) x Fmem(member), each rounded to
   4 decimals before use.
   - Fmem(1) = 1; Fmem(2) = least-squares ratio of the known chart A
     category-1/member-2 row 10 to the base row 10 (used for both charts).
   - Fcat(chart, 1) = 1; Fcat(chart, 4) = least-squares ratio of the known
     category-4/member-1 last row (chart A row 10, chart B row 7) to the base
     row; Fcat(2) = Fcat(4) ** (1/3), Fcat(3) = Fcat(4) ** (2/3).
3. Cell = F x base, rounded to a multiple of 0.5 (halves to even), clamped to
   8.5 .. 145.
4. Cells outside the grid's known non-zero pattern are set to 0.
5. The known rows are written over their cells verbatim.
6. Row by row, left to right, every cell that is neither known nor 0 is capped
   at its nearest non-zero neighbour to the left and above, so no value rises
   along a row or down a column (zeros aside).

Run: python3 engine/derive_strut_charts.py > engine/strut_chart_data.cpp
"""

import math

COLS = 11

A11 = [
    [0] * 11,
    [0, 0, 0, 0, 0, 145, 125, 109, 96, 85, 76],
    [0, 0, 0, 0, 132, 123.5, 110, 97, 86.5, 77, 69],
    [0, 0, 132, 122.5, 113.5, 104.5, 96, 88.5, 79, 71, 64],
    [121, 116, 110, 104, 97, 91, 84.5, 78.5, 72.5, 66, 60],
    [102, 99, 95, 90, 85, 80, 75.5, 70.5, 65.5, 61.5, 56.5],
    [89, 86, 83, 79.5, 75.5, 72, 68, 64, 60, 56.5, 53],
    [78, 76, 74, 71, 68, 65, 61.5, 58, 55, 52, 49],
    [70, 68, 66, 64, 62, 59, 56.5, 54, 51, 48, 46],
    [63, 62, 60, 58.5, 56, 54, 52, 50, 47.5, 45, 43],
]
B11 = [
    [0] * 11,
    [0, 0, 0, 0, 0, 0, 0, 139, 122, 108, 0],
    [0, 0, 0, 0, 140, 125, 109, 96, 85.5, 76, 69],
    [132, 127.5, 118, 108, 99, 90, 81, 72, 64, 57, 51.5],
    [97, 91.5, 85.5, 80, 74, 68, 62, 56, 50.5, 45.5, 40.5],
    [73.5, 70, 65.5, 61, 57, 53, 49, 45, 40.5, 37, 33],
    [56.5, 54, 51, 48, 45, 42, 39, 36, 33.5, 30.5, 28],
]

# Known rows: (chart, category, member, row) -> values.
KNOWN_ROWS = {
    ("A", 1, 2, 10): [104, 103, 101, 99, 96, 93, 90, 87, 84, 80, 77],
    ("A", 4, 1, 1): [130, 111, 93, 76, 63, 53, 0, 0, 0, 0, 0],
    ("A", 4, 1, 10): [19.5, 19.5, 19, 18.5, 18, 17, 16.5, 16, 15, 14.5, 14],
    ("A", 4, 2, 1): [0, 0, 0, 0, 122, 103.5, 89, 0, 0, 0, 0],
    ("B", 4, 1, 7): [17, 16.5, 15.5, 14.5, 14, 13, 12, 11, 10, 9.5, 8.5],
    ("B", 4, 2, 1): [0, 0, 0, 0, 0, 0, 0, 0, 129, 114, 0],
}

# Non-zero cells per row: (first, last) column, or None for a row of zeros.
ALL = (1, 11)
PATTERNS = {
    ("A", 1, 1): [None, (6, 11), (5, 11), (3, 11)] + [ALL] * 6,
    ("A", 2, 1): [None, (4, 11)] + [ALL] * 8,
    ("A", 3, 1): [(3, 6)] + [ALL] * 9,
    ("A", 4, 1): [(1, 6)] + [ALL] * 9,
    ("A", 1, 2): [None, None, None, (10, 11), (8, 11), (6, 11), (3, 11)] + [ALL] * 3,
    ("A", 2, 2): [None, (9, 11), (7, 11), (5, 11)] + [ALL] * 6,
    ("A", 3, 2): [None, (5, 11)] + [ALL] * 8,
    ("A", 4, 2): [(5, 7)] + [ALL] * 9,
    ("B", 1, 1): [None, (8, 10), (5, 11)] + [ALL] * 4,
    ("B", 2, 1): [None, (6, 10)] + [ALL] * 5,
    ("B", 3, 1): [None, (2, 10)] + [ALL] * 5,
    ("B", 4, 1): [(4, 8), (1, 10)] + [ALL] * 5,
    ("B", 1, 2): [None, None, (11, 11), (9, 11), (5, 11)] + [ALL] * 2,
    ("B", 2, 2): [None, (11, 11), (8, 11), (4, 11)] + [ALL] * 3,
    ("B", 3, 2): [None, (8, 11), (4, 11)] + [ALL] * 4,
    ("B", 4, 2): [(9, 10), (5, 11)] + [ALL] * 5,
}


def extend(grid, to_line, from_line):
    rows = len(grid)
    out = [row[:] for row in grid]
    for c in range(COLS):
        pts = [(r, to_line(grid[r][c])) for r in range(rows) if grid[r][c] > 0]
        n = len(pts)
        mx = sum(p[0] for p in pts) / n
        my = sum(p[1] for p in pts) / n
        slope = sum((p[0] - mx) * (p[1] - my) for p in pts) / sum((p[0] - mx) ** 2 for p in pts)
        for r in range(rows):
            if grid[r][c] == 0:
                out[r][c] = from_line(my + slope * (r - mx))
    return out


def ratio(known, base):
    pairs = [(k, b) for k, b in zip(known, base) if k > 0]
    return sum(k * b for k, b in pairs) / sum(b * b for k, b in pairs)


def round_half(v):
    # Nearest multiple of 0.5, halves to even (Python's round is half-even).
    return round(v * 2) / 2


BASE = {
    "A": extend(A11, lambda v: 1 / v, lambda y: 1 / y),
    "B": extend(B11, math.log, math.exp),
}
FMEM = {1: 1.0, 2: round(ratio(KNOWN_ROWS[("A", 1, 2, 10)], A11[9]), 4)}
FCAT = {}
for chart, last in (("A", 10), ("B", 7)):
    f4 = round(ratio(KNOWN_ROWS[(chart, 4, 1, last)], (A11 if chart == "A" else B11)[last - 1]), 4)
    FCAT[chart] = {1: 1.0, 2: round(f4 ** (1 / 3), 4), 3: round(f4 ** (2 / 3), 4), 4: f4}


def derive(chart, cat, mem):
    given = {"A": A11, "B": B11}[chart]
    rows = len(given)
    if cat == 1 and mem == 1:
        return [row[:] for row in given]
    f = FCAT[chart][cat] * FMEM[mem]
    pattern = PATTERNS[(chart, cat, mem)]
    grid = []
    for r in range(rows):
        row = []
        for c in range(COLS):
            span = pattern[r]
            if span is None or not (span[0] <= c + 1 <= span[1]):
                row.append(0)
            else:
                row.append(min(145, max(8.5, round_half(f * BASE[chart][r][c]))))
        grid.append(row)
    fixed = set()
    for (ch, ca, me, rr), vals in KNOWN_ROWS.items():
        if (ch, ca, me) == (chart, cat, mem):
            grid[rr - 1] = list(vals)
            fixed.add(rr - 1)
    for r in range(rows):
        for c in range(COLS):
            if r in fixed or grid[r][c] == 0:
                continue
            left = next((grid[r][k] for k in range(c - 1, -1, -1) if grid[r][k] > 0), None)
            up = next((grid[k][c] for k in range(r - 1, -1, -1) if grid[k][c] > 0), None)
            for cap in (left, up):
                if cap is not None and grid[r][c] > cap:
                    grid[r][c] = cap
    return grid


def fmt(v):
    return ("%g" % v) + "F" if v != int(v) else "%d.0F" % v if v else "0.0F"


def emit():
    print("// Strut capacity grids: chart A [category][member][eccentricity row][height column]")
    print("// and chart B [category][member][panel-height row][height column]; index 0 of")
    print("// every axis stays 0.")
    print("//")
    print("// ESTIMATES: only the wind-category-1 / member-1 grids of both charts and a few")
    print("// further rows are the owner's values. All other cells are derived by the rule in")
    print("// engine/derive_strut_charts.py (which writes this file) and are to be replaced")
    print("// by the owner's charts when they are available.")
    print("//")
    print("// Factors used: Fmem(2) = %.4f; chart A Fcat(2..4) = %.4f, %.4f, %.4f;"
          % (FMEM[2], FCAT["A"][2], FCAT["A"][3], FCAT["A"][4]))
    print("// chart B Fcat(2..4) = %.4f, %.4f, %.4f." % (FCAT["B"][2], FCAT["B"][3], FCAT["B"][4]))
    print()
    print('#include "engine/strut_chart_data.h"')
    print()
    print("namespace engine {")
    for chart, rows in (("A", 10), ("B", 7)):
        print()
        print("const StrutChart%sData kStrutChart%s{{" % (chart, chart))
        print("    {},  // category 0")
        for cat in range(1, 5):
            print("    {{")
            print("        {},  // member 0")
            for mem in range(1, 3):
                grid = derive(chart, cat, mem)
                kind = "owner's values" if (cat, mem) == (1, 1) else "estimate"
                print("        {{  // category %d, member %d (%s)" % (cat, mem, kind))
                print("            {},")
                for r in range(rows):
                    print("            {0.0F, %s}," % ", ".join(fmt(v) for v in grid[r]))
                print("        }},")
            print("    }},")
        print("}};")
    print()
    print("}  // namespace engine")


if __name__ == "__main__":
    emit()
