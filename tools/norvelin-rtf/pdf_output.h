#pragma once
// norvelin-rtf IN.rtf OUT.pdf: the document printed as the editor prints it to a PDF file,
// with Unicode Bengali behind the NQ glyphs.

#include "rtf/failure.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextDocument;

namespace rtf_tool {

// Prints `document` (changed by the layout: pass a copy or a document no longer needed) on
// A4 pages into `output`, titled `title`, written atomically. When the Unicode text cannot be
// added, the PDF is written as printed and `notices` says so. Safe on worker threads.
std::optional<rtf::Failure> writePdf(QTextDocument& document, const QString& output, const QString& title,
                                QStringList* notices);

} // namespace rtf_tool
