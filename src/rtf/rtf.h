#pragma once
// The RTF codec: reads RTF into a QTextDocument and writes a QTextDocument as RTF.
// QtGui only. Text set in the NQ face travels as glyph codes (nq/glyph_code.h).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
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

// Files larger than this are refused before a byte is read: reading one needs several
// times its size in memory. 1 GiB of RTF still opens.
inline constexpr qint64 kMaxFileBytes = qint64(1) << 30;

// What one document's pictures may take in memory once decoded (256 MiB). Pictures beyond
// it, and pictures Qt cannot decode, stand in the document as grey boxes of their size;
// their original data is kept, so that saving writes them back unchanged.
inline constexpr qint64 kPictureBudgetBytes = qint64(256) << 20;

// What the user should hear about a document that did open.
struct ReadNotes {
    bool truncated = false;      // the input ended before its last group closed
    int picturesOverBudget = 0;  // shown as placeholders: beyond kPictureBudgetBytes
    int picturesUndecodable = 0; // shown as placeholders: Qt could not decode them
    bool isEmpty() const { return !truncated && picturesOverBudget == 0 && picturesUndecodable == 0; }
};

// What reading may take in memory.
struct ReadLimits {
    qint64 pictureBytes = kPictureBudgetBytes;
    // The document itself (paragraphs, text, formats), as estimated while it grows; past it
    // reading stops with "not enough memory". -1: half of what the system can still give.
    qint64 documentBytes = -1;
};

// Replaces the content of `document` by the RTF in `data`. On error `document` may hold
// part of the text: read into a fresh document and keep it only on success. `notes`, when
// given, receives what the user should be told about a successful read.
std::optional<ReadError> read(const QByteArray& data, QTextDocument& document, ReadNotes* notes = nullptr,
                              const ReadLimits& limits = ReadLimits());

// The whole document as RTF.
QByteArray write(const QTextDocument& document);

// File level. The messages name the file and the cause.
//
// loadFile refuses, before reading, anything that is not a regular file (folder, FIFO,
// device, socket) and files over kMaxFileBytes; it never blocks on a FIFO and never ends
// the program for lack of memory. On success, `notices` (when given) receives at most one
// sentence per kind of trouble the user should know of (a file cut short; pictures shown
// as placeholders), each naming the file: show them together, once, after the document is
// shown. It is left empty when there is nothing to tell.
std::optional<QString> loadFile(const QString& path, QTextDocument& document, QStringList* notices = nullptr);

// The bytes of a file, with loadFile's checks before reading; the message names the file.
std::optional<QString> readFile(const QString& path, QByteArray& data);

// The sentences loadFile gives for `notes`.
QStringList noticesFor(const QString& path, const ReadNotes& notes);

// Saving is atomic and checked: either the new content is complete under `path`, or the
// old file is left byte for byte as it was (a new file is not created) and the failure is
// returned. A failing write is caught where it happens, not only at the final rename.
std::optional<QString> saveFile(const QString& path, const QTextDocument& document);
std::optional<QString> saveBytes(const QString& path, const QByteArray& bytes);

} // namespace rtf
