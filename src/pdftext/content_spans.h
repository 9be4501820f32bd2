#pragma once
// Marked-content spans with /ActualText around the words of a page's content stream whose
// NQ glyphs stand in visual order (a sign before its consonant, a reph after it), so that
// readers get the word in logical order. The stream is scanned by hand, not rebuilt: bytes
// outside the inserted spans stay as they were, so every glyph keeps its exact position.

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

namespace pdftext {

struct SpanCount {
    int words = 0; // spans around words in logical order
    int bold = 0;  // spans around a synthetic-bold run and its copy
};

// `nqFonts` are the page's resource names (without the slash) of NQ fonts; `codesOf` gives
// each of their glyph ids the NQ codes it draws (nq::toChar form). Empty when the stream
// holds something the scanner does not follow (an inline image, unbalanced marked content):
// the caller then keeps it as it is.
std::optional<QByteArray> addWordSpans(const QByteArray& content, const QSet<QByteArray>& nqFonts,
                                       const QHash<quint16, QString>& codesOf, SpanCount* count = nullptr);

// Qt draws a paragraph's last line before a page break on the next page too, above its top
// edge: unseen, but copied and found by some readers, so its words came twice. Removes the
// text-showing operators whose glyphs lie wholly above `pageTop` or below `pageBottom` (the
// page box, in default user space); their positioning stays, so nothing else moves. Empty
// when the stream holds something it does not follow; `dropped` counts what went.
std::optional<QByteArray> dropTextOffPage(const QByteArray& content, double pageBottom, double pageTop,
                                          int* dropped = nullptr);

} // namespace pdftext
