"""Shapes Bengali text with HarfBuzz's hb-shape, all lines in one run."""

import json
import os
import subprocess
import tempfile
from dataclasses import dataclass


class ShapingError(Exception):
    pass


@dataclass(frozen=True)
class Placed:
    name: str   # glyph name in the source font
    dx: int
    dy: int
    ax: int


def shape_lines(hb_shape, font_path, texts):
    """Returns, for each text, the list of Placed glyphs in visual order."""
    if any("\n" in t for t in texts):
        raise ShapingError("a text to shape holds a line break")
    with tempfile.TemporaryDirectory() as tmp:
        text_file = os.path.join(tmp, "texts.txt")
        with open(text_file, "w", encoding="utf-8") as f:
            f.write("".join(t + "\n" for t in texts))
        try:
            result = subprocess.run(
                [hb_shape, "--font-file=" + font_path, "--script=beng", "--language=bn",
                 "--direction=ltr", "--output-format=json", "--text-file=" + text_file],
                check=True, capture_output=True, text=True)
        except FileNotFoundError:
            raise ShapingError(f"{hb_shape} not found; install the Debian package libharfbuzz-bin")
        except subprocess.CalledProcessError as e:
            raise ShapingError(f"hb-shape failed: {e.stderr.strip()}")
    lines = [l for l in result.stdout.splitlines() if l.strip()]
    if len(lines) != len(texts):
        raise ShapingError(f"hb-shape gave {len(lines)} results for {len(texts)} texts")
    return [[Placed(g["g"], g["dx"], g["dy"], g["ax"]) for g in json.loads(l)] for l in lines]


def find_run(glyphs, run):
    """Index where the glyph names of `run` occur together in `glyphs`, or -1."""
    names = [g.name for g in glyphs]
    want = [g.name for g in run]
    for i in range(len(names) - len(want) + 1):
        if names[i:i + len(want)] == want:
            return i
    return -1


def shows_hasanta(glyphs):
    """Whether the shaper drew a visible hasanta: the cluster did not join. Noto names that
    glyph (and any variant of it) after the virama."""
    return any("virama" in g.name for g in glyphs)
