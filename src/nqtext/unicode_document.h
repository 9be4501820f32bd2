#pragma once
// A QTextDocument's NQ text as Unicode Bengali and back, with the document's own glyph
// table (nq/unicode_bridge.h) and its visual-to-logical reordering.

#include <QString>
#include <memory>

class QTextCursor;
class QTextDocument;

namespace nqtext {

// Plain text with NQ runs as Unicode Bengali; paragraphs end in "\n" (none after the last),
// pictures are left out.
// `unconverted`, when given, receives how many characters had no counterpart.
QString documentToUnicodeText(const QTextDocument& document, int* unconverted = nullptr);
QString selectionToUnicodeText(const QTextCursor& selection, int* unconverted = nullptr);

// A copy of `document` whose NQ runs hold Unicode Bengali in `bengaliFamily`; other runs
// and all formatting stay. For HTML export. `unconverted` as above.
std::unique_ptr<QTextDocument> toUnicodeDocument(const QTextDocument& document,
                                                 const QString& bengaliFamily,
                                                 int* unconverted = nullptr);

// Inserts `text` at `cursor`: Unicode Bengali as NQ codes in the NQ face; characters with
// no glyph keep the cursor's format in a face that shows them as they are. Returns their
// count.
int insertUnicodeAsNq(QTextCursor& cursor, const QString& text);

// Turns the runs of `document` that hold Unicode Bengali outside the NQ face into NQ text;
// runs already in the NQ face are glyph codes and stay.
void convertUnicodeRunsToNq(QTextDocument& document);

} // namespace nqtext
