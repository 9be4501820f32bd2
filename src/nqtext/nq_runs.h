#pragma once
// Whether a run of a QTextDocument is NQ text: its effective family is the NQ face. The
// effective family is the run's own, or the document's default font when the run names none.

#include <QChar>
#include <QString>

class QFont;
class QTextCharFormat;
class QTextDocument;

namespace nqtext {

QString effectiveFamily(const QTextCharFormat& format, const QFont& documentDefault);
QString effectiveFamily(const QTextCharFormat& format, const QTextDocument& document);

bool isNqRun(const QTextCharFormat& format, const QFont& documentDefault);
bool isNqRun(const QTextCharFormat& format, const QTextDocument& document);

// The character that stands for a typed `code` in a run of `format`: the glyph code's form
// (nq/glyph_code.h) in the NQ face, its plain cp1252 character in any other face.
QChar typedCharacter(unsigned char code, const QTextCharFormat& format, const QTextDocument& document);

// `text` as a run of `format` holds it: in the NQ face every character that stands for a
// glyph code in the form the editor holds that code in; in any other face as it is.
QString heldText(const QString& text, const QTextCharFormat& format, const QTextDocument& document);

} // namespace nqtext
