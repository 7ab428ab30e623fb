#!/usr/bin/python3
"""Writes a test font with a family name of its own, made from an installed font.

Wine already knows every installed font, so tests that mount fonts need faces
that no other font on the machine carries. The name table can be given in
Macintosh records only, Windows records only, or both, optionally with the
typographic family (name ids 16 and 17) beside the legacy ones.
"""
import argparse
import sys

from fontTools import subset
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable
from fontTools.ttLib.ttCollection import TTCollection

MAC = (1, 0, 0)
WINDOWS = (3, 1, 0x409)


def parse_ranges(text):
    codes = set()
    for part in text.split(","):
        first, _, last = part.partition("-")
        codes.update(range(int(first, 0), int(last or first, 0) + 1))
    return codes


def map_beyond_bmp(font, code):
    """Adds a full-repertoire (format 12) map that also holds `code`."""
    cmap = font["cmap"]
    mapping = dict(cmap.getBestCmap())
    mapping[code] = mapping[ord("A")]
    table = CmapSubtable.newSubtable(12)
    table.platformID, table.platEncID, table.language = 3, 10, 0
    table.cmap = mapping
    cmap.tables.append(table)


def main():
    args = argparse.ArgumentParser(description=__doc__)
    args.add_argument("--source", required=True)
    args.add_argument("--out", required=True)
    args.add_argument("--family")
    args.add_argument("--collection-of", nargs="+", metavar="FONT",
                      help="write a collection of these fonts instead, in this order")
    args.add_argument("--names", choices=("both", "mac", "windows"), default="both")
    args.add_argument("--typographic-family", help="also write name ids 16 and 17")
    args.add_argument("--chars", default="0x20-0x7e", help="code point ranges to keep")
    args.add_argument("--map-beyond-bmp", type=lambda text: int(text, 0), metavar="CODE",
                      help="also map this code point above U+FFFF to the glyph of 'A'")
    opts = args.parse_args()
    if opts.collection_of:
        collection = TTCollection()
        collection.fonts = [TTFont(path) for path in opts.collection_of]
        collection.save(opts.out)
        return 0
    if not opts.family:
        args.error("--family is required")

    font = TTFont(opts.source, fontNumber=0)
    options = subset.Options()
    options.name_IDs = []
    options.notdef_outline = True
    options.drop_tables += ["FFTM"]  # a FontForge timestamp the subsetter would warn about
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=parse_ranges(opts.chars))
    subsetter.subset(font)

    if opts.map_beyond_bmp:
        map_beyond_bmp(font, opts.map_beyond_bmp)

    platforms = {"both": (MAC, WINDOWS), "mac": (MAC,), "windows": (WINDOWS,)}[opts.names]
    style = "Regular"
    records = {1: opts.family, 2: style, 3: opts.family + " " + style,
               4: opts.family + " " + style, 6: opts.family.replace(" ", "") + "-" + style}
    if opts.typographic_family:
        records[16] = opts.typographic_family
        records[17] = style
    name = font["name"]
    name.names = []
    for name_id, text in records.items():
        for platform in platforms:
            name.setName(text, name_id, *platform)
    font.save(opts.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
