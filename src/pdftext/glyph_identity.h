#pragma once
// Which NQ codes a glyph of a printed PDF stands for. A PDF printer keeps one identity per
// glyph, the lowest code point the font maps to it: a code's cp1252 character or private-use
// form for the table's glyphs, a private-use code point of its own for each joined glyph
// (the table made with the font, tools/nqfont/private_use.py).

#include <QString>

namespace pdftext {

// The codes, as the editor holds them (nq::toChar), that the glyph with identity
// `codePoint` draws; empty when it names no NQ glyph.
QString nqCodesFor(QChar codePoint);

// How many joined glyphs the table knows.
int joinedGlyphCount();

} // namespace pdftext
