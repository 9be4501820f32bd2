#pragma once
// Paragraphs too long to edit: Qt lays a paragraph out whole after every key, so one of
// ten million characters takes seconds per key (and one without spaces may never show).
// Such paragraphs are cut into pieces the editor can lay out at once.

class QTextDocument;

namespace editing {

// Cuts every paragraph longer than `maxLength` characters into paragraphs of at most
// `maxLength`, each cut after the last space or tab in the piece's final quarter when
// there is one (so words stay whole), never between the halves of a surrogate pair. The
// pieces keep the paragraph's and the text's formats. Returns how many paragraphs were cut.
int splitLongParagraphs(QTextDocument& document, int maxLength);

} // namespace editing
