#include "documents/file_messages.h"

#include "rtf/failure_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace documents {

namespace {

// The plain sentence first, with the file's name; the cause, which names the whole path,
// follows as the message's smaller details.
QString failureText(const QString& lead, const rtf::Failure& failure)
{
    return lead.arg(QFileInfo(failure.path).fileName()) + QLatin1String("\n\n") + rtf::failureText(failure);
}

} // namespace

QString openFailedText(const rtf::Failure& failure)
{
    // A file that is something else (plain text, a web page): the writer is told in plain
    // words, the cause follows as the details.
    if (failure.kind == rtf::FailureKind::NotRtf)
        return failureText(QCoreApplication::translate("documents", "\"%1\" is not a Rich Text Format document."), failure);
    return failureText(QCoreApplication::translate("documents", "\"%1\" could not be opened."), failure);
}

QString saveFailedText(const rtf::Failure& failure)
{
    return failureText(QCoreApplication::translate("documents", "\"%1\" could not be saved."), failure);
}

QString recoveryCopyFailedText(const rtf::Failure& failure)
{
    return QCoreApplication::translate("documents", "The recovery copy could not be read.\n\n%1").arg(rtf::failureText(failure));
}

QString openNoticeText(const QString& path, const rtf::ReadNotes& notes)
{
    return rtf::noticesFor(path, notes).join(u'\n');
}

QString saveNoticeText(const QString& path, const rtf::WriteNotes& notes)
{
    return rtf::noticesFor(path, notes).join(u'\n');
}

QString replaceQuestionText(const QString& path)
{
    return QCoreApplication::translate("documents", "\"%1\" already exists.\nDo you want to replace it?")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace documents
