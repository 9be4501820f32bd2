#include "documents/file_messages.h"

#include <QDir>
#include <QFileInfo>

namespace documents {

namespace {

QString failureText(const QString& lead, const QString& path, const QString& reason)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (reason.contains(shown) || reason.contains(path))
        return reason;
    return lead.arg(shown) + QLatin1Char('\n') + reason;
}

} // namespace

QString openFailedText(const QString& path, const QString& reason)
{
    // The codec's words for a file that is something else (plain text, a web page): the
    // writer is told in plain words, the codec's cause follows as the details.
    if (reason.contains(QLatin1String("not an RTF file"))) {
        const QString shown = QDir::toNativeSeparators(path);
        const QString cause = reason.contains(shown) || reason.contains(path)
            ? reason
            : shown + QLatin1String(": ") + reason;
        return QStringLiteral("\"%1\" is not a Rich Text Format document.\n\n%2")
            .arg(QFileInfo(path).fileName(), cause);
    }
    return failureText(QStringLiteral("\"%1\" could not be opened."), path, reason);
}

QString saveFailedText(const QString& path, const QString& reason)
{
    return failureText(QStringLiteral("\"%1\" could not be saved."), path, reason);
}

QString replaceQuestionText(const QString& path)
{
    return QStringLiteral("\"%1\" already exists.\nDo you want to replace it?")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace documents
