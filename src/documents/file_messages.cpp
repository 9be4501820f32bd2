#include "documents/file_messages.h"

#include <QDir>

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
