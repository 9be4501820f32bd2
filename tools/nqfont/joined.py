"""Sequences of NQ codes that the font draws as one shape: the joined clusters of
src/nq/joined_clusters.tsv, spelt with hasanta and phala codes, and consonant + sign pairs
where the source font draws something else than the two glyphs side by side.

The substitutions live in GSUB under features that shapers apply by default, so documents
keep one code per byte and still read as a writer expects.
"""

import unicodedata
from dataclasses import dataclass

from fontTools.otlLib import builder as otl
from fontTools.ttLib import newTable
from fontTools.ttLib.tables import otTables as ot

import clusters
import nq_table

HASANTA = "\u09cd"
KA = "\u0995"
I_SIGN = "\u09bf"
AU_SIGN = "\u09cc"
AU_LENGTH = "\u09d7"
CANDRABINDU = "\u0981"
ZWNJ = "\u200c"
REPH = "\u09b0\u09cd"
# Signs and marks drawn on the letter before them, and the bases each is checked after.
LETTERS = ("CONS", "CONJ", "JOINED")
MARK_BASES = {"BELOW": LETTERS, "HAS": LETTERS, "REPH": LETTERS + ("LIG",),
              "ABOVE": LETTERS + ("LIG", "VOW")}
# Positions within this many font units count as the same drawing; a sign may stray a little
# further (a twentieth of the em) before its pair earns a glyph of its own.
SAME_PLACE = 12
SIGN_SAME_PLACE = 50


class JoinError(Exception):
    pass


def read_clusters(path):
    clusters = []
    with open(path, encoding="utf-8") as f:
        for line_no, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            field = line.split("\t")[0]
            try:
                text = "".join(chr(int(p[2:], 16)) for p in field.split())
            except ValueError:
                raise JoinError(f"joined clusters line {line_no}: bad code point in {field!r}")
            letters = text.split(HASANTA)
            if len(letters) < 2 or any(len(l) != 1 for l in letters):
                raise JoinError(f"joined clusters line {line_no}: {field} is not consonant + "
                                "hasanta + consonant ...")
            clusters.append(text)
    return clusters


@dataclass
class Codes:
    """What the table offers for spelling clusters."""
    units: dict      # Unicode consonant or conjunct -> its codes (aliases too)
    phalas: dict     # consonant -> phala code (্ + consonant)
    marks: dict      # (kind, sign or mark as Unicode) -> its codes (variants too)
    hasanta: int

    @staticmethod
    def from_rows(rows):
        units, phalas, marks, hasanta = {}, {}, {}, None
        for r in rows:
            if r.kind in ("CONS", "CONJ"):
                units.setdefault(r.unicode, []).append(r.code)
            elif r.kind == "PHALA" and len(r.unicode) == 2 and r.unicode[0] == HASANTA:
                phalas.setdefault(r.unicode[1], r.code)
            if r.kind == "HAS" and hasanta is None:
                hasanta = r.code
            if r.kind in MARK_BASES:
                marks.setdefault((r.kind, r.unicode.replace(ZWNJ, "")), []).append(r.code)
        if hasanta is None:
            raise JoinError("the glyph table has no hasanta")
        return Codes(units, phalas, marks, hasanta)


def spellings(cluster, codes):
    """Every way of typing `cluster` with the table's codes: letters and conjuncts joined by
    the hasanta code, or a phala code for a consonant that has one. Single codes excluded."""
    letters = cluster.split(HASANTA)
    n = len(letters)

    def from_unit(i):
        for length in range(1, n - i + 1):
            for code in codes.units.get(HASANTA.join(letters[i:i + length]), []):
                for rest in after_unit(i + length):
                    yield (code,) + rest

    def after_unit(j):
        if j == n:
            yield ()
            return
        for rest in from_unit(j):
            yield (codes.hasanta,) + rest
        phala = codes.phalas.get(letters[j])
        if phala is not None:
            for rest in after_unit(j + 1):
                yield (phala,) + rest

    return sorted({s for s in from_unit(0) if len(s) > 1})


def side_by_side(plans, sequence):
    """The parts of `sequence` drawn one code after another, as the font draws it unjoined."""
    parts, pen = [], 0
    for code in sequence:
        code_parts, advance = plans[code]
        parts.extend((name, pen + x, y) for name, x, y in code_parts)
        pen += advance
    return tuple(parts), pen


def same_drawing(a, b, tolerance=SAME_PLACE):
    (parts_a, adv_a), (parts_b, adv_b) = a, b
    # The non-joiner draws nothing.
    parts_a = [p for p in parts_a if p[0] != "space"]
    parts_b = [p for p in parts_b if p[0] != "space"]
    if len(parts_a) != len(parts_b) or abs(adv_a - adv_b) > tolerance:
        return False
    return all(na == nb and abs(xa - xb) <= tolerance and abs(ya - yb) <= tolerance
               for (na, xa, ya), (nb, xb, yb) in zip(sorted(parts_a), sorted(parts_b)))


def plan_of(glyphs):
    parts, pen = [], 0
    for g in glyphs:
        parts.append((g.name, pen + g.dx, g.dy))
        pen += g.ax
    return tuple(parts), pen


@dataclass
class Joins:
    """What the font substitutes: whole sequences of codes by one drawing (`ligatures`,
    longest first), and a letter with the hasanta after it by the shape the letter takes
    before the rest of its cluster (`halves`: (first code, codes that must follow the
    hasanta, drawing)), so that a longer cluster is drawn from parts."""
    ligatures: list
    halves: list
    conflicts: list  # (first code, following codes) where clusters asked for two shapes
    hasanta: int
    medial: dict = None     # pre-base sign code -> its drawing after a letter or mark
    after_letters: set = None  # codes that stand for a letter or mark (the context above)
    hooks: list = None      # (ি code, codes that follow it, the hook drawn before them)


def glyph_keys(glyphs):
    return tuple((g.name, g.dx, g.dy, g.ax) for g in glyphs)


def leading_part(glyphs, rest_glyphs):
    """The glyphs the source font draws before the rest of the cluster, when the rest is
    drawn exactly as on its own; else None."""
    whole, rest = glyph_keys(glyphs), glyph_keys(rest_glyphs)
    if len(whole) <= len(rest) or whole[len(whole) - len(rest):] != rest:
        return None
    return glyphs[:len(whole) - len(rest)]


def plan_ligatures(rows, plans, cluster_list, shape):
    """The substitutions that draw `cluster_list` (and signs on it) as the source font does.

    Two-consonant clusters, and longer ones the source font does not draw as a leading
    shape + the rest, become ligatures of every spelling. A longer cluster that it does draw
    so gives a half rule for the bridge's spelling and for the typed one: the first unit and
    its hasanta become the leading shape wherever the codes after the hasanta begin as in
    that cluster; the rest is drawn by the rules of the shorter cluster.

    `plans` maps each code to its (parts, advance); `shape` shapes a list of Unicode texts
    in the source font."""
    codes = Codes.from_rows(rows)
    unicode_of = {r.code: r.unicode for r in rows}
    unit_codes = {}  # the one code the Unicode bridge writes for a letter or conjunct
    for r in rows:
        if r.kind in ("CONS", "CONJ") and not r.same_as:
            unit_codes.setdefault(r.unicode, r.code)

    shaped = dict(zip(cluster_list, shape(cluster_list)))
    for cluster, glyphs in shaped.items():
        if any(g.name == ".notdef" for g in glyphs) or any("virama" in g.name for g in glyphs):
            units = " ".join(f"U+{ord(c):04X}" for c in cluster)
            raise JoinError(f"the source font does not join {units}; "
                            "regenerate src/nq/joined_clusters.tsv")

    # Longer clusters: a spelling whose first unit and hasanta the source font draws as a
    # leading shape before the rest drawn as on its own gets a half rule; any other is
    # drawn whole. Four-consonant clusters are listed only to be drawn whole.
    splits = {}  # cluster -> [(spelling, rest or None)]
    for cluster in cluster_list:
        letters = clusters.letters_of(cluster)
        if len(letters) != 3:
            continue
        ways = []
        for spelt in spellings(cluster, codes):
            if spelt[1] != codes.hasanta:
                ways.append((spelt, None))
                continue
            first = len(clusters.letters_of(unicode_of[spelt[0]]))
            ways.append((spelt, HASANTA.join(letters[first:])))
        splits[cluster] = ways
    rests = sorted({rest for ways in splits.values() for _, rest in ways
                    if rest is not None and rest not in shaped})
    shaped.update(zip(rests, shape(rests)))

    joined = {}  # clusters drawn whole -> (spellings, plan)
    half_rules = {}  # (first code, following codes) -> drawing
    conflicts = []
    for cluster in cluster_list:
        glyphs = shaped[cluster]
        whole = []
        if cluster in splits:
            ways = splits[cluster]
        elif len(clusters.letters_of(cluster)) > 3:
            # Four letters: as the bridge writes them and as they are typed, no more; every
            # further spelling would lengthen the list a shaper searches after each letter.
            ways = [(s, None) for s in sorted({
                clusters.canonical_spelling(cluster, unit_codes, codes.phalas, codes.hasanta),
                clusters.typed_spelling(cluster, unit_codes, codes.hasanta)} - {None})]
        else:
            ways = [(s, None) for s in spellings(cluster, codes)]
        for spelt, rest in ways:
            lead = leading_part(glyphs, shaped[rest]) if rest else None
            if lead is None:
                whole.append(spelt)
                continue
            key = (spelt[0], spelt[2:5])
            drawing = plan_of(lead)
            if half_rules.setdefault(key, drawing) != drawing:
                conflicts.append(key)
        if whole:
            joined[cluster] = (whole, plan_of(glyphs))

    ligatures = {}
    for cluster, (spelt, plan) in joined.items():
        for sequence in spelt:
            if not same_drawing(side_by_side(plans, sequence), plan):
                ligatures[sequence] = plan

    # A sign or mark after a letter, conjunct, ligature or joined cluster, where the source
    # font draws a ligature or places it otherwise: the pair becomes that drawing.
    bases = {}  # (kind, Unicode base) -> (ways to spell it, its drawing in NQ)
    for r in rows:
        if r.kind in ("CONS", "CONJ", "LIG", "VOW") and (r.kind, r.unicode) not in bases:
            ways = [(c,) for c in codes.units.get(r.unicode, [r.code])]
            bases[(r.kind, r.unicode)] = (ways, plans[r.code])
    for cluster, (spelt, plan) in joined.items():
        ways = [(c,) for c in codes.units.get(cluster, [])] + list(spelt)
        bases[("JOINED", cluster)] = (ways, plan)
    pairs = [(base_key, kind, mark) for (kind, mark) in codes.marks for base_key in bases
             if base_key[0] in MARK_BASES[kind]]
    texts = [REPH + base if kind == "REPH" else base + mark for (_, base), kind, mark in pairs]
    for (base_key, kind, mark), glyphs in zip(pairs, shape(texts)):
        if any(g.name == ".notdef" for g in glyphs):
            continue
        ways, base_plan = bases[base_key]
        wanted = plan_of(glyphs)
        for mark_code in codes.marks[(kind, mark)]:
            drawn = side_by_side({0: base_plan, 1: plans[mark_code]}, (0, 1))
            if same_drawing(drawn, wanted, SIGN_SAME_PLACE):
                continue
            for way in ways:
                ligatures.setdefault(way + (mark_code,), wanted)

    # Chandrabindu over a letter or conjunct that carries ু ূ ৃ (ছুঁ), typed after the sign.
    candrabindu = [(mark, mark_codes) for (kind, mark), mark_codes in codes.marks.items()
                   if kind == "ABOVE"]
    below = [(sign, sign_codes) for (kind, sign), sign_codes in codes.marks.items()
             if kind == "BELOW"]
    triples = [(key, sign, sign_codes, mark, mark_codes) for key in bases
               if key[0] in ("CONS", "CONJ") for sign, sign_codes in below
               for mark, mark_codes in candrabindu]
    texts = [key[1] + sign + mark for key, sign, _, mark, _ in triples]
    for (key, sign, sign_codes, mark, mark_codes), glyphs in zip(triples, shape(texts)):
        if any(g.name == ".notdef" for g in glyphs):
            continue
        ways, base_plan = bases[key]
        wanted = plan_of(glyphs)
        for way in ways:
            for sign_code in sign_codes:
                signed = ligatures.get(way + (sign_code,)) or side_by_side(
                    {0: base_plan, 1: plans[sign_code]}, (0, 1))
                for mark_code in mark_codes:
                    drawn = side_by_side({0: signed, 1: plans[mark_code]}, (0, 1))
                    if not same_drawing(drawn, wanted, SIGN_SAME_PLACE):
                        ligatures.setdefault(way + (sign_code, mark_code), wanted)
    halves = sorted((first, following, drawing)
                    for (first, following), drawing in half_rules.items())
    # ৌ carries the chandrabindu on its length mark (কৌঁ), after it: the pair, as typed
    # after the consonant + length mark, becomes that drawing.
    au_codes = [r.code for r in rows if r.kind == "POST" and r.unicode == AU_LENGTH and not r.same_as]
    cb_codes = [r.code for r in rows if r.kind == "ABOVE" and r.unicode == CANDRABINDU
                and not r.sign_for and not r.same_as]
    alone_ka, with_marks = shape([KA, KA + AU_SIGN + CANDRABINDU])
    names = [g.name for g in with_marks]
    if len(alone_ka) == 1 and alone_ka[0].name in names:
        tail = with_marks[names.index(alone_ka[0].name) + 1:]
        for au in au_codes:
            for cb in cb_codes:
                if len(tail) == 2 and not same_drawing(side_by_side(plans, (au, cb)), plan_of(tail),
                                                       SIGN_SAME_PLACE):
                    ligatures[(au, cb)] = plan_of(tail)

    # The ি hook reaches over what follows it: the source font draws it in several lengths.
    i_codes = [r.code for r in rows if r.kind in nq_table.PRE_KINDS and r.unicode == I_SIGN]
    bases = {}
    for r in rows:
        if r.kind in ("CONS", "CONJ", "LIG") and not r.same_as:
            bases.setdefault(r.unicode, set()).add((r.code,))
    for cluster in cluster_list:
        letters = clusters.letters_of(cluster)
        if len(letters) == 2:
            ways = spellings(cluster, codes)
        else:
            ways = [w for w in (clusters.canonical_spelling(cluster, unit_codes, codes.phalas, codes.hasanta),
                                clusters.typed_spelling(cluster, unit_codes, codes.hasanta)) if w]
        bases.setdefault(cluster, set()).update(ways)
    texts = sorted(bases)
    hooks = []
    drawn = dict(zip(texts, shape([t + I_SIGN for t in texts])))
    alone = dict(zip(texts, shape(texts)))
    # Only where the hook stands apart, before the letters drawn as without it (the source
    # font draws টি ঠি as one glyph, which ours places side by side).
    texts = [t for t in texts if glyph_keys(drawn[t][1:]) == glyph_keys(alone[t])]
    for code in i_codes:
        outcome = {}
        for text in texts:
            hook = plan_of(drawn[text][:1])
            for way in bases[text]:
                outcome[way] = None if same_drawing(hook, plans[code]) else hook
        hooks.extend((code, following, hook or plans[code])
                     for following, hook in shortest_contexts(outcome))
    return Joins(sorted(ligatures.items(), key=lambda item: (-len(item[0]), item[0])), halves,
                 sorted(set(conflicts)), codes.hasanta, *medial_forms(rows, plans, shape),
                 sorted(hooks))


def shortest_contexts(outcome):
    """[(prefix, outcome)] covering {sequence: outcome} with the shortest prefixes, longer
    ones tried first: a prefix is given where all sequences it begins agree, or where it is
    itself a sequence; None outcomes (nothing to do) only where a shorter prefix says
    otherwise."""
    rules = []

    def cover(prefix, sequences, inherited):
        results = {outcome[s] for s in sequences}
        if len(results) == 1:
            (result,) = results
            if result != inherited:
                rules.append((prefix, result))
            return
        exact = [s for s in sequences if len(s) == len(prefix)]
        if exact:
            result = outcome[exact[0]]
            if result != inherited:
                rules.append((prefix, result))
            inherited = result
        following = {}
        for s in sequences:
            if len(s) > len(prefix):
                following.setdefault(s[len(prefix)], []).append(s)
        for code in sorted(following):
            cover(prefix + (code,), following[code], inherited)

    starts = {}
    for s in outcome:
        starts.setdefault(s[0], []).append(s)
    for code in sorted(starts):
        cover((code,), starts[code], None)
    return rules


def medial_forms(rows, plans, shape):
    """ে and ৈ start a word in one shape and take another after a letter or mark, whose
    headline they meet (the source font's `init`). Our codes hold the word-initial shape;
    returns {code: drawing after a letter}, and the codes that stand for a letter or mark."""
    after_letters = {r.code for r in rows if r.unicode and r.kind != "LB"
                     and unicodedata.category(r.unicode[-1])[0] in "LM" or r.unicode.endswith(ZWNJ)}
    pre = [r for r in rows if r.kind in nq_table.PRE_KINDS and not r.same_as]
    medial = {}
    texts = [(r.carrier or KA) * 2 + r.unicode for r in pre]
    for row, glyphs in zip(pre, shape(texts)):
        sign = glyphs[1:2]
        if len(glyphs) == 3 and not same_drawing(plan_of(sign), plans[row.code]):
            medial[row.code] = plan_of(sign)
    return medial, after_letters


SUBTABLE_BYTES = 60000


def chain_subtable(firsts, rules_by_first, coverage):
    chain = ot.ChainContextSubst()
    chain.Format = 1
    chain.Coverage = coverage(firsts)
    chain.ChainSubRuleSet = []
    for first in firsts:
        rule_set = ot.ChainSubRuleSet()
        rule_set.ChainSubRule = rules_by_first[first]
        rule_set.ChainSubRuleCount = len(rule_set.ChainSubRule)
        chain.ChainSubRuleSet.append(rule_set)
    chain.ChainSubRuleSetCount = len(chain.ChainSubRuleSet)
    return chain


def extension_lookup(lookup_type, subtables):
    """A lookup of `subtables` behind 32-bit extension offsets: the joined forms make GSUB far
    larger than 16-bit offsets reach, and building it so spares fontTools' repeated repairs."""
    wrapped = []
    for subtable in subtables:
        ext = ot.ExtensionSubst()
        ext.Format = 1
        ext.ExtensionLookupType = lookup_type
        ext.ExtSubTable = subtable
        wrapped.append(ext)
    lookup = ot.Lookup()
    lookup.LookupType = 7
    lookup.LookupFlag = 0
    lookup.SubTable = wrapped
    lookup.SubTableCount = len(wrapped)
    return lookup


def ligature_lookup(mapping, glyph_ids):
    """Ligatures {glyph sequence: glyph} in subtables that each stay within 16-bit offsets."""
    chunks, chunk, size, last_first = [], {}, 0, None
    for glyphs in sorted(mapping, key=lambda gs: [glyph_ids[g] for g in gs]):
        cost = 8 + 2 * len(glyphs) + (6 if glyphs[0] != last_first else 0)
        if chunk and size + cost > SUBTABLE_BYTES and glyphs[0] != last_first:
            chunks.append(chunk)
            chunk, size = {}, 0
        chunk[glyphs] = mapping[glyphs]
        size += cost
        last_first = glyphs[0]
    chunks.append(chunk)
    return extension_lookup(4, [otl.buildLigatureSubstSubtable(c) for c in chunks])


def build_gsub(joins, glyph_of_code, glyph_of_plan, glyph_ids):
    """A GSUB table applied by `rlig` (always on) and `liga`, for the default script and Latin
    (what the cp1252 characters count as).

    The ligatures are grouped by their second glyph (the hasanta, a sign, a mark), one
    ligature lookup a group, and a chaining lookup calls a group only where a glyph that
    starts one of its ligatures stands before that second glyph. A shaper then passes an
    ordinary letter after one coverage test and a few comparisons instead of comparing it
    with every ligature that starts with it, which made laying out long text some forty
    times slower.

    The half rules come first for their letter, longest context first; before them, a
    longer cluster drawn whole where a half rule would otherwise take its first letter."""
    groups = {}
    ligatures = joins.ligatures
    for sequence, plan in ligatures:
        glyphs = tuple(glyph_of_code[c] for c in sequence)
        groups.setdefault(glyphs[1], {})[glyphs] = glyph_of_plan[plan]

    def coverage(glyphs):
        cov = ot.Coverage()
        cov.glyphs = sorted(set(glyphs), key=lambda g: glyph_ids[g])
        return cov

    lookups = []
    rules_by_first = {}
    for second in sorted(groups, key=lambda g: glyph_ids[g]):
        mapping = groups[second]
        index = len(lookups)
        lookups.append(ligature_lookup(mapping, glyph_ids))
        for first in sorted({glyphs[0] for glyphs in mapping}, key=lambda g: glyph_ids[g]):
            record = ot.SubstLookupRecord()
            record.SequenceIndex = 0
            record.LookupListIndex = index
            rule = ot.ChainSubRule()
            rule.BacktrackGlyphCount = 0
            rule.Backtrack = []
            rule.InputGlyphCount = 1
            rule.Input = []
            rule.LookAheadGlyphCount = 1
            rule.LookAhead = [second]
            rule.SubstCount = 1
            rule.SubstLookupRecord = [record]
            rules_by_first.setdefault(first, []).append(rule)
    group_index = {second: k for k, second in enumerate(sorted(groups, key=lambda g: glyph_ids[g]))}

    def chain_rule(inputs, look_ahead, lookup_index):
        record = ot.SubstLookupRecord()
        record.SequenceIndex = 0
        record.LookupListIndex = lookup_index
        rule = ot.ChainSubRule()
        rule.BacktrackGlyphCount = 0
        rule.Backtrack = []
        rule.InputGlyphCount = len(inputs) + 1
        rule.Input = list(inputs)
        rule.LookAheadGlyphCount = len(look_ahead)
        rule.LookAhead = list(look_ahead)
        rule.SubstCount = 1
        rule.SubstLookupRecord = [record]
        return rule

    # Half rules: a letter may take several leading shapes (the source font kerns them
    # apart), one ligature lookup each.
    half_lookups = []  # [{(first glyph, hasanta glyph): leading glyph}]
    front = {}  # first glyph -> [(sort key, rule)]
    halves = [(tuple(glyph_of_code[c] for c in (first,) + following), glyph_of_plan[drawing])
              for first, following, drawing in joins.halves]
    hasanta_glyph = glyph_of_code[joins.hasanta]
    for codes_glyphs, lead in halves:
        first, following = codes_glyphs[0], codes_glyphs[1:]
        key = (first, hasanta_glyph)
        for k, mapping in enumerate(half_lookups):
            if mapping.get(key, lead) == lead:
                break
        else:
            k = len(half_lookups)
            half_lookups.append({})
        half_lookups[k][key] = lead
        front.setdefault(first, []).append(
            ((1, -len(following), [glyph_ids[g] for g in following]),
             chain_rule([hasanta_glyph], following, len(lookups) + k)))
    for mapping in half_lookups:
        lookups.append(ligature_lookup(mapping, glyph_ids))
    # A whole cluster whose start a half rule would take: its own rule, ahead of them.
    half_contexts = {}
    for codes_glyphs, _ in halves:
        half_contexts.setdefault(codes_glyphs[0], []).append(codes_glyphs[1:])
    for sequence, _ in ligatures:
        glyphs = tuple(glyph_of_code[c] for c in sequence)
        if glyphs[1] != hasanta_glyph:
            continue
        rest = glyphs[2:]
        if any(rest[:len(f)] == f for f in half_contexts.get(glyphs[0], ())):
            front.setdefault(glyphs[0], []).append(
                ((0, -len(glyphs), [glyph_ids[g] for g in glyphs]),
                 chain_rule([], glyphs[1:], group_index[glyphs[1]])))
    # ি before what it reaches over: one single substitution lookup per hook drawn.
    hook_lookups = {}
    for sign, following, hook in joins.hooks or []:
        index = hook_lookups.setdefault(glyph_of_plan[hook], len(hook_lookups))
        glyphs = [glyph_of_code[c] for c in following]
        front.setdefault(glyph_of_code[sign], []).append(
            ((0, -len(glyphs), [glyph_ids[g] for g in glyphs]),
             chain_rule([], glyphs, len(lookups) + index)))
    for hook_glyph in hook_lookups:
        single = ot.SingleSubst()
        single.mapping = {glyph_of_code[sign]: hook_glyph for sign, _, hook in joins.hooks
                          if glyph_of_plan[hook] == hook_glyph}
        lookups.append(extension_lookup(1, [single]))
    def packed(rules_of):
        """Glyph-keyed chaining subtables for {first glyph: rules}, each within 16-bit offsets;
        a glyph with more rules than one holds goes on in the next, which a shaper tries
        when no rule of this one matched."""
        subtables, chunk, size = [], {}, 0
        for first in sorted(rules_of, key=lambda g: glyph_ids[g]):
            for rule in rules_of[first]:
                cost = 16 + 2 * (len(rule.Input) + len(rule.LookAhead))
                if chunk and size + cost > SUBTABLE_BYTES:
                    subtables.append(chain_subtable(list(chunk), chunk, coverage))
                    chunk, size = {}, 0
                if first not in chunk:
                    size += 4
                chunk.setdefault(first, []).append(rule)
                size += cost
        subtables.append(chain_subtable(list(chunk), chunk, coverage))
        return subtables

    # The rules that need more context than the next glyph (half rules, hooks, whole
    # clusters ahead of them) sit in a lookup of their own for each first and next glyph,
    # which the entry calls only where that next glyph follows: a shaper then tries them
    # only there, not for every letter (trying them all made shaping forty times slower).
    # Each such lookup ends in the ligatures of its pair, which it takes over.
    def next_glyph(rule):
        return rule.Input[0] if rule.Input else rule.LookAhead[0]

    def dispatched_by_third(first, rules):
        by_third, rest = {}, []
        for rule in rules:
            following = list(rule.Input) + list(rule.LookAhead)
            if len(following) >= 2:
                by_third.setdefault(following[1], []).append(rule)
            else:
                rest.append(rule)  # the pair's ligatures: last, in each lookup too
        out = []
        for third in sorted(by_third, key=lambda g: glyph_ids[g]):
            out.append(chain_rule([], [hasanta_glyph, third], len(lookups)))
            lookups.append(extension_lookup(6, packed({first: by_third[third] + rest})))
        return out + rest

    for first in sorted(front, key=lambda g: glyph_ids[g]):
        by_next = {}
        for key, rule in sorted(front[first], key=lambda item: item[0]):
            by_next.setdefault(next_glyph(rule), []).append(rule)
        plain = rules_by_first.get(first, [])
        kept = []
        for rule in plain:
            if rule.LookAhead and rule.LookAhead[0] in by_next:
                by_next[rule.LookAhead[0]].append(rule)  # the pair's ligatures, last
            else:
                kept.append(rule)
        dispatch = []
        for second in sorted(by_next, key=lambda g: glyph_ids[g]):
            rules = by_next[second]
            if second == hasanta_glyph:
                # After a letter and its hasanta, a second dispatch on the letter after it:
                # a cluster of two does not try every half rule of the letter.
                rules = dispatched_by_third(first, rules)
            dispatch.append(chain_rule([], [second], len(lookups)))
            lookups.append(extension_lookup(6, packed({first: rules})))
        rules_by_first[first] = dispatch + kept
    subtables = packed(rules_by_first)
    entry = extension_lookup(6, subtables)
    entry_lookups = [entry]
    if joins.medial:
        # After the joined forms: a pre-base sign after any glyph that stands for a letter or
        # a mark (a joined shape or part of one included) takes its medial shape.
        single = ot.SingleSubst()
        single.mapping = {glyph_of_code[c]: glyph_of_plan[p] for c, p in joins.medial.items()}
        context = ot.ChainContextSubst()
        context.Format = 3
        letters = {glyph_of_code[c] for c in joins.after_letters} | {
            g for g in glyph_of_plan.values() if g not in glyph_of_code.values()}
        letters -= {"space"}
        context.BacktrackCoverage = [coverage(letters)]
        context.BacktrackGlyphCount = 1
        context.InputCoverage = [coverage(single.mapping)]
        context.InputGlyphCount = 1
        context.LookAheadCoverage = []
        context.LookAheadGlyphCount = 0
        record = ot.SubstLookupRecord()
        record.SequenceIndex = 0
        record.LookupListIndex = len(lookups) + 2  # after the entry and this lookup
        context.SubstLookupRecord = [record]
        context.SubstCount = 1
        entry_lookups.append(extension_lookup(6, [context]))
        entry_lookups.append(extension_lookup(1, [single]))
    entry_index = len(lookups)
    lookups.extend(entry_lookups)
    applied = list(range(entry_index, entry_index + min(2, len(entry_lookups))))

    def feature(tag):
        record = ot.FeatureRecord()
        record.FeatureTag = tag
        record.Feature = ot.Feature()
        record.Feature.FeatureParams = None
        record.Feature.LookupListIndex = applied
        record.Feature.LookupCount = len(applied)
        return record

    def script(tag):
        record = ot.ScriptRecord()
        record.ScriptTag = tag
        record.Script = ot.Script()
        record.Script.LangSysRecord = []
        record.Script.LangSysCount = 0
        lang = record.Script.DefaultLangSys = ot.LangSys()
        lang.LookupOrder = None
        lang.ReqFeatureIndex = 0xFFFF
        lang.FeatureIndex = [0, 1]
        lang.FeatureCount = 2
        return record

    gsub = ot.GSUB()
    gsub.Version = 0x00010000
    gsub.ScriptList = ot.ScriptList()
    gsub.ScriptList.ScriptRecord = [script("DFLT"), script("latn")]
    gsub.ScriptList.ScriptCount = 2
    gsub.FeatureList = ot.FeatureList()
    gsub.FeatureList.FeatureRecord = [feature("liga"), feature("rlig")]
    gsub.FeatureList.FeatureCount = 2
    gsub.LookupList = ot.LookupList()
    gsub.LookupList.Lookup = lookups
    gsub.LookupList.LookupCount = len(lookups)
    table = newTable("GSUB")
    table.table = gsub
    return table
