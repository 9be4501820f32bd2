#pragma once
// The texts the file commands show: the save questions and the notices about files.

#include "product/product.h"

#include <QString>

namespace documents {

// New, Exit and the closing of the window.
inline const QString kSaveChangesText = QStringLiteral("Do you save change of this Document?");
inline const QString kSaveChangesTitle = QStringLiteral("Saving Confirmation");
// Open words its question differently (and writes "confirmation" in lower case).
inline const QString kOpenSaveText = QStringLiteral("Do you want to save this document?");
inline const QString kOpenSaveTitle = QStringLiteral("Saving confirmation");

// Title of the warnings about files.
inline const QString kNoticeTitle = product::kName;

// A file could not be read or written: `reason` is what the codec said. The text names
// the file even where the reason does not. A file that is not RTF is said so in plain
// words, with the codec's reason as the details after a blank line.
QString openFailedText(const QString& path, const QString& reason);
QString saveFailedText(const QString& path, const QString& reason);

// Asked before a save replaces a file that is not the document's own.
QString replaceQuestionText(const QString& path);

} // namespace documents
