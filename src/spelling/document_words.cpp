#include "document_words.h"

#include "nqtext/nq_runs.h"

#include <QTextBlock>
#include <QTextDocument>

namespace spelling {

BlockWords nqWordsOf(const QTextBlock& block, const QTextDocument& document)
{
    BlockWords result{block.text(), {}};
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid() || nqtext::isNqRun(fragment.charFormat(), document))
            continue;
        const int start = fragment.position() - block.position();
        for (int i = start; i < start + fragment.length() && i < result.text.size(); ++i)
            result.text[i] = u' ';
    }
    result.words = splitNqWords(result.text);
    return result;
}

} // namespace spelling
