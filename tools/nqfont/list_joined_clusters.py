#!/usr/bin/python3
"""Writes src/nq/joined_clusters.tsv: the consonant clusters the NQ font draws joined.

Every two- and three-consonant cluster that the source font joins (its shaping shows no
hasanta). Four-consonant clusters join by rule when both their threes join (clusters.py);
the tool builds the font, shapes every four-consonant cluster that extends a joined three
in both fonts, and lists those the source font joins that NQ would not draw the same way,
so that the font draws them whole. The font generator and the Unicode bridge both read the
file. Run it again when the source font or the glyph table changes; the build needs
neither this script nor its time (about a minute).
"""

import argparse
import json
import os
import subprocess
import sys
import tempfile

from fontTools.ttLib import TTFont

import clusters
import generate_nq_font
import joined
import nq_table
import shaping

HASANTA = clusters.HASANTA
RA = "\u09b0"
# Letters that join through hasanta; র is left out as the first letter (that is a reph).
CONSONANTS = [chr(c) for c in range(0x0995, 0x09BA) if c not in (0x09A9, 0x09B1, 0x09B3, 0x09B4,
                                                               0x09B5)] + ["\u09dc", "\u09dd", "\u09df"]


def hex_units(text):
    return " ".join(f"U+{ord(c):04X}" for c in text)


def joined_by_source(hb_shape, font, candidates):
    shaped = shaping.shape_lines(hb_shape, font, candidates)
    return {c: glyphs for c, glyphs in zip(candidates, shaped) if not shaping.shows_hasanta(glyphs)}


def shape_nq(hb_shape, font_path, texts):
    """hb-shape on NQ text (private-use codes, shaped as any script): [(name, dx, dy, ax)]."""
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "nq.txt")
        with open(path, "w", encoding="utf-8") as f:
            f.write("".join(t + "\n" for t in texts))
        out = subprocess.run([hb_shape, "--font-file=" + font_path, "--output-format=json",
                              "--text-file=" + path], check=True, capture_output=True, text=True)
    return [[(g["g"], g["dx"], g["dy"], g["ax"]) for g in json.loads(line)]
            for line in out.stdout.splitlines() if line.strip()]


def drawing_of(nq_glyphs, drawings):
    parts, pen = [], 0
    for name, dx, dy, ax in nq_glyphs:
        for part, x, y in drawings[name][0]:
            parts.append((part, pen + dx + x, dy + y))
        pen += ax
    return tuple(parts), pen


def drawn_otherwise(args, rows, source, listed, four):
    """The four-consonant clusters of `four` ({cluster: source glyphs}) that the font built
    from `listed` does not draw as the source font does."""
    font, _ = generate_nq_font.make_font(rows, source, args.hb_shape, args.source_font, "1.0",
                                         sorted(listed))
    codes = joined.Codes.from_rows(rows)
    units = {}
    for r in rows:
        if r.kind in ("CONS", "CONJ") and not r.same_as:
            units.setdefault(r.unicode, r.code)
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "nq.ttf")
        font.save(path)
        spelt = {c: clusters.canonical_spelling(c, units, codes.phalas, codes.hasanta) for c in four}
        todo = [c for c in four if spelt[c] is not None]
        texts = ["".join(chr(generate_nq_font.PRIVATE_BASE + code) for code in spelt[c]) for c in todo]
        shaped = shape_nq(args.hb_shape, path, texts)
    wrong = []
    for c, nq_glyphs in zip(todo, shaped):
        wanted = joined.plan_of(four[c])
        if not clusters.joins(c, listed) or not joined.same_drawing(
                drawing_of(nq_glyphs, font.nq_drawings), wanted):
            wrong.append(c)
    return wrong


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source-font", default="/usr/share/fonts/truetype/noto/NotoSansBengali-Regular.ttf")
    parser.add_argument("--table", default=os.path.join(os.path.dirname(__file__), "../../src/nq/glyph_table.tsv"))
    parser.add_argument("--hb-shape", default="hb-shape")
    parser.add_argument("--output", required=True)
    args = parser.parse_args(argv)

    two = [a + HASANTA + b for a in CONSONANTS for b in CONSONANTS if a != RA]
    three = [p + HASANTA + c for p in two for c in CONSONANTS]
    shorter = joined_by_source(args.hb_shape, args.source_font, two + three)
    listed = set(shorter)
    four = joined_by_source(args.hb_shape, args.source_font,
                            sorted(t + HASANTA + c for t in listed if t.count(HASANTA) == 2
                                   for c in CONSONANTS))
    rows = nq_table.read_table(args.table)
    source = TTFont(args.source_font)
    wrong = drawn_otherwise(args, rows, source, listed, {**shorter, **four})
    extra = [c for c in wrong if c in four]
    listed |= set(extra)
    still = drawn_otherwise(args, rows, source, listed, {c: four[c] for c in extra})
    by_rule = sum(1 for c in four if clusters.joins(c, listed))
    with open(args.output, "w", encoding="utf-8") as f:
        f.write("# Consonant clusters the NQ font draws joined (generated by "
                "tools/nqfont/list_joined_clusters.py):\n"
                "# every two- and three-consonant cluster the source font joins, and the\n"
                "# four-consonant ones it joins that are not drawn right from parts. Any other\n"
                "# four-consonant cluster joins when both its threes are listed.\n"
                "# unicode\ttext\n")
        for c in sorted(listed, key=lambda c: (c.count(HASANTA), c)):
            f.write(f"{hex_units(c)}\t{c}\n")
    unfixed = sorted(c for c in wrong if c in shorter)
    if unfixed:
        print(f"{len(unfixed)} listed clusters drawn otherwise than the source font draws them: "
              + " ".join(unfixed[:40]))
    print(f"{len(listed)} clusters listed; of {len(four)} four-consonant clusters the source "
          f"font joins, {by_rule} join in NQ, {len(extra)} of them listed to be drawn whole, "
          f"{len(still)} still drawn otherwise")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
