#pragma once
// Why the codec could not read or write a file, as a value: what went wrong, which file,
// and the facts a sentence about it needs. The sentences are made where the user reads
// them (failure_text.h), never here.

#include <QString>
#include <QtGlobal>

namespace rtf {

enum class FailureKind {
    // Opening: the file itself.
    Unreadable,        // the system refused to open or read it: systemError
    Folder,
    NamedPipe,
    Device,
    Socket,
    NotRegularFile,    // any other kind of file that is not a regular one
    TooLarge,          // size: the file's length, over kMaxFileBytes
    TooLargeToEdit,    // size: the file's length, over kMaxEditableBytes (the converter takes it)
    OutOfMemory,       // an allocation failed while it was read
    // Opening: what the file holds. line and column tell where, when they apply.
    Empty,
    NotRtf,            // it does not begin with {\rtf
    OverMemoryAllowance, // the document would take more memory than the system can give
    NestedTooDeep,     // groups nested deeper than the reader allows (kMaxGroupDepth)
    BinaryCutShort,    // \binN announces more bytes than follow: announced, available
    Cancelled,         // the user stopped the reading
    // Saving.
    Unwritable,        // systemError, or detail when the reason came in words from Qt
};

struct Failure {
    FailureKind kind = FailureKind::Unreadable;
    QString path;          // empty for data read from memory
    int systemError = 0;   // errno, when the system gave one
    QString detail;        // the reason in Qt's words when there is no errno
    qint64 size = 0;
    qint64 announced = 0;
    qint64 available = 0;
    int line = 0;          // 1-based; 0 when it does not apply
    int column = 0;
    bool operator==(const Failure&) const = default;
};

} // namespace rtf
