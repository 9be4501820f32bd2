#include "editor/long_paragraphs.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace editing {
namespace {

// Where, in `text`, the pieces of a paragraph longer than `maxLength` begin (after the first).
std::vector<int> cutsOf(const QString& text, int maxLength)
{
    std::vector<int> cuts;
    const int length = int(text.size());
    int start = 0;
    while (length - start > maxLength) {
        int cut = start + maxLength;
        const int earliest = start + maxLength - maxLength / 4;
        for (int at = cut; at > earliest; --at) {
            const QChar before = text.at(at - 1);
            if (before == u' ' || before == u'\t') {
                cut = at;
                break;
            }
        }
        if (text.at(cut - 1).isHighSurrogate() && text.at(cut).isLowSurrogate())
            --cut;
        cuts.push_back(cut);
        start = cut;
    }
    return cuts;
}

} // namespace

int splitLongParagraphs(QTextDocument& document, int maxLength)
{
    if (maxLength < 2)
        return 0;
    int split = 0;
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.length() - 1 <= maxLength)
            continue;
        const int start = block.position();
        const std::vector<int> cuts = cutsOf(block.text(), maxLength);
        // The pieces continue the paragraph: not new items of its list.
        QTextBlockFormat pieceFormat = block.blockFormat();
        pieceFormat.setObjectIndex(-1);
        // From the last cut back, so that the earlier positions stay where they were.
        for (auto cut = cuts.rbegin(); cut != cuts.rend(); ++cut) {
            cursor.setPosition(start + *cut);
            cursor.insertBlock(pieceFormat, cursor.charFormat());
        }
        ++split;
        // On from the last piece: the pieces are short. Each cut added one position.
        block = document.findBlock(start + cuts.back() + int(cuts.size()));
    }
    cursor.endEditBlock();
    return split;
}

} // namespace editing
