#pragma once
// The RTF codec: reads RTF into a QTextDocument and writes a QTextDocument as RTF.
// QtGui only. Text set in the NQ face travels as glyph codes (nq/glyph_code.h).

#include "rtf/failure.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <atomic>
#include <optional>

class QTextDocument;

namespace rtf {

// Files larger than this are refused before a byte is read: reading one needs several
// times its size in memory. 1 GiB of RTF still opens.
inline constexpr qint64 kMaxFileBytes = qint64(1) << 30;

// The editor opens less: Qt keeps every line of a document laid out, and past this size a
// key takes longer than a tenth of a second to show. The converter still takes kMaxFileBytes.
inline constexpr qint64 kMaxEditableBytes = qint64(64) << 20;

// Qt lays a paragraph out whole after each key: the editor cuts longer ones into pieces
// of at most this many characters (ReadNotes::paragraphsSplit says how many it cut).
inline constexpr int kMaxEditableParagraph = 10000;

// Groups nested deeper than this are refused (the reader keeps them on a stack of its own).
inline constexpr int kMaxGroupDepth = 10000;

// What one document's pictures may take in memory once decoded (256 MiB). Pictures beyond
// it, and pictures Qt cannot decode, stand in the document as grey boxes of their size;
// their original data is kept, so that saving writes them back unchanged.
inline constexpr qint64 kPictureBudgetBytes = qint64(256) << 20;

// What the user should hear about a document that did open.
struct ReadNotes {
    bool truncated = false;      // the input ended before its last group closed
    int picturesOverBudget = 0;  // shown as placeholders: beyond kPictureBudgetBytes
    int picturesUndecodable = 0; // shown as placeholders: Qt could not decode them
    int pagePartsKept = 0;       // headers and footers: kept and saved, not shown
    int paragraphsSplit = 0;     // paragraphs too long to edit, cut into pieces by the editor
    bool isEmpty() const
    {
        return !truncated && picturesOverBudget == 0 && picturesUndecodable == 0 && pagePartsKept == 0
            && paragraphsSplit == 0;
    }
};

// What the user should hear about a document that was written.
struct WriteNotes {
    // Pictures that could not be encoded (no image behind them, or PNG encoding failed):
    // they are left out of the file, the rest is written.
    int picturesLeftOut = 0;
    bool isEmpty() const { return picturesLeftOut == 0; }
};

// What reading may take in memory.
struct ReadLimits {
    qint64 pictureBytes = kPictureBudgetBytes;
    // The document itself (paragraphs, text, formats), as estimated while it grows; past it
    // reading stops with "not enough memory". -1: half of what the system can still give.
    qint64 documentBytes = -1;
    // Reading on a worker: when `cancel` turns true, reading stops with FailureKind::Cancelled;
    // `bytesRead` follows how far into the data the reader is. Both may be null.
    const std::atomic<bool>* cancel = nullptr;
    std::atomic<qint64>* bytesRead = nullptr;
};

// Replaces the content of `document` by the RTF in `data`. On error `document` may hold
// part of the text: read into a fresh document and keep it only on success. `notes`, when
// given, receives what the user should be told about a successful read.
// The failure has no path; it tells the line and column where that applies.
std::optional<Failure> read(const QByteArray& data, QTextDocument& document, ReadNotes* notes = nullptr,
                            const ReadLimits& limits = ReadLimits());

// The whole document as RTF. `notes`, when given, receives what the user should be told.
QByteArray write(const QTextDocument& document, WriteNotes* notes = nullptr);

// File level. Every failure carries the file's path; failure_text.h words it.
//
// loadFile refuses, before reading, anything that is not a regular file (folder, FIFO,
// device, socket) and files over kMaxFileBytes; it never blocks on a FIFO and never ends
// the program for lack of memory. On success, `notes` (when given) receives what the user
// should know of (a file cut short; pictures shown as placeholders): tell it once, after
// the document is shown.
std::optional<Failure> loadFile(const QString& path, QTextDocument& document, ReadNotes* notes = nullptr,
                                const ReadLimits& limits = ReadLimits());

// The bytes of a file, with loadFile's checks before reading.
std::optional<Failure> readFile(const QString& path, QByteArray& data);

// Saving is atomic and checked: either the new content is complete under `path`, or the
// old file is left byte for byte as it was (a new file is not created) and the failure is
// returned. A failing write is caught where it happens, not only at the final rename.
// A picture that cannot be encoded is no failure: the rest is saved, and `notes` says so.
std::optional<Failure> saveFile(const QString& path, const QTextDocument& document, WriteNotes* notes = nullptr);
std::optional<Failure> saveBytes(const QString& path, const QByteArray& bytes);

} // namespace rtf
