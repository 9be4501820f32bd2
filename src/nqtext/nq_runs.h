#pragma once
// Whether a run of a QTextDocument is NQ text: its effective family is the NQ face. The
// effective family is the run's own, or the document's default font when the run names none.

#include <QString>

class QFont;
class QTextCharFormat;
class QTextDocument;

namespace nqtext {

QString effectiveFamily(const QTextCharFormat& format, const QFont& documentDefault);
QString effectiveFamily(const QTextCharFormat& format, const QTextDocument& document);

bool isNqRun(const QTextCharFormat& format, const QFont& documentDefault);
bool isNqRun(const QTextCharFormat& format, const QTextDocument& document);

} // namespace nqtext
