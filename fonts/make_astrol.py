#!/usr/bin/python3
"""Builds fonts/Astrol.ttf, the symbol font of the chart and vector windows: plain letters drawing the
astrological symbols. The outlines come from Debian's DejaVu Sans (fonts-dejavu-core), which carries
them all but the sextile; that one is drawn here. The result is renamed "Astrol", as the Bitstream
Vera licence of DejaVu requires of a modified font (LICENSE-Astrol.txt).

Run with Debian's python3 and python3-fonttools:  /usr/bin/python3 fonts/make_astrol.py
"""

import math
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.recordingPen import DecomposingRecordingPen, RecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
UNITS_PER_EM = 2048
SYMBOL_HEIGHT = 1496  # cap height of DejaVu's astrological symbols
ASCENT, DESCENT = 1640, 408  # sum to one em
SIDE_BEARING = 120
LABEL_SCALE = 0.85  # letters of the house numerals and of "AC", a little under the symbols
LABEL_MAX_WIDTH = 2400
SEXTILE_STROKE = 130  # a little over the outlines of the square and the triangle, as thin bars look lighter
LETTER_GAP = 210  # between the letters of a label, so that the strokes of "III" stay apart

# Character -> how to draw it: a source code point, a word of source letters, or a drawing.
SYMBOLS = {
    # chart points 1..14 ("abcdefghijklWz")
    "a": ("sun", 0x2609), "b": ("moon", 0x263D), "c": ("mercury", 0x263F), "d": ("venus", 0x2640),
    "e": ("mars", 0x2642), "f": ("jupiter", 0x2643), "g": ("saturn", 0x2644), "h": ("uranus", 0x2645),
    "i": ("neptune", 0x2646), "j": ("pluto", 0x2647), "k": ("lilith", 0x26B8), "l": ("node", 0x260A),
    "W": ("ascendant", "AC"), "z": ("resultant", 0x2295),
    # signs 1..12 ("ABCDEFGHIJKL")
    "A": ("aries", 0x2648), "B": ("taurus", 0x2649), "C": ("gemini", 0x264A), "D": ("cancer", 0x264B),
    "E": ("leo", 0x264C), "F": ("virgo", 0x264D), "G": ("libra", 0x264E), "H": ("scorpio", 0x264F),
    "I": ("sagittarius", 0x2650), "J": ("capricorn", 0x2651), "K": ("aquarius", 0x2652), "L": ("pisces", 0x2653),
    # aspects 1..5 ("MNOPR") and the retrograde mark ("y")
    "M": ("conjunction", 0x260C), "N": ("opposition", 0x260D), "O": ("trine", 0x25B3),
    "P": ("square", 0x25A1), "R": ("sextile", "draw"), "y": ("retrograde", 0x211E),
}
# Characters copied from the source with their own spacing: the digits of the degrees, and ";" as the
# degree mark, as the position captions write "13;A" for 13 degrees of Aries.
PLAIN = {str(d): ("digit%d" % d, 0x30 + d) for d in range(10)}
PLAIN[";"] = ("degree", 0xB0)
NUMERALS = ["I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"]
for house, (char, numeral) in enumerate(zip("mnopqrstuvwx", NUMERALS), start=1):
    SYMBOLS[char] = ("house%d" % house, numeral)

# Source shapes whose size differs from the astrological ones: (height, bottom) to fit them to.
REFIT = {0x25B3: (SYMBOL_HEIGHT, 0), 0x25A1: (1300, 98), 0x2295: (SYMBOL_HEIGHT, 0)}


def bounds(outline):
    pen = BoundsPen(None)
    outline.replay(pen)
    return pen.bounds


def transformed(outline, matrix):
    out = RecordingPen()
    outline.replay(TransformPen(out, matrix))
    return out


def source_outline(source, name):
    glyphs = source.getGlyphSet()
    pen = DecomposingRecordingPen(glyphs)
    glyphs[name].draw(pen)
    return pen


def fit(outline, height, bottom):
    x0, y0, _, y1 = bounds(outline)
    s = height / (y1 - y0)
    return transformed(outline, (s, 0, 0, s, -x0 * s, bottom - y0 * s))


def word(source, letters):
    """Letters of the source set side by side at LABEL_SCALE, narrowed to LABEL_MAX_WIDTH."""
    out = RecordingPen()
    x = 0
    cmap = source.getBestCmap()
    for letter in letters:
        outline = source_outline(source, cmap[ord(letter)])
        x0, _, x1, _ = bounds(outline)
        transformed(outline, (1, 0, 0, 1, x - x0, 0)).replay(out)
        x += x1 - x0 + LETTER_GAP
    width = (x - LETTER_GAP) * LABEL_SCALE
    squeeze = min(1.0, LABEL_MAX_WIDTH / width)
    return transformed(out, (LABEL_SCALE * squeeze, 0, 0, LABEL_SCALE, 0, 0))


def sextile():
    """A six-pointed asterisk: three bars through the centre, at 90, 30 and 150 degrees."""
    half_length, half_width = SYMBOL_HEIGHT / 2, SEXTILE_STROKE / 2
    cx, cy = half_length, half_length
    points = []
    for k in range(6):
        a = math.radians(30 + 60 * k)
        ux, uy, nx, ny = math.cos(a), math.sin(a), -math.sin(a), math.cos(a)
        points.append((half_length * ux - half_width * nx, half_length * uy - half_width * ny))
        points.append((half_length * ux + half_width * nx, half_length * uy + half_width * ny))
        inner = a + math.radians(30)
        points.append((2 * half_width * math.cos(inner), 2 * half_width * math.sin(inner)))
    pen = RecordingPen()
    ordered = list(reversed(points))  # clockwise, as TrueType outer contours go
    pen.moveTo((round(cx + ordered[0][0]), round(cy + ordered[0][1])))
    for px, py in ordered[1:]:
        pen.lineTo((round(cx + px), round(cy + py)))
    pen.closePath()
    return pen


def symbol_outline(source, how):
    if how == "draw":
        return sextile()
    if isinstance(how, str):
        return word(source, how)
    outline = source_outline(source, source.getBestCmap()[how])
    if how in REFIT:
        return fit(outline, *REFIT[how])
    return outline


def notdef():
    pen = RecordingPen()
    for (x0, y0, x1, y1), clockwise in (((0, 0, 1000, SYMBOL_HEIGHT), True), ((100, 100, 900, 1396), False)):
        corners = [(x0, y0), (x0, y1), (x1, y1), (x1, y0)]
        if not clockwise:
            corners.reverse()
        pen.moveTo(corners[0])
        for c in corners[1:]:
            pen.lineTo(c)
        pen.closePath()
    return pen


def placed(outline):
    """The outline moved to the side bearing, as a TrueType glyph with its advance."""
    x0, _, x1, _ = bounds(outline)
    pen = TTGlyphPen(None)
    transformed(outline, (1, 0, 0, 1, SIDE_BEARING - x0, 0)).replay(pen)
    return pen.glyph(), round(x1 - x0) + 2 * SIDE_BEARING


def copied(source, code):
    """The source glyph of a code point as it stands, with its own advance."""
    name = source.getBestCmap()[code]
    pen = TTGlyphPen(None)
    source_outline(source, name).replay(pen)
    return pen.glyph(), source["hmtx"][name][0]


def licence_notice():
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "LICENSE-Astrol.txt"), encoding="utf-8") as f:
        return f.read()


def build(target):
    source = TTFont(SOURCE)
    glyphs, advances = {}, {}
    glyphs[".notdef"], advances[".notdef"] = placed(notdef())
    glyphs["space"], advances["space"] = TTGlyphPen(None).glyph(), 651
    cmap = {0x20: "space"}
    for char, (name, how) in SYMBOLS.items():
        glyphs[name], advances[name] = placed(symbol_outline(source, how))
        cmap[ord(char)] = name
    for char, (name, code) in PLAIN.items():
        glyphs[name], advances[name] = copied(source, code)
        cmap[ord(char)] = name
    order = [".notdef", "space"] + [name for name, _ in SYMBOLS.values()] + [name for name, _ in PLAIN.values()]
    metrics = {}
    for name in order:
        glyphs[name].recalcBounds(None)
        metrics[name] = (advances[name], getattr(glyphs[name], "xMin", 0))

    builder = FontBuilder(UNITS_PER_EM, isTTF=True)
    builder.setupGlyphOrder(order)
    builder.setupCharacterMap(cmap)
    builder.setupGlyf(glyphs)
    builder.setupHorizontalMetrics(metrics)
    # One em from line to line: the chart labels hold twelve 12-point lines in the height of 192 pixels.
    builder.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    notice = licence_notice()
    builder.setupNameTable({
        "copyright": "Copyright (c) 2003 by Bitstream, Inc. All Rights Reserved. Bitstream Vera is a "
                     "trademark of Bitstream, Inc. DejaVu changes are in public domain.",
        "familyName": "Astrol", "styleName": "Regular", "uniqueFontIdentifier": "Astrol Regular 1.0",
        "fullName": "Astrol", "psName": "Astrol-Regular", "version": "Version 1.0",
        "description": "Astrological symbols on letters, from DejaVu Sans outlines.",
        "licenseDescription": notice,
    })
    builder.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
                     usWinAscent=ASCENT, usWinDescent=DESCENT, sxHeight=1120, sCapHeight=SYMBOL_HEIGHT, fsType=0,
                     achVendID="NONE", usFirstCharIndex=0x20, usLastCharIndex=ord("z"))
    builder.setupPost()
    builder.font["head"].created = builder.font["head"].modified = 3786825600  # fixed: 2024-01-01
    builder.font.recalcTimestamp = False
    builder.save(target)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    build(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "Astrol.ttf"))
