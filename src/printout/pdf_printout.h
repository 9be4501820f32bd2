#pragma once
// PDF output: the pages as Qt paints them, then Unicode text added behind the NQ glyphs
// (pdftext), so that the PDF can be searched and copied as Bengali.

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <optional>

class QTextDocument;

namespace printout {

// Prints `document` (changed by the layout: pass a copy) on the pages of `page`, else A4.
// Empty when printing failed. When the text could not be added, the PDF is returned as Qt made it and `notice`
// tells the user why. `title`, when not empty, becomes the PDF's title.
std::optional<QByteArray> printPdf(QTextDocument& document, const QString& title, QString* notice,
                                   const std::optional<QPageLayout>& page = std::nullopt);

// Adds the text to a PDF file that a printer has just written, replacing it atomically.
// When that fails the file stays as it was printed; the result is the notice for the user.
std::optional<QString> addTextToPdfFile(const QString& path, const QString& title);

} // namespace printout
