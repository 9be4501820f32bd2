#include "editor/clipboard.h"

#include "nq/unicode_bridge.h"
#include "nqtext/nq_runs.h"
#include "nqtext/text_runs.h"
#include "nqtext/unicode_document.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace clipboard {

QMimeData* mimeDataForSelection(const QTextCursor& selection)
{
    auto* mime = new QMimeData;
    if (!selection.document() || !selection.hasSelection())
        return mime;
    const QTextDocument& source = *selection.document();
    QTextDocument copy;
    copy.setDefaultFont(source.defaultFont());
    QTextCursor(&copy).insertFragment(selection.selection());
    // Every run names its face, and the HTML's default is not NQ: the exporter leaves out a
    // family equal to the default, and a receiver that drops the body's style (a web page
    // does) would lose the NQ face with it.
    for (QTextBlock block = copy.begin(); block.isValid(); block = block.next()) {
        const int from = block.position();
        nqtext::replaceRuns(copy, nqtext::runsOf(block, from, from + block.length() - 1),
                    [&](QTextCursor& cursor, const nqtext::Run& run) {
                        cursor.mergeCharFormat(
                            nqtext::withFamily(QTextCharFormat(), nqtext::effectiveFamily(run.format, copy)));
                    });
    }
    if (nqtext::isNqRun(QTextCharFormat(), copy)) {
        QFont font = copy.defaultFont();
        font.setFamilies(QStringList{QStringLiteral("sans-serif")});
        copy.setDefaultFont(font);
    }
    mime->setHtml(copy.toHtml());
    mime->setText(nqtext::selectionToUnicodeText(selection));
    return mime;
}

bool canInsert(const QMimeData* source)
{
    return source && (source->hasText() || source->hasHtml());
}

bool insertMimeData(QTextCursor& cursor, const QMimeData* source, bool richText)
{
    if (!canInsert(source))
        return false;
    cursor.beginEditBlock();
    if (richText && source->hasHtml()) {
        QTextDocument pasted;
        pasted.setHtml(source->html());
        nqtext::convertUnicodeRunsToNq(pasted);
        cursor.insertFragment(QTextDocumentFragment(&pasted));
    } else {
        QString text = source->text();
        if (nq::containsBengali(text)) {
            nqtext::insertUnicodeAsNq(cursor, text);
        } else {
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            cursor.insertText(nqtext::heldText(text, cursor.charFormat(), *cursor.document()));
        }
    }
    cursor.endEditBlock();
    return true;
}

} // namespace clipboard
