"""Glyph outlines: source glyphs set side by side, and the two glyphs we draw ourselves."""

from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen


def compose(glyph_set, parts):
    """One simple glyph from (source glyph name, x, y) parts. Components are
    decomposed so the font holds no references to glyphs it does not keep."""
    pen = TTGlyphPen(None)
    for name, x, y in parts:
        recording = DecomposingRecordingPen(glyph_set)
        glyph_set[name].draw(recording)
        recording.replay(TransformPen(pen, (1, 0, 0, 1, x, y)))
    return pen.glyph()


def _polygon(pen, points):
    # TrueType fills by the non-zero rule: outer contours clockwise, holes anticlockwise.
    area = sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]))
    if area > 0:
        points = list(reversed(points))
    pen.moveTo(points[0])
    for p in points[1:]:
        pen.lineTo(p)
    pen.closePath()


def hollow_box(width=600, height=700, margin=80, stroke=60):
    """The glyph for codes nobody uses: visible, so a stray byte never hides."""
    pen = TTGlyphPen(None)
    x0, x1, y0, y1 = margin, width - margin, 0, height
    _polygon(pen, [(x0, y0), (x0, y1), (x1, y1), (x1, y0)])
    inner = [(x0 + stroke, y0 + stroke), (x1 - stroke, y0 + stroke),
             (x1 - stroke, y1 - stroke), (x0 + stroke, y1 - stroke)]
    pen.moveTo(inner[0])  # anticlockwise: the hole
    for p in inner[1:]:
        pen.lineTo(p)
    pen.closePath()
    return pen.glyph(), width


def line_break_marker():
    """A return arrow (a stem down the right, a bar and a head pointing left)."""
    pen = TTGlyphPen(None)
    _polygon(pen, [(490, 620), (560, 620), (560, 215), (250, 215), (250, 120), (90, 250),
                   (250, 380), (250, 285), (490, 285)])
    return pen.glyph(), 650


def compose_from_components(parts, component_name, glyphs):
    """A composite glyph of (source glyph name, x, y) parts, each a reference to the kept
    outline `component_name(source name)` in `glyphs`: the joined shapes are many, their
    parts few."""
    names = [component_name(name) for name, _, _ in parts]
    pen = TTGlyphPen(glyphs)
    for name, (_, x, y) in zip(names, parts):
        pen.addComponent(name, (1, 0, 0, 1, x, y))
    return pen.glyph()
