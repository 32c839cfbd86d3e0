#!/usr/bin/env python3
"""Writes the inputs on which two builds of orvanel-calc must print the same bytes.

    cases.py lines [--count N] [--seed S]      command lines for `orvanel-calc batch`, one a line
    cases.py concepts [--records N] [--seed S] a concept file (Windows-1252 bytes) on standard output
    cases.py noise [--count N] [--seed S]      lines of random bytes, most of them not UTF-8

The lines cover every subcommand, its options and its refusals; the concept file mixes ordinary
records with the awkward ones: fields that hold no number, signs and exponents, angles beyond
0..360, exact ties and the 8-degree border, bytes 0x80..0x9F, and a last record cut short.
"""

import argparse
import math
import random
import sys

LEVEL_RADIUS = [100, 193, 373, 721, 1393, 2691, 5198, 10042]
GRADE_RADIUS = [173, 200, 273, 386, 473, 528, 646, 746, 914, 1020, 1249, 1442, 1766, 1970, 2412,
                2786, 3412, 3805, 4660, 5381, 6591, 7351, 9003]
RECORD_WIDTHS = [30, 30, 13, 13, 13, 13]
SYLLABLES = ["ca", "lo", "ré", "ña", "ti", "vo", "ün", "sé", "pa", "mí", "gu", "zo", "él", "dí", "on"]
ODD_NUMBERS = ["", "abc", "  -0", "+7.9", "1.5E2", "1d2", "1e999", "-1e999", "  .5", "5.", "-",
               "12 34", "1,5", "0x1A", "\u00a0 9", "\u20ac5", "1e-320", "99999999999999"]


def number(v, rng):
    """A number text in one of the ways a person or a program might have written it."""
    style = rng.random()
    if style < 0.5:
        return f"{v:.1f}"
    if style < 0.7:
        return str(int(round(v)))
    if style < 0.8:
        return f"{v:.6g}"
    if style < 0.9:
        return f"   {v:.3f}"
    return f"{v:.4E}"


def concept_fields(n, rng, earlier):
    name = "".join(rng.choice(SYLLABLES) for _ in range(rng.randint(2, 6))).capitalize()
    if rng.random() < 0.05:
        name = " " + name
    if rng.random() < 0.05:
        name = (name * 8)[:30]
    name = f"{name} {n}"
    reference = "".join(rng.choice(SYLLABLES) for _ in range(rng.randint(2, 5))).capitalize()
    if earlier and rng.random() < 0.05:
        # The same place as an earlier record: the ties that go to the lower record number.
        return [reference, name] + earlier[rng.randrange(len(earlier))][2:]
    level = rng.random() * 7.3
    radius = rng.choice(LEVEL_RADIUS + GRADE_RADIUS) if rng.random() < 0.3 else 100 * 1.93185 ** level
    angle = rng.choice([15 * k for k in range(25)]) if rng.random() < 0.3 else rng.random() * 360
    if rng.random() < 0.05:
        angle += rng.choice([8, -8, 7.9, -7.9, 8.0000001, 352, 360, 720, -15])
    x = radius * math.cos(math.radians(angle))
    y = radius * math.sin(math.radians(angle))
    fields = [reference, name, number(angle, rng), number(radius, rng), number(x, rng), number(y, rng)]
    for i in range(2, 6):
        if rng.random() < 0.01:
            fields[i] = rng.choice(ODD_NUMBERS)
    return fields


def record_bytes(fields, rng):
    out = b""
    for text, width in zip(fields, RECORD_WIDTHS):
        raw = text.encode("cp1252", errors="replace")
        if rng.random() < 0.002:
            raw = bytes([rng.choice([0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x80, 0x85, 0x99])]) + raw
        out += raw[:width].ljust(width, b" ")
    return out + b"\r\n"


def concepts(args):
    rng = random.Random(args.seed)
    earlier = []
    out = bytearray()
    for n in range(1, args.records + 1):
        fields = concept_fields(n, rng, earlier)
        earlier.append(fields)
        out += record_bytes(fields, rng)
    # The last record without its line end still counts (length / 114, halves to even).
    sys.stdout.buffer.write(bytes(out[:-2]))


def moment(rng):
    year = rng.choice([rng.randint(1600, 2400)] * 8 + [rng.choice([0, 1, -5, 99, 1700, 1900, 2100, 9999, 32767])])
    month = rng.randint(1, 12) if rng.random() < 0.95 else rng.choice([0, 13, 99])
    day = rng.randint(1, 31) if rng.random() < 0.95 else rng.choice([0, 40])
    hour = rng.randint(0, 23) if rng.random() < 0.95 else rng.choice([24, 30, -1])
    minute = rng.randint(0, 59) if rng.random() < 0.95 else rng.choice([60, 99])
    return [year, month, day, hour, minute]


def words(values):
    return " ".join(str(v) for v in values)


def real(rng, scale):
    v = rng.uniform(-scale, scale)
    return rng.choice([f"{v:.1f}", str(int(v)), f"{v:.6g}", f"{v:.3e}"])


def plane_point(rng):
    if rng.random() < 0.5:
        r = rng.choice(LEVEL_RADIUS + GRADE_RADIUS) * rng.choice([1, 1, 0.99, 1.01])
        a = math.radians(rng.choice([15 * k for k in range(24)]) + rng.uniform(-3, 3))
        return [f"{r * math.cos(a):.2f}", f"{r * math.sin(a):.2f}"]
    scale = rng.choice([100, 1000, 6000, 12000, 80000])
    return [real(rng, scale), real(rng, scale)]


def plane_line(rng):
    program = rng.choice(["--orvanel", "--rorev"])
    op = rng.choices(["sum", "remainder", "line", "lookup", "nearest", "describe"],
                     [20, 10, 15, 30, 25, 0.3])[0]
    if op in ("sum", "remainder"):
        count = rng.randint(1, 6) if rng.random() < 0.9 else rng.randint(19, 22)
        points = [v for _ in range(count) for v in plane_point(rng)]
        return ["plane", program, op] + points
    if op == "line":
        points = [v for _ in range(rng.randint(2, 4)) for v in plane_point(rng)]
        return ["plane", program, op] + points
    if op == "lookup":
        point = plane_point(rng) if rng.random() < 0.95 else rng.choice([["0", "0"], ["1e300", "-1e300"], ["-0.04", "0"]])
        return ["plane", program, op] + point
    if op == "nearest":
        angle = rng.choice([rng.uniform(0, 360), rng.randint(0, 360), rng.choice([0, 360, 8, 352, -5, 365, 720, -720, 1e6])])
        radius = rng.choice([rng.uniform(0, 12000), rng.choice(LEVEL_RADIUS + GRADE_RADIUS), 0, 50000, -3])
        return ["plane", program, op, f"{angle:.6g}", f"{radius:.6g}"]
    return ["plane", program, "describe"]


def command_line(rng):
    kind = rng.choices(["chart", "synastry", "cycle", "coincidences", "ephemeris", "plane", "structure", "bad"],
                       [30, 10, 4, 4, 8, 38, 1, 5])[0]
    if kind == "chart":
        line = ["chart"] + moment(rng)
        if rng.random() < 0.2:
            line += ["--ascendant", rng.randint(0, 360)]
        return words(line)
    if kind == "synastry":
        line = ["synastry"] + moment(rng) + moment(rng)
        if rng.random() < 0.5:
            line += ["--base", rng.choice([1, 2])]
        return words(line)
    if kind == "cycle":
        return words(["cycle", rng.randint(1, 13), rng.randint(1, 13), rng.choice([1, 2])] + moment(rng) + moment(rng)[:3])
    if kind == "coincidences":
        return words(["coincidences"] + moment(rng) + moment(rng)[:3])
    if kind == "ephemeris":
        return words(["ephemeris"] + moment(rng))
    if kind == "plane":
        return words(plane_line(rng))
    if kind == "structure":
        return "structure"
    return rng.choice(["", "chart", "chart 2001 13", "nada", "plane --orvanel", "plane sum 1 2",
                       "chart x y z w v", "batch", "--data", "ephemeris 99999 1 1 1 1",
                       "plane --rorev nearest nan 5", "plane --orvanel lookup 1 2 3",
                       "synastry 2001 1 1 1 1", "cycle 1 2 3", "chart 2001 12 5 14 30 --ascendant 400",
                       "plane --rorev sum 1e400 0", "structure de más"])


def lines(args):
    rng = random.Random(args.seed)
    for _ in range(args.count):
        print(command_line(rng))


def noise(args):
    rng = random.Random(args.seed)
    out = bytearray()
    for _ in range(args.count):
        prefix = rng.choice([b"", b"chart ", b"plane --rorev ", b"nada", b"plane --orvanel nearest "])
        body = bytes(rng.randrange(256) for _ in range(rng.randint(0, 40))).replace(b"\n", b"")
        out += prefix + body + b"\n"
    sys.stdout.buffer.write(bytes(out))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("what", choices=["lines", "concepts", "noise"])
    parser.add_argument("--count", type=int, default=4000)
    parser.add_argument("--records", type=int, default=32767)
    parser.add_argument("--seed", type=int, default=2026)
    args = parser.parse_args()
    {"lines": lines, "concepts": concepts, "noise": noise}[args.what](args)


if __name__ == "__main__":
    main()
