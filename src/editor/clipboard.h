#pragma once
// The editor's side of the system clipboard: copying hands out Unicode Bengali as plain text
// beside the rich text, pasting turns Unicode Bengali into NQ glyph codes in the NQ face.
// The conversions themselves live in nqtext/.

class QMimeData;
class QTextCursor;

namespace clipboard {

// The clipboard content for a copied selection: text/html of the fragment with NQ runs
// named in the NQ face, and text/plain in Unicode Bengali. The caller owns the result.
QMimeData* mimeDataForSelection(const QTextCursor& selection);

// Whether `source` holds text or HTML to paste.
bool canInsert(const QMimeData* source);

// Pastes `source` at `cursor` as one undo step: its HTML when `richText` and offered (runs
// already in the NQ face stay, other runs holding Bengali are converted), else its plain
// text (converted when it holds Bengali). False when `source` holds neither.
bool insertMimeData(QTextCursor& cursor, const QMimeData* source, bool richText);

} // namespace clipboard
