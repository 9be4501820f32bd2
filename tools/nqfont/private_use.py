"""Private-use code points for the glyphs a code sequence joins into, and the table that
says which codes each stands for.

A PDF printer keeps one identity per glyph: the lowest code point the cmap maps to it. The
joined glyphs have none, so their text would vanish from the PDF; with a code point each, the
PDF post-processor can look their codes up in the table and write Unicode Bengali for them.

The code points start at U+E000 and skip U+F000-U+F1FF, where the editor holds codes.
"""

import os

RANGES = (range(0xE000, 0xF000), range(0xF200, 0xF900))


class PrivateUseError(Exception):
    pass


def code_points():
    for r in RANGES:
        yield from r


def joined_sequences(font, code_base):
    """{joined glyph: [code sequences]} read back from the font's GSUB, each input glyph
    named by the lowest code whose character (code_base + code) maps to it."""
    code_of = {}
    for cp, name in sorted(font.getBestCmap().items()):
        if code_base <= cp < code_base + 256:
            code_of.setdefault(name, cp - code_base)
    sequences = {}
    if "GSUB" not in font:
        return sequences
    for lookup in font["GSUB"].table.LookupList.Lookup:
        if lookup.LookupType != 4:
            continue
        for sub in lookup.SubTable:
            for first, ligs in sub.ligatures.items():
                for lig in ligs:
                    glyphs = [first] + list(lig.Component)
                    if all(g in code_of for g in glyphs):
                        sequences.setdefault(lig.LigGlyph, []).append(tuple(code_of[g] for g in glyphs))
    return sequences


def assign(font, code_base):
    """Maps each joined glyph without a code point to the next private-use one, in glyph
    order, and returns [(code point, codes, glyph name)]. A glyph drawn for several
    sequences stands for the shortest (then lowest) of them."""
    mapped = set(font.getBestCmap().values())
    ids = font.getReverseGlyphMap()
    joined = joined_sequences(font, code_base)
    names = sorted((n for n in joined if n not in mapped), key=ids.__getitem__)
    free = code_points()
    entries = []
    for name in names:
        cp = next(free, None)
        if cp is None:
            raise PrivateUseError(f"{len(names)} joined glyphs need a private-use code point; "
                                  f"only {len(entries)} are free")
        codes = min(joined[name], key=lambda s: (len(s), s))
        entries.append((cp, codes, name))
    for sub in font["cmap"].tables:
        if sub.isUnicode():
            sub.cmap.update({cp: name for cp, _, name in entries})
    return entries


def write_table(path, entries):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path + ".tmp", "w", encoding="utf-8", newline="\n") as f:
        f.write("# code point\tNQ codes\tglyph (generated with nq.ttf by tools/nqfont)\n")
        for cp, codes, name in entries:
            f.write(f"U+{cp:04X}\t{' '.join(str(c) for c in codes)}\t{name}\n")
    os.replace(path + ".tmp", path)
