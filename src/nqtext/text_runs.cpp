#include "nqtext/text_runs.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace nqtext {

QList<Run> runsOf(const QTextBlock& block, int from, int to)
{
    QList<Run> runs;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = std::max(from, fragment.position());
        const int end = std::min(to, fragment.position() + fragment.length());
        if (start >= end)
            continue;
        runs.append({start, end, fragment.charFormat(),
                     fragment.text().mid(start - fragment.position(), end - start)});
    }
    return runs;
}

void replaceRuns(QTextDocument& document, const QList<Run>& runs,
                 const std::function<void(QTextCursor&, const Run&)>& replace)
{
    for (auto it = runs.crbegin(); it != runs.crend(); ++it) {
        QTextCursor cursor(&document);
        cursor.setPosition(it->start);
        cursor.setPosition(it->end, QTextCursor::KeepAnchor);
        replace(cursor, *it);
    }
}

QTextCharFormat withFamily(QTextCharFormat format, const QString& family)
{
    format.setFontFamilies(QStringList{family});
    return format;
}

} // namespace nqtext
