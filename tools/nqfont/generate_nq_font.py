#!/usr/bin/python3
"""Generates nq.ttf, the editing font "NQ", from the glyph table and a Bengali source font.

Each row of src/nq/glyph_table.tsv names the Bengali unit drawn at its code. The unit is
shaped with hb-shape; what the shaper makes of it (one glyph, or several at offsets) becomes
one glyph of ours. Signs and marks are shaped beside a carrier, which is then dropped, so that
a mark keeps the offset it has from the consonant it follows. With --joined, sequences of
codes (a cluster typed with hasanta or phala, a sign or mark on a letter) that the source font
draws otherwise than side by side become GSUB ligatures onto that drawing (joined.py). The
output is the same byte for byte for the same inputs.
"""

import argparse
import os
import sys
import time

from fontTools.fontBuilder import FontBuilder
from fontTools.ttLib import TTFont, TTLibError, newTable

import joined
import licence
import nq_table
import outlines
import private_use
import shaping

FAMILY = "NQ"
PS_NAME = "NQ-Regular"
PRIVATE_BASE = 0xF000       # every code, as U+F000 + code (the form symbol fonts use)
UNDEFINED_BASE = 0xF100     # the cp1252-undefined bytes, as other programs hold them
HELD_PRIVATE = {0xAD}       # codes the editor holds as U+F000 + code (U+00AD is a soft hyphen)
BENGALI_BLOCK = range(0x0980, 0x0A00)


class BuildError(Exception):
    pass


def cp1252_char(code):
    try:
        return bytes([code]).decode("cp1252")
    except UnicodeDecodeError:
        return chr(code)  # undefined in cp1252: its C1 code point, as Qt decodes it


def is_cp1252_undefined(code):
    return 0x80 <= code <= 0x9F and cp1252_char(code) == chr(code)


def characters_for(code):
    """Every character that may stand for `code` in the editor or in files other programs wrote."""
    chars = [PRIVATE_BASE + code]
    if code >= 0x20:
        chars.append(ord(cp1252_char(code)))
    if is_cp1252_undefined(code):
        chars.append(UNDEFINED_BASE + code)
    return chars


def plan_glyphs(rows, hb_shape, source_path):
    """For each shaped row: (parts as (name, x, y), advance)."""
    shaped_rows = [r for r in rows if r.kind != "LB"]
    texts, carriers = [], []
    for r in shaped_rows:
        text, carrier = nq_table.shaping_text(r)
        texts.append(text)
        carriers.append(carrier)
    distinct_carriers = sorted({c for c in carriers if c})
    results = shaping.shape_lines(hb_shape, source_path, texts + distinct_carriers)
    carrier_runs = dict(zip(distinct_carriers, results[len(texts):]))

    plans = {}
    for row, text, carrier, glyphs in zip(shaped_rows, texts, carriers, results):
        unit = " ".join(f"U+{ord(c):04X}" for c in row.unicode)
        missing = [g for g in glyphs if g.name == ".notdef"]
        if missing:
            raise BuildError(f"code {row.code} ({unit}): the source font has no glyph for it")
        if carrier:
            run = carrier_runs[carrier]
            at = shaping.find_run(glyphs, run)
            if at < 0:
                raise BuildError(
                    f"code {row.code} ({unit}): the carrier changes shape next to the sign; "
                    "give the row another carrier in the glyph table")
            before, after = glyphs[:at], glyphs[at + len(run):]
            if row.kind in nq_table.PRE_KINDS:
                chosen, origin, stray = before, 0, after
            else:
                chosen, origin, stray = after, sum(g.ax for g in glyphs[:at + len(run)]), before
            if stray or not chosen:
                raise BuildError(f"code {row.code} ({unit}): shaping it beside its carrier gives "
                                 f"{[g.name for g in glyphs]}, not one sign on one side")
        else:
            chosen, origin = glyphs, 0
        parts, pen = [], origin
        for g in chosen:
            parts.append((g.name, pen - origin + g.dx, g.dy))
            pen += g.ax
        plans[row.code] = (tuple(parts), pen - origin)
    return plans


def set_bounds(glyf, order):
    """Each glyph's box; a composite's from its parts, which are simple glyphs placed by
    whole units, so the box is theirs moved."""
    for name in order:
        g = glyf[name]
        if g.numberOfContours > 0:
            g.recalcBounds(glyf)
    for name in order:
        g = glyf[name]
        if g.isComposite():
            parts = [(glyf[c.glyphName], c.x, c.y) for c in g.components]
            g.xMin = min(p.xMin + x for p, x, _ in parts)
            g.yMin = min(p.yMin + y for p, _, y in parts)
            g.xMax = max(p.xMax + x for p, x, _ in parts)
            g.yMax = max(p.yMax + y for p, _, y in parts)


def build_font(rows, plans, source, version, joins=None):
    glyph_set = source.getGlyphSet()
    glyphs, advances, cmap = {}, {}, {}
    order = [".notdef"]
    glyphs[".notdef"] = outlines.compose(glyph_set, [(".notdef", 0, 0)])
    advances[".notdef"] = source["hmtx"][".notdef"][0]

    by_plan = {}
    drawn_line_break = None
    for row in rows:
        if row.kind == "LB":
            if drawn_line_break is None:
                drawn_line_break = "nq_linebreak"
                glyphs[drawn_line_break], advances[drawn_line_break] = outlines.line_break_marker()
                order.append(drawn_line_break)
            name = drawn_line_break
        else:
            plan = plans[row.code]
            name = by_plan.get(plan)
            if name is None:
                name = "space" if row.kind == "SPACE" else f"nq{row.code:03d}"
                by_plan[plan] = name
                parts, advance = plan
                glyphs[name] = outlines.compose(glyph_set, parts)
                advances[name] = advance
                order.append(name)
        for ch in characters_for(row.code):
            cmap[ch] = name
        if row.code in HELD_PRIVATE:
            cmap[PRIVATE_BASE + row.code] = name

    # Joined shapes: one glyph per distinct drawing, shared with a table code drawn the same.
    code_names = {}
    for row in rows:
        if row.kind != "LB":
            code_names[row.code] = by_plan[plans[row.code]]
    parts_kept = {}

    def kept_part(source_name):
        name = parts_kept.get(source_name)
        if name is None:
            name = parts_kept[source_name] = f"p.{source_name}"
            glyphs[name] = outlines.compose(glyph_set, [(source_name, 0, 0)])
            advances[name] = 0
            order.append(name)
        return name

    drawings = ([plan for _, plan in joins.ligatures] + [d for _, _, d in joins.halves]
                + sorted(joins.medial.values()) + [h for _, _, h in joins.hooks] if joins else [])
    for plan in drawings:
        if plan not in by_plan:
            name = f"nqj{len(by_plan):04d}"
            by_plan[plan] = name
            glyphs[name] = outlines.compose_from_components(plan[0], kept_part, glyphs)
            advances[name] = plan[1]
            order.append(name)

    glyphs["nq_unused"], advances["nq_unused"] = outlines.hollow_box()
    order.append("nq_unused")
    known = {r.code for r in rows}
    for code in range(256):
        if code not in known:
            for ch in characters_for(code):
                cmap.setdefault(ch, "nq_unused")

    leaked = sorted(ch for ch in cmap if ch in BENGALI_BLOCK)
    if leaked:
        raise BuildError(f"the cmap would map Bengali code points: {leaked}")

    fb = FontBuilder(source["head"].unitsPerEm, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs, calcGlyphBounds=False)
    glyf = fb.font["glyf"]
    set_bounds(glyf, order)
    fb.setupHorizontalMetrics(
        {n: (advances[n], getattr(glyf[n], "xMin", 0) if glyf[n].numberOfContours else 0)
         for n in order})
    src_hhea, src_os2 = source["hhea"], source["OS/2"]
    fb.setupHorizontalHeader(ascent=src_hhea.ascent, descent=src_hhea.descent,
                             lineGap=src_hhea.lineGap)
    src_names = source["name"]
    fb.setupNameTable({
        "copyright": src_names.getDebugName(0),
        "familyName": FAMILY,
        "styleName": "Regular",
        "uniqueFontIdentifier": f"{version};{PS_NAME}",
        "fullName": FAMILY,
        "version": f"Version {version}",
        "psName": PS_NAME,
        "licenseDescription": src_names.getDebugName(13),
        "licenseInfoURL": src_names.getDebugName(14),
    })
    fb.setupOS2(
        version=4, achVendID="NONE", usWeightClass=400, fsType=0, fsSelection=0x40,
        sTypoAscender=src_os2.sTypoAscender, sTypoDescender=src_os2.sTypoDescender,
        sTypoLineGap=src_os2.sTypoLineGap, usWinAscent=src_os2.usWinAscent,
        usWinDescent=src_os2.usWinDescent, sxHeight=src_os2.sxHeight,
        sCapHeight=src_os2.sCapHeight, ulCodePageRange1=1, ulCodePageRange2=0,
        panose=src_os2.panose)
    fb.font["OS/2"].recalcUnicodeRanges(fb.font)
    fb.setupPost(keepGlyphNames=True)
    fb.setupHead(unitsPerEm=source["head"].unitsPerEm, fontRevision=float(version),
                 created=source["head"].created, modified=source["head"].modified)
    if "maxp" not in fb.font:
        fb.setupMaxp()
    gasp = newTable("gasp")
    gasp.version = 1
    gasp.gaspRange = {0xFFFF: 0x000F}  # the outlines carry no hints: smooth at every size
    fb.font["gasp"] = gasp
    if joins:
        fb.font["GSUB"] = joined.build_gsub(joins, code_names, by_plan, fb.font.getReverseGlyphMap())
    # The bounds are set above: saving need not work them out again from every point.
    fb.font.recalcBBoxes = False
    fb.font["maxp"].recalc(fb.font)
    fb.font["hhea"].recalc(fb.font)
    fb.font.nq_drawings = {name: plan for plan, name in by_plan.items()}
    return fb.font


def make_font(rows, source, hb_shape, source_path, version, cluster_list=None):
    """The font in memory, and what it joins (None without `cluster_list`). The font's
    `nq_plans` maps each code to its drawing and `nq_drawings` each glyph name to its."""
    plans = plan_glyphs(rows, hb_shape, source_path)
    joins = None
    if cluster_list is not None:
        joins = joined.plan_ligatures(
            rows, plans, cluster_list,
            lambda texts: shaping.shape_lines(hb_shape, source_path, texts))
    font = build_font(rows, plans, source, version, joins)
    font.nq_plans = plans
    return font, joins


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--table", required=True)
    parser.add_argument("--source-font", required=True)
    parser.add_argument("--licence-source", required=True,
                        help="machine-readable debian/copyright holding the OFL-1.1 text")
    parser.add_argument("--joined", help="src/nq/joined_clusters.tsv: clusters to draw joined")
    parser.add_argument("--hb-shape", default="hb-shape")
    parser.add_argument("--version", default="1.100")
    parser.add_argument("--output", required=True)
    parser.add_argument("--licence-output", required=True)
    parser.add_argument("--private-use-table",
                        help="give joined glyphs private-use code points; their codes go here")
    args = parser.parse_args(argv)

    started = time.monotonic()
    if not os.path.isfile(args.source_font):
        raise BuildError(f"source font {args.source_font} not found; "
                         "install the Debian package fonts-noto-core")
    rows = nq_table.read_table(args.table)
    try:
        source = TTFont(args.source_font)
    except (TTLibError, OSError) as e:
        raise BuildError(f"cannot read the source font {args.source_font}: {e}")
    font, joins = make_font(rows, source, args.hb_shape, args.source_font, args.version,
                            joined.read_clusters(args.joined) if args.joined else None)
    private_entries, unnamed = (private_use.assign(font, PRIVATE_BASE, rows)
                                if args.private_use_table else ([], 0))
    licence_text = licence.notice(source["name"].getDebugName(0),
                                  source["name"].getDebugName(4),
                                  licence.ofl_text_from_debian_copyright(args.licence_source))

    # Write beside the target and rename, so an interrupted build leaves no half font.
    os.makedirs(os.path.dirname(os.path.abspath(args.output)), exist_ok=True)
    tmp = args.output + ".tmp"
    font.save(tmp)
    os.replace(tmp, args.output)
    if args.private_use_table:
        private_use.write_table(args.private_use_table, private_entries)
    with open(args.licence_output + ".tmp", "w", encoding="utf-8") as f:
        f.write(licence_text)
    os.replace(args.licence_output + ".tmp", args.licence_output)

    plans = font.nq_plans
    single = sum(1 for p in plans.values() if len(p[0]) == 1)
    print(f"nq font: {len(rows)} codes, {len(font.getGlyphOrder())} glyphs, "
          f"{single} codes from one source glyph, {len(plans) - single} composed of several, "
          f"{len(joins.ligatures) if joins else 0} joined sequences, "
          f"{len(joins.halves) if joins else 0} half rules, "
          f"{len(private_entries)} private-use code points ({unnamed} substituted glyphs without one), "
          f"{os.path.getsize(args.output)} bytes, {time.monotonic() - started:.2f} s")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except (BuildError, joined.JoinError, nq_table.TableError, shaping.ShapingError,
            licence.LicenceError) as e:
        print(f"nq font: error: {e}", file=sys.stderr)
        sys.exit(1)
