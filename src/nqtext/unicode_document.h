#pragma once
// A QTextDocument's NQ text as Unicode Bengali and back, with the document's own glyph
// table (nq/unicode_bridge.h) and its visual-to-logical reordering.

#include "nq/unicode_bridge.h"

#include <QString>
#include <memory>

class QTextCharFormat;
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

// Inserts a conversion to NQ at `cursor` from its character `from` on: glyph codes in
// `format` set in the NQ face, the characters kept as they were in a face that shows them.
void insertConverted(QTextCursor& cursor, const nq::BridgeResult& converted, const QTextCharFormat& format,
                     int from = 0);

// Turns the runs of `document` that hold Unicode Bengali outside the NQ face into NQ text;
// runs already in the NQ face are glyph codes and keep them, in the form the editor holds.
void convertUnicodeRunsToNq(QTextDocument& document);

} // namespace nqtext
