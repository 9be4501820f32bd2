#pragma once
// Bengali, Arabic, Hebrew and the other complex scripts take their font, bold, italic and
// size from the associated words (\af \ab \ai \afs) where a file gives them; every other
// character takes \f \b \i \fs. A run whose two sets differ is read as pieces of one kind.

#include "rtf/reader_state.h"

#include <QList>
#include <QStringView>

namespace rtf {

bool isComplexScriptLetter(char32_t ch);

// Whether the run's complex-script characters are formatted otherwise than its others.
bool hasComplexScriptValues(const CharProps& chars);

// The properties a complex-script character of the run takes.
CharProps complexScriptProps(const CharProps& chars);

struct ScriptPiece {
    qsizetype start = 0;
    qsizetype length = 0;
    bool complex = false;
};

// Pieces of one kind; a space, digit or punctuation mark goes with the letter before it
// (at the start, with the first letter after it), as LibreOffice assigns weak characters.
QList<ScriptPiece> splitByScript(QStringView text);

} // namespace rtf
