#pragma once
// Where NQ text meets other programs: copying hands out Unicode Bengali as plain text beside
// the rich text, pasting turns Unicode Bengali into NQ glyph codes in the NQ face, and the
// document-level conversions serve the command-line codec.
//
// A run is NQ text when its effective family is "NQ": its own family, or the document's
// default font when the run names none.
//
// QtGui and QtCore only, no widgets: the command-line codec compiles this file too.

#include <QString>
#include <memory>

class QMimeData;
class QTextCharFormat;
class QTextCursor;
class QTextDocument;

namespace clipboard {

inline const QString kNqFamily = QStringLiteral("NQ");

QString effectiveFamily(const QTextCharFormat& format, const QTextDocument& document);
bool isNqText(const QTextCharFormat& format, const QTextDocument& document);

// Plain text with NQ runs as Unicode Bengali; paragraphs end in "\n" (none after the last),
// pictures are left out.
// `unconverted`, when given, receives how many characters had no counterpart.
QString documentToUnicodeText(const QTextDocument& document, int* unconverted = nullptr);
QString selectionToUnicodeText(const QTextCursor& selection, int* unconverted = nullptr);

// A copy of `document` whose NQ runs hold Unicode Bengali in `bengaliFamily`; other runs
// and all formatting stay. For HTML export.
std::unique_ptr<QTextDocument> toUnicodeDocument(const QTextDocument& document,
                                                 const QString& bengaliFamily);

// The clipboard content for a copied selection: text/html of the fragment with NQ runs
// named in the NQ face, and text/plain in Unicode Bengali. The caller owns the result.
QMimeData* mimeDataForSelection(const QTextCursor& selection);

// Whether `source` holds text or HTML to paste.
bool canInsert(const QMimeData* source);

// Inserts `text` at `cursor`: Unicode Bengali as NQ codes in the NQ face; characters with
// no glyph keep the cursor's format in a face that shows them as they are. Returns their
// count.
int insertUnicodeAsNq(QTextCursor& cursor, const QString& text);

// Pastes `source` at `cursor` as one undo step: its HTML when `richText` and offered (runs
// already in the NQ face stay, other runs holding Bengali are converted), else its plain
// text (converted when it holds Bengali). False when `source` holds neither.
bool insertMimeData(QTextCursor& cursor, const QMimeData* source, bool richText);

} // namespace clipboard
