#pragma once
// Spell checking of NQ words: each word is bridged to Unicode, brought to dictionary form and
// looked up once; the verdict is kept per distinct word. Suggestions come back as NQ codes, and
// only those that the bridge turns back into the same Unicode word.

#include <QHash>
#include <QString>
#include <QStringList>

namespace spelling {

class SpellEngine;

// The Unicode word (dictionary form) an NQ word stands for; empty when it holds no Bengali
// letter or a character the bridge cannot convert.
QString unicodeWordOf(const QString& nqWord);

// `suggestions` (Unicode) as NQ words, keeping those that round-trip exactly, at most `limit`.
QStringList nqSuggestions(const QStringList& suggestions, int limit);

class NqSpeller {
public:
    explicit NqSpeller(SpellEngine& engine) : engine_(engine) {}

    // True for words the dictionary accepts and for words there is nothing to check in.
    bool isCorrect(const QString& nqWord);
    QStringList suggestions(const QString& nqWord, int limit = 8);
    // Drops the kept verdicts (after a word was added).
    void forget() { verdicts_.clear(); }

private:
    SpellEngine& engine_;
    QHash<QString, bool> verdicts_;
};

} // namespace spelling
