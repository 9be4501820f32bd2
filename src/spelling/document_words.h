#pragma once
// The words of a paragraph's NQ text. Text outside NQ runs is blanked first, so that a word
// whose letters change format stays one word and Latin text is never checked.

#include "word_splitter.h"

#include <QList>
#include <QString>

class QTextBlock;
class QTextDocument;

namespace spelling {

struct BlockWords {
    QString text;             // the block's text, with non-NQ characters as spaces
    QList<WordSpan> words;    // positions within the block
};

BlockWords nqWordsOf(const QTextBlock& block, const QTextDocument& document);

} // namespace spelling
