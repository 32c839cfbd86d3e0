#!/usr/bin/env python3
"""Writes data/concptos.txt, the concept table of the plane, from concepts.tsv.

Each line of concepts.tsv is a base concept with its grades; this script places every concept on
the plane (the base circles of the eight levels and the four grade families between them), checks
the table and writes the fixed 114-byte Windows-1252 records, from the centre outwards.

    generate_concepts.py OUTPUT          write the file
    generate_concepts.py --check FILE    exit 1 unless FILE holds exactly what would be written
    generate_concepts.py --explain       print each base concept with the two it combines
"""

import math
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
SOURCE = HERE / "concepts.tsv"

LEVEL_RADIUS = [100, 193, 373, 721, 1393, 2691, 5198, 10042]
LEVEL_RATIO = math.sqrt(2 + 2 * math.cos(math.radians(30)))
DEG_TO_RAD = 3.141592 / 180
NAME_WIDTH = 30
LIST_WIDTH = 20  # Orvanel's list of astral concepts shows 20 characters of a name
NUMBER_WIDTH = 13

# The grade families, in the column order of concepts.tsv. For a grade of the base concept of
# level m: the level n whose base radius the factor multiplies (m for the grades above the base,
# m - 1 for those below it), and the radii the descriptions recognise, by level m.
FAMILIES = [
    ("falta", 1 / math.cos(math.radians(15)), -1, {2: 200, 3: 386, 4: 746, 5: 1442, 6: 2786, 7: 5381}),
    ("deficiente", math.sqrt(2), -1, {2: 273, 3: 528, 4: 1020, 5: 1970, 6: 3805, 7: 7351}),
    ("excelente", 3 - math.sqrt(3), 0, {2: 473, 3: 914, 4: 1766, 5: 3412, 6: 6591}),
    ("exceso", math.sqrt(3), 0, {0: 173, 2: 646, 3: 1249, 4: 2412, 5: 4660, 6: 9003}),
]


def fail(message):
    sys.exit("concepts.tsv: " + message)


def read_rows():
    """The base concepts as (level, angle, name, [grade names or None, by family], gloss)."""
    rows = []
    for number, line in enumerate(SOURCE.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        cells = line.split("\t")
        if len(cells) != 4 + len(FAMILIES) or not cells[-1]:
            fail(f"line {number}: {len(cells)} columns")
        grades = [None if cell == "-" else cell for cell in cells[3:-1]]
        rows.append((int(cells[0]), int(cells[1]), cells[2], grades, cells[-1]))
    return rows


def base_angles(level):
    return [(15 if level % 2 == 0 else 0) + 30 * k for k in range(12)]


def grade_radius(family, level):
    """The stored radius of a grade of the level-`level` base concept, or None where there is none."""
    _, factor, shift, recognised = family
    if level not in recognised:
        return None
    radius = round(factor * 100 * LEVEL_RATIO ** (level + shift))
    if radius != recognised[level]:
        fail(f"{family[0]} of level {level}: {radius} is not a recognised radius")
    return radius


def check_rows(rows):
    for level in range(8):
        angles = sorted(row[1] for row in rows if row[0] == level)
        if angles != base_angles(level):
            fail(f"level {level} has the angles {angles}")
    for level, angle, name, grades, _ in rows:
        for family, grade in zip(FAMILIES, grades):
            if (grade is None) != (grade_radius(family, level) is None):
                fail(f"{name}: the {family[0]} grade does not match the level {level} geometry")


def concept(reference, name, angle, radius):
    return {"reference": reference, "name": name, "angle": angle, "radius": radius}


def place_concepts(rows):
    concepts = []
    for level, angle, name, grades, _ in rows:
        concepts.append(concept(name, name, angle, LEVEL_RADIUS[level]))
        for family, grade in zip(FAMILIES, grades):
            if grade is not None:
                concepts.append(concept(name, grade, angle, grade_radius(family, level)))
    concepts.sort(key=lambda c: (c["radius"], c["angle"]))
    names = [c["name"] for c in concepts]
    for name in names:
        if names.count(name) > 1 or len(name) > LIST_WIDTH or name != name.strip():
            fail(f"the name '{name}' is repeated, too long or has blanks at its ends")
    return concepts


def coordinate(value):
    text = f"{value:.2f}"
    return "0.00" if text == "-0.00" else text


def field(text, width):
    return text[:width].ljust(width)


def encode(c):
    """One record: Reference, Name, Degrees, Radius, X, Y, then CR LF."""
    radians = c["angle"] * DEG_TO_RAD
    x = coordinate(c["radius"] * math.cos(radians))
    y = coordinate(c["radius"] * math.sin(radians))
    text = (field(c["reference"], NAME_WIDTH) + field(c["name"], NAME_WIDTH) +
            "".join(field(v, NUMBER_WIDTH) for v in (str(c["angle"]), str(c["radius"]), x, y)))
    return text.encode("cp1252") + b"\r\n"


def table_bytes():
    rows = read_rows()
    check_rows(rows)
    return b"".join(encode(c) for c in place_concepts(rows))


def explanation():
    """Each base concept as the sum of its two neighbours one level down, with its gloss."""
    rows = read_rows()
    check_rows(rows)
    names = {(level, angle): name for level, angle, name, _, _ in rows}
    lines = []
    for level, angle, name, _, gloss in rows:
        parts = ""
        if level > 0:
            below = [names[(level - 1, (angle + side) % 360)] for side in (-15, 15)]
            parts = f" = {below[0]} + {below[1]}"
        lines.append(f"{level} {angle:3d}° {name}{parts}: {gloss}")
    return "\n".join(lines)


def main(argv):
    if argv[1:] == ["--explain"]:
        print(explanation())
        return 0
    if len(argv) == 2 and not argv[1].startswith("-"):
        Path(argv[1]).write_bytes(table_bytes())
        return 0
    if len(argv) == 3 and argv[1] == "--check":
        if Path(argv[2]).read_bytes() == table_bytes():
            return 0
        print(f"{argv[2]} differs from what concepts.tsv generates", file=sys.stderr)
        return 1
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
