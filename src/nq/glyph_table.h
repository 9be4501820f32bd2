#pragma once
// The NQ glyph table (glyph_table.tsv): for each glyph code, the key that types it, its
// palette cells and block, and the Bengali unit the font draws there. The font generator
// reads the same file.

#include <QList>
#include <QPoint>
#include <QString>

namespace nq {

enum class Kind {
    Space,      // SPACE
    Punct,      // PUNCT: punctuation and signs
    Digit,      // DIGIT
    Vowel,      // VOW: independent vowel
    Consonant,  // CONS
    Conjunct,   // CONJ
    Ligature,   // LIG: consonant + vowel sign in one glyph
    Pre,        // PRE: vowel sign written before its consonant
    Post,       // POST: vowel sign written after
    Below,      // BELOW: vowel sign below
    Above,      // ABOVE: chandrabindu
    SpMark,     // SPMARK: anusvara, visarga
    Phala,      // PHALA: ya-, ra-, ba-phala
    Reph,       // REPH
    RephII,     // REPHII: reph and II sign in one
    Hasanta,    // HAS
    LineBreak,  // LB: the palette's line-break marker
};

struct Glyph {
    int code = 0;
    QString key;            // the key that types it, "-" for palette only
    QList<QPoint> cells;    // palette cells as (x = column, y = row); empty when not offered
    int block = 0;          // palette block 1..8 of the first cell, 0 when not offered
    QList<int> blocks;      // the block of each cell, in the order of `cells`
    QString unicode;        // the Bengali unit as Unicode text; empty for the line break
    Kind kind = Kind::Punct;
    QString note;
    QString carrier;        // the consonant a mark variant was shaped after; empty for the default
    int sameAs = 0;         // the code a typed-only row repeats; 0 when it is its own
    QString signFor;        // the consonants a sign variant follows; empty for the default
    bool forWideClusters = false; // the sign variant for wide conjuncts
};

// Letters, signs and marks stand inside words; spaces, punctuation, digits and the line
// break stand between them.
bool standsInsideWords(Kind kind);

// Every row, ordered by code. Loaded once from the table compiled into the program.
const QList<Glyph>& glyphTable();

// The row of `code`, or nullptr when the table has none.
const Glyph* glyphFor(int code);

// Parses the table's text; rows that cannot be read are reported in `errors`.
QList<Glyph> parseGlyphTable(const QString& text, QStringList* errors = nullptr);

} // namespace nq
