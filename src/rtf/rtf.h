#pragma once
// The RTF codec: reads RTF into a QTextDocument and writes a QTextDocument as RTF.
// QtGui only. Text set in the NQ face travels as glyph codes (nq/glyph_code.h).

#include <QByteArray>
#include <QString>
#include <optional>

class QTextDocument;

namespace rtf {

// Why a document could not be read. line/column are 1-based, 0 when they do not apply.
struct ReadError {
    QString cause;
    int line = 0;
    int column = 0;
    QString toString() const;
};

// Replaces the content of `document` by the RTF in `data`. On error `document` may hold
// part of the text: read into a fresh document and keep it only on success.
std::optional<ReadError> read(const QByteArray& data, QTextDocument& document);

// The whole document as RTF.
QByteArray write(const QTextDocument& document);

// File level. The messages name the file and the cause. Saving is atomic: the old file
// stays whole until the new one is complete.
std::optional<QString> loadFile(const QString& path, QTextDocument& document);
std::optional<QString> saveFile(const QString& path, const QTextDocument& document);

} // namespace rtf
