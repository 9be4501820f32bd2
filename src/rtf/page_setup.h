#pragma once
// The page a document was made for (\paperw \paperh \landscape \margl \margr \margt
// \margb, or the first section's \pgwsxn and the like): kept with the QTextDocument, so
// that a save writes it back and printing starts from it.

#include <QPageLayout>

#include <optional>

class QTextDocument;

namespace rtf {

// In twips; 0: not given in the file.
struct PageWords {
    int paperWidth = 0;
    int paperHeight = 0;
    int marginLeft = 0;
    int marginRight = 0;
    int marginTop = 0;
    int marginBottom = 0;
    bool landscape = false;
    bool any() const { return paperWidth || paperHeight || marginLeft || marginRight || marginTop || marginBottom || landscape; }
};

// The layout the words give, the rest as RTF's defaults (US Letter, 1.25" and 1" margins).
QPageLayout pageLayoutOf(const PageWords& words);

std::optional<QPageLayout> pageLayoutOf(const QTextDocument& document);
void setPageLayout(QTextDocument& document, const QPageLayout& layout);
// A new document in the same QTextDocument (the editor's New) has none.
void clearPageLayout(QTextDocument& document);

// The words that give `layout` back.
QByteArray pageWords(const QPageLayout& layout);

} // namespace rtf
