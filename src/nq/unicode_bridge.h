#pragma once
// Exact conversion between NQ glyph codes and Unicode Bengali, driven by the glyph table.
//
// NQ text is in visual order: the signs ি ে ৈ stand before their consonant, reph after the
// cluster it sits on, ো and ৌ are split around it. Unicode is in logical order. Both
// directions rebuild syllables and reorder them.
//
// Characters without a counterpart are never dropped: they stay in the output as they were
// and are counted, so that callers can say so or set them in another face.

#include <QList>
#include <QString>

namespace nq {

struct BridgeResult {
    QString text;
    // Characters kept as they were because the other side has no counterpart.
    int unconverted = 0;
    // Where those characters sit in `text`, ascending.
    QList<int> keptAt;
};

// Glyph codes as the editor holds them (nq::toChar form) -> Unicode Bengali in NFC: ড় ঢ় য়
// as letter + nukta, so that the text compares equal to normalised text (a dictionary that
// spells them as single code points converts itself). Ra + ya-phala comes back as র‍্য, with
// the zero-width joiner, whichever joiner it was read with.
BridgeResult nqToUnicode(const QString& nqText);

// Unicode Bengali -> glyph codes in nq::toChar form.
BridgeResult unicodeToNq(const QString& unicode);

// True when `text` holds a character of the Bengali block (U+0980–U+09FF).
bool containsBengali(const QString& text);

} // namespace nq
