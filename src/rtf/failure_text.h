#pragma once
// The sentences about files that the window and the command line show: why a file could
// not be read or written, and what a document that did open or save should tell. Each
// names the file once; each is translatable, with the English as its source text.

#include "rtf/failure.h"
#include "rtf/rtf.h"

#include <QString>
#include <QStringList>

namespace rtf {

// "PATH: cannot be read: it is a folder", "PATH: this is not an RTF file: ..."; without the
// path for data read from memory.
QString failureText(const Failure& failure);

// At most one sentence per kind of trouble, each naming the file: show them together.
QStringList noticesFor(const QString& path, const ReadNotes& notes);
QStringList noticesFor(const QString& path, const WriteNotes& notes);

} // namespace rtf
