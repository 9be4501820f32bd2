"""Private-use code points for the glyphs the font substitutes, and the table that says
which codes each stands for.

A PDF printer keeps one identity per glyph: the lowest code point the cmap maps to it, and
Qt's writer looks at the Basic Multilingual Plane only. Substituted glyphs (a joined cluster,
a letter's leading shape, a sign's other form) have none, so their text would vanish from
the PDF; with a code point each, the PDF post-processor can look their codes up in the table
and write Unicode Bengali for them.

The code points start at U+E000 and skip U+F000-U+F1FF, where the editor holds codes. There
are 5,888 of them; when the font substitutes more glyphs than that, the glyphs that stand for
the fewest codes get them first (a two-letter cluster or a leading shape is met far more
often than a four-letter cluster with a sign), among those of a length the ones with the
fewest phalas and conjunct codes (a cluster + u sign is common, a stack of phalas is not),
and the rest are counted and left out.
"""

import os

RANGES = (range(0xE000, 0xF000), range(0xF200, 0xF900))
CAPACITY = sum(len(r) for r in RANGES)


def code_points():
    for r in RANGES:
        yield from r


def _subtables(font):
    """(lookup type, subtable) of every GSUB lookup, extension wrappers opened."""
    if "GSUB" not in font:
        return
    for lookup in font["GSUB"].table.LookupList.Lookup:
        for sub in lookup.SubTable:
            if lookup.LookupType == 7:
                yield sub.ExtensionLookupType, sub.ExtSubTable
            else:
                yield lookup.LookupType, sub


def substituted_sequences(font, code_base):
    """{substituted glyph: shortest code sequence} read back from the font's GSUB: a glyph of
    the cmap stands for the lowest code whose character (code_base + code) maps to it, a
    single substitution's output for what its input stands for, a ligature for its
    components' codes in order. Repeated until nothing changes, as outputs feed other rules."""
    codes_of = {}
    for cp, name in sorted(font.getBestCmap().items()):
        if code_base <= cp < code_base + 256:
            codes_of.setdefault(name, (cp - code_base,))
    rules = list(_subtables(font))

    def better(glyph, codes):
        old = codes_of.get(glyph)
        if old is None or (len(codes), codes) < (len(old), old):
            codes_of[glyph] = codes
            return True
        return False

    changed = True
    while changed:
        changed = False
        for kind, sub in rules:
            if kind == 1:
                for source, target in sub.mapping.items():
                    if source in codes_of:
                        changed |= better(target, codes_of[source])
            elif kind == 4:
                for first, ligatures in sub.ligatures.items():
                    for lig in ligatures:
                        glyphs = [first] + list(lig.Component)
                        if all(g in codes_of for g in glyphs):
                            changed |= better(lig.LigGlyph, sum((codes_of[g] for g in glyphs), ()))
    return codes_of


def assign(font, code_base, rows):
    """Maps substituted glyphs without a code point to private-use ones and returns
    ([(code point, codes, glyph name)], number of glyphs left without one). `rows` are the
    glyph table's, for the kind of each code."""
    mapped = set(font.getBestCmap().values())
    ids = font.getReverseGlyphMap()
    sequences = substituted_sequences(font, code_base)
    rare = {r.code for r in rows if r.kind in ("PHALA", "CONJ")}
    names = sorted((n for n in sequences if n not in mapped),
                   key=lambda n: (len(sequences[n]), sum(c in rare for c in sequences[n]), ids[n]))
    entries = [(cp, sequences[name], name) for cp, name in zip(code_points(), names)]
    for sub in font["cmap"].tables:
        if sub.isUnicode():
            sub.cmap.update({cp: name for cp, _, name in entries})
    return entries, len(names) - len(entries)


def write_table(path, entries):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path + ".tmp", "w", encoding="utf-8", newline="\n") as f:
        f.write("# code point\tNQ codes\tglyph (generated with nq.ttf by tools/nqfont)\n")
        for cp, codes, name in entries:
            f.write(f"U+{cp:04X}\t{' '.join(str(c) for c in codes)}\t{name}\n")
    os.replace(path + ".tmp", path)
