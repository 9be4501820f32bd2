#pragma once
// Writes a QTextDocument as RTF: a font table (NQ declared as \fcharset0 so that every
// peer keeps its bytes), a colour table, one \pard group of properties per paragraph and
// one \plain set of properties per run.

#include "rtf/rtf.h"

#include <QByteArray>

class QTextDocument;

namespace rtf {

QByteArray writeDocument(const QTextDocument& document, WriteNotes* notes);

} // namespace rtf
