#!/usr/bin/env python3
"""Small faults for scripts/mutants.sh to plant in the program code, one at a time.

  mutants.py plan SEED                      every mutant, one a line, in the seed's order:
                                            file, line, column, old, new, kind, line before, line after
  mutants.py apply FILE LINE COLUMN OLD NEW  plants one of them
  mutants.py targets BUILD < ctest-json      the executables the tests run, for ninja to rebuild

Mutants are drawn only inside function bodies (not in comments, literal texts, preprocessor lines or
declarations at file or class level), so that most of them sit in code the tests reach. Each draw picks
a kind at random, then a site of that kind, so the many constants do not crowd out the other kinds.
"""
import json
import os
import random
import re
import subprocess
import sys

FOLDERS = ["conceptplane", "surface", "orvanel", "rorev", "tools/calc", "tools/generators"]
# Entry points that no test starts: a fault there could never be caught.
UNREACHED = {"orvanel/shell/main.cpp", "rorev/main.cpp", "tools/generators/orvanel_orbits.cpp"}

HIDDEN = re.compile(
    r"""^[ \t]*\#(?:[^\n]*\\\n)*[^\n]*      # preprocessor line, with its continuations
      | //[^\n]* | /\*.*?\*/               # comments
      | R"([^(\s]*)\(.*?\)\1"              # raw literal text
      | "(?:\\.|[^"\\\n])*"                # literal text
      | (?<![\w'])'(?:\\.|[^'\\\n])+'      # character (not a digit separator)
    """, re.S | re.M | re.X)
# What comes before the brace of a function or lambda body: ")" or "]", qualifiers, a trailing return.
BODY_OPENER = re.compile(r"[)\]]\s*(?:(?:const|noexcept|override|final|mutable)\s*)*(?:->[^;{}]*)?$")
OPERATOR = re.compile(r"(?<=\s)(\+=|-=|\*=|/=|<=|>=|==|!=|&&|\|\||[-+*/%<>])(?=\s)")
NUMBER = re.compile(r"(?<![\w.'])(0[xX][\da-fA-F']+|(?:\d[\d']*\.?[\d']*|\.\d[\d']*)(?:[eE][-+]?\d+)?)"
                    r"([uUlLfF]*)(?![\w.'])")
# An expression statement: a call, an assignment or an increment, with no type name in front.
STATEMENT = re.compile(r"(?:\+\+|--)\w+;|(?:::)?(\w+)(?:::\w+)*\s*(?:\(|\.|->|\[|=(?!=)|[-+*/%|&^]=|\+\+|--)")
NOT_STATEMENT = {"if", "for", "while", "switch", "catch", "return", "throw", "delete", "case", "sizeof"}
# Dropping these changes no result, only the speed: such a mutant would survive for nothing.
NO_EFFECT = re.compile(r"\.(reserve|shrink_to_fit)\(")

SWAPS = {"+": "-", "-": "+", "*": "/", "/": "*", "%": "*", "+=": "-=", "-=": "+=", "*=": "/=", "/=": "*=",
         "<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==", "&&": "||", "||": "&&"}
ARITHMETIC = {"+", "-", "*", "/", "%", "+=", "-=", "*=", "/="}


def program_files():
    listed = subprocess.run(["git", "ls-files", "--", *FOLDERS], capture_output=True, text=True, check=True)
    return sorted(f for f in listed.stdout.split() if f.endswith((".cpp", ".h")) and f not in UNREACHED)


def hide(text):
    """The text with comments and preprocessor lines blanked and literal texts turned into '_', columns kept."""
    def blank(match):
        fill = "_" if match.group(0)[0] in "R\"'" else " "
        return "".join(c if c == "\n" else fill for c in match.group(0))
    return HIDDEN.sub(blank, text)


def in_function(code):
    """For each character of the hidden text: whether it lies inside a function or lambda body."""
    inside, blocks = [False] * len(code), []
    for i, c in enumerate(code):
        if c == "{":
            blocks.append(bool(blocks and blocks[-1]) or bool(BODY_OPENER.search(code[max(0, i - 300):i])))
        elif c == "}" and blocks:
            blocks.pop()
        inside[i] = bool(blocks and blocks[-1])
    return inside


def changed_number(literal, suffix):
    plain = literal.replace("'", "")
    if plain[:2].lower() == "0x":
        return f"0x{int(plain, 16) + 1:X}" + suffix
    if plain.isdigit():
        return str(int(plain) + 1) + suffix
    value = float(plain)
    return repr(value + 1 if abs(value) < 1e15 else value * 2) + suffix


def statement_site(code_line, before):
    """The expression statement that makes up the whole line, or None."""
    text = code_line.strip()
    match = STATEMENT.match(text)
    whole = before in ";{}" and text.endswith(";") and text.count(";") == 1
    balanced = all(text.count(a) == text.count(b) for a, b in ("()", "[]", "{}"))
    if match and whole and balanced and match.group(1) not in NOT_STATEMENT and not NO_EFFECT.search(text):
        return code_line.index(text), text
    return None


def sites(path):
    """(line, column, old, new, kind) of every mutant of one file."""
    code = hide(open(path, encoding="utf-8").read())
    inside = in_function(code)
    start, before = 0, ";"
    for number, code_line in enumerate(code.split("\n"), 1):
        for m in OPERATOR.finditer(code_line):
            if inside[start + m.start()]:
                kind = "arithmetic" if m.group(1) in ARITHMETIC else "comparison"
                yield number, m.start(1), m.group(1), SWAPS[m.group(1)], kind
        for m in NUMBER.finditer(code_line):
            if inside[start + m.start()]:
                yield number, m.start(), m.group(0), changed_number(m.group(1), m.group(2)), "constant"
        statement = statement_site(code_line, before)
        if statement and inside[start + statement[0]]:
            yield number, statement[0], statement[1], ";", "statement"
        before = code_line.rstrip()[-1:] or before
        start += len(code_line) + 1


def plan(seed):
    pools = {}
    for path in program_files():
        lines = open(path, encoding="utf-8").read().split("\n")
        for number, column, hidden, new, kind in sites(path):
            line = lines[number - 1]
            old = line[column:column + len(hidden)]  # a statement's literal texts as written
            after = line[:column] + new + line[column + len(old):]
            pools.setdefault(kind, []).append((path, number, column, old, new, kind, line.strip(), after.strip()))
    rng = random.Random(seed)
    for kind in sorted(pools):
        rng.shuffle(pools[kind])
    while pools:
        kind = rng.choice(sorted(pools))
        print("\t".join(str(field).replace("\t", " ") for field in pools[kind].pop()))
        if not pools[kind]:
            del pools[kind]


def apply(path, number, column, old, new):
    lines = open(path, encoding="utf-8").read().split("\n")
    line = lines[number - 1]
    if line[column:column + len(old)] != old:
        sys.exit(f"{path}:{number}: '{old}' is no longer at column {column}")
    lines[number - 1] = line[:column] + new + line[column + len(old):]
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(lines))


def targets(build):
    """Only what the tests run is rebuilt: the benchmarks and the programs' own mains are left out."""
    tests = json.load(sys.stdin)["tests"]
    paths = {os.path.relpath(t["command"][0], build) for t in tests if "command" in t}
    print("\n".join(sorted(p for p in paths if not p.startswith(".."))))


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "plan":
        plan(int(sys.argv[2]))
    elif len(sys.argv) == 7 and sys.argv[1] == "apply":
        apply(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), sys.argv[5], sys.argv[6])
    elif len(sys.argv) == 3 and sys.argv[1] == "targets":
        targets(sys.argv[2])
    else:
        sys.exit(__doc__)
