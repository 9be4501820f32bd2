#pragma once
// The texts the file commands show: the save questions and the notices about files.

#include "product/product.h"
#include "rtf/failure.h"
#include "rtf/rtf.h"

#include <QCoreApplication>
#include <QString>

namespace documents {

// New, Exit and the closing of the window.
inline QString saveChangesText() { return QCoreApplication::translate("documents", "Do you save change of this Document?"); }
inline QString saveChangesTitle() { return QCoreApplication::translate("documents", "Saving Confirmation"); }
// Open words its question differently (and writes "confirmation" in lower case).
inline QString openSaveText() { return QCoreApplication::translate("documents", "Do you want to save this document?"); }
inline QString openSaveTitle() { return QCoreApplication::translate("documents", "Saving confirmation"); }

// Title of the warnings about files.
inline const QString kNoticeTitle = product::kName;

// A file could not be read or written: a plain sentence that names the file (a file that
// is not RTF is said to be so), then, after a blank line, the cause with the whole path as
// the details.
QString openFailedText(const rtf::Failure& failure);
QString saveFailedText(const rtf::Failure& failure);

// The recovery copy offered at start-up could not be read.
QString recoveryCopyFailedText(const rtf::Failure& failure);

// What a document that did open, or did save, should tell; empty when nothing.
QString openNoticeText(const QString& path, const rtf::ReadNotes& notes);
QString saveNoticeText(const QString& path, const rtf::WriteNotes& notes);

// Asked before a save replaces a file that is not the document's own.
QString replaceQuestionText(const QString& path);

} // namespace documents
