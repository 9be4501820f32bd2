"""Reads src/nq/glyph_table.tsv, the table the C++ code compiles in too."""

from dataclasses import dataclass, field

# Kinds drawn as a mark or sign beside a carrier consonant, and where the sign stands.
PRE_KINDS = {"PRE"}
AFTER_KINDS = {"POST", "BELOW", "ABOVE", "SPMARK", "PHALA", "HAS", "REPH", "REPHII"}
KINDS = {"SPACE", "PUNCT", "DIGIT", "VOW", "CONS", "CONJ", "LIG", "LB"} | PRE_KINDS | AFTER_KINDS

DOTTED_CIRCLE = "\u25cc"  # the shaper's own carrier for a mark that stands alone


class TableError(Exception):
    pass


@dataclass
class Row:
    code: int
    key: str
    cells: list = field(default_factory=list)
    unicode: str = ""
    kind: str = ""
    note: str = ""
    carrier: str = ""
    same_as: int = 0      # the code a typed-only row repeats
    sign_for: str = ""    # the consonants a sign variant follows, or "wide"


def _parse_unicode(text, line_no):
    if text == "-":
        return ""
    out = []
    for part in text.split():
        if not part.startswith("U+"):
            raise TableError(f"glyph table line {line_no}: bad code point {part!r}")
        out.append(chr(int(part[2:], 16)))
    return "".join(out)


def read_table(path):
    rows = []
    seen = set()
    with open(path, encoding="utf-8") as f:
        for line_no, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) not in (8, 9, 11):
                raise TableError(f"glyph table line {line_no}: expected 8, 9 or 11 fields, got {len(fields)}")
            code = int(fields[0])
            if not 0 <= code <= 255 or code in seen:
                raise TableError(f"glyph table line {line_no}: bad or repeated code {code}")
            seen.add(code)
            kind = fields[6]
            if kind not in KINDS:
                raise TableError(f"glyph table line {line_no}: unknown kind {kind!r}")
            cells = [] if fields[3] == "-" else fields[3].split()
            row = Row(code=code, key=fields[2], cells=cells,
                      unicode=_parse_unicode(fields[5], line_no), kind=kind, note=fields[7],
                      carrier=_parse_unicode(fields[8], line_no) if len(fields) >= 9 else "",
                      same_as=0 if len(fields) < 11 or fields[9] == "-" else int(fields[9]),
                      sign_for="" if len(fields) < 11 or fields[10] == "-" else fields[10])
            if kind != "LB" and not row.unicode:
                raise TableError(f"glyph table line {line_no}: code {code} has no Unicode unit")
            rows.append(row)
    rows.sort(key=lambda r: r.code)
    return rows


def shaping_text(row):
    """The Unicode text to shape for a row, and the carrier that surrounds the sign (or "")."""
    if row.kind in PRE_KINDS | AFTER_KINDS:
        carrier = row.carrier or DOTTED_CIRCLE
        if row.kind == "REPH":
            return row.unicode + carrier, carrier
        if row.kind == "REPHII":
            # Reph and II sign fuse into one glyph only around a consonant: র্ + C + ী.
            return "\u09b0\u09cd" + carrier + row.unicode, carrier
        # Logical order: the consonant first, even for the signs written before it.
        return carrier + row.unicode, carrier
    return row.unicode, ""
