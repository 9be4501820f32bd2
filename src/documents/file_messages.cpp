#include "documents/file_messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace documents {

namespace {

// The plain sentence first, with the file's name; the codec's cause (which names the whole
// path) follows as the message's smaller details.
QString failureText(const QString& lead, const QString& path, const QString& reason)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString cause = reason.contains(shown) || reason.contains(path)
        ? reason
        : shown + QLatin1String(": ") + reason;
    return lead.arg(QFileInfo(path).fileName()) + QLatin1String("\n\n") + cause;
}

} // namespace

QString openFailedText(const QString& path, const QString& reason)
{
    // The codec's words for a file that is something else (plain text, a web page): the
    // writer is told in plain words, the codec's cause follows as the details.
    if (reason.contains(QLatin1String("not an RTF file")))
        return failureText(QStringLiteral("\"%1\" is not a Rich Text Format document."), path, reason);
    return failureText(QStringLiteral("\"%1\" could not be opened."), path, reason);
}

QString saveFailedText(const QString& path, const QString& reason)
{
    return failureText(QStringLiteral("\"%1\" could not be saved."), path, reason);
}

QString replaceQuestionText(const QString& path)
{
    return QCoreApplication::translate("documents", "\"%1\" already exists.\nDo you want to replace it?")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace documents
