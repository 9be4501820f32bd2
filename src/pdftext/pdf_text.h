#pragma once
// Unicode text behind the NQ glyphs of a PDF that Qt printed: the NQ font's ToUnicode map
// is rewritten from the glyph table and the Unicode bridge, each word whose glyphs stand in
// visual order gets its logical text as /ActualText, and the document gets its language,
// title and creator. What is drawn does not change.

#include <QByteArray>
#include <QString>

#include <optional>

namespace pdftext {

struct DocumentInfo {
    QString title;    // empty: the title stays as it is
    QString creator;  // empty: the creator stays as it is
    QString language; // BCP 47 tag for /Lang; empty: none set
};

// The processed PDF; empty, with the reason in `error`, when the input cannot be read as a
// PDF or written back. Content it does not recognise passes through untouched.
std::optional<QByteArray> addUnicodeText(const QByteArray& pdf, const DocumentInfo& info, QString* error);

} // namespace pdftext
