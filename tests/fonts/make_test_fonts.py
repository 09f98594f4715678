#!/usr/bin/env python3
"""Builds the two small TrueType fonts the font-list tests install privately.

    python3 make_test_fonts.py [OUTPUT_DIR]

long31.ttf   family name of exactly 31 ASCII characters, one short of
             LOGFONT's 32-byte face name buffer.
highbit.ttf  family name with characters above 127 in code page 1252
             (o-umlaut 0xF6, c-cedilla 0xE7), to check that names are kept
             byte for byte through the ANSI API.

Each font has .notdef, space and A-Z drawn as plain boxes, a format 4 cmap
and Windows (3, 1, 0x409) name records, which is all GDI needs to list it.
Needs fontTools.
"""

import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.misc.timeTools import timestampFromString
from fontTools.pens.ttGlyphPen import TTGlyphPen

UNITS_PER_EM = 1000
ASCENT = 800
DESCENT = 200
# fixed head dates so every build gives the same bytes
FONT_DATE = timestampFromString("Mon Jan  1 00:00:00 2024")
ADVANCE = 600

LONG_FAMILY = "Varnelo Test Family Thirty One!"
HIGHBIT_FAMILY = "Z\u00f6rnig Fa\u00e7ade Test"


def box_glyph(inset):
    """A filled rectangle and its left side bearing; a bigger inset gives a
    smaller box."""
    pen = TTGlyphPen(None)
    left, right = 50 + inset, ADVANCE - 50 - inset
    bottom, top = 0, 700 - inset
    pen.moveTo((left, bottom))
    pen.lineTo((left, top))
    pen.lineTo((right, top))
    pen.lineTo((right, bottom))
    pen.closePath()
    return pen.glyph(), left


def build_font(path, family, style, ps_name):
    letters = [chr(c) for c in range(ord("A"), ord("Z") + 1)]
    glyph_order = [".notdef", "space"] + letters

    glyphs = {"space": TTGlyphPen(None).glyph()}
    metrics = {"space": (ADVANCE, 0)}
    glyphs[".notdef"], lsb = box_glyph(100)
    metrics[".notdef"] = (ADVANCE, lsb)
    for i, ch in enumerate(letters):
        glyphs[ch], lsb = box_glyph(i * 6)   # each letter a little smaller
        metrics[ch] = (ADVANCE, lsb)
    cmap = {0x20: "space"}
    cmap.update({ord(ch): ch for ch in letters})

    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.setupGlyphOrder(glyph_order)
    fb.setupCharacterMap(cmap)          # format 4, Unicode and Windows BMP
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)

    full_name = family if style == "Regular" else "%s %s" % (family, style)
    names = {
        "familyName": family,
        "styleName": style,
        "uniqueFontIdentifier": "Varnelo tests: " + ps_name,
        "fullName": full_name,
        "version": "Version 1.000",
        "psName": ps_name,
    }
    # Windows records only; GDI reads the (3, 1, 0x409) ones.
    fb.setupNameTable(names, windows=True, mac=False)
    fb.setupOS2(
        sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
        usWinAscent=ASCENT, usWinDescent=DESCENT,
        sxHeight=500, sCapHeight=700,
        achVendID="VRNL", fsType=0,
        ulCodePageRange1=1,             # bit 0: Latin 1 (cp1252)
        ulUnicodeRange1=1 | 2,          # Basic Latin, Latin-1 Supplement
        usWeightClass=400, fsSelection=0x40,
    )
    fb.setupPost()
    fb.updateHead(created=FONT_DATE, modified=FONT_DATE)
    fb.font.recalcTimestamp = False
    fb.save(path)
    return full_name


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(
        os.path.abspath(__file__))
    os.makedirs(out, exist_ok=True)

    family = LONG_FAMILY
    if len(family) != 31:
        family = (family + "x" * 31)[:31]
    assert len(family) == 31 and family.isascii()
    build_font(os.path.join(out, "long31.ttf"), family, "Regular",
               "VarneloTestFamilyThirtyOne")
    print("long31.ttf:  family %r (%d characters)" % (family, len(family)))

    family = HIGHBIT_FAMILY
    encoded = family.encode("cp1252")
    build_font(os.path.join(out, "highbit.ttf"), family, "Regular",
               "ZoernigFacadeTest")
    print("highbit.ttf: family %r, cp1252 bytes %s"
          % (family, encoded.hex(" ").upper()))


if __name__ == "__main__":
    main()
