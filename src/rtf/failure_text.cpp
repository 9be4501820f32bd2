#include "rtf/failure_text.h"

#include <QCoreApplication>
#include <QDir>

#include <cstring>

namespace rtf {
namespace {


QString systemReason(const Failure& failure)
{
    if (failure.systemError != 0)
        return QString::fromLocal8Bit(std::strerror(failure.systemError));
    return failure.detail;
}

// Why the file itself was refused; empty for failures of what it holds.
QString readReason(const Failure& failure)
{
    switch (failure.kind) {
    case FailureKind::Unreadable: return systemReason(failure);
    case FailureKind::Folder: return QCoreApplication::translate("rtf", "it is a folder");
    case FailureKind::NamedPipe: return QCoreApplication::translate("rtf", "it is a named pipe (FIFO), not a regular file");
    case FailureKind::Device: return QCoreApplication::translate("rtf", "it is a device, not a regular file");
    case FailureKind::Socket: return QCoreApplication::translate("rtf", "it is a socket, not a regular file");
    case FailureKind::NotRegularFile: return QCoreApplication::translate("rtf", "it is not a regular file");
    case FailureKind::TooLarge:
        return QCoreApplication::translate("rtf", "it is %1 bytes long; documents larger than 1 GiB (%2 bytes) are not opened")
            .arg(failure.size)
            .arg(kMaxFileBytes);
    case FailureKind::TooLargeToEdit:
        return QCoreApplication::translate("rtf", "it is %1 bytes long; the editor opens documents up to %2 MiB (%3 bytes), "
                                                  "norvelin-rtf converts them up to 1 GiB")
            .arg(failure.size)
            .arg(kMaxEditableBytes >> 20)
            .arg(kMaxEditableBytes);
    case FailureKind::OutOfMemory: return QCoreApplication::translate("rtf", "there is not enough memory to open it");
    default: return {};
    }
}

// What is wrong with the content.
QString contentCause(const Failure& failure)
{
    switch (failure.kind) {
    case FailureKind::Empty: return QCoreApplication::translate("rtf", "the file is empty");
    case FailureKind::NotRtf: return QCoreApplication::translate("rtf", "this is not an RTF file: it does not begin with {\\rtf");
    case FailureKind::OverMemoryAllowance: return QCoreApplication::translate("rtf", "there is not enough memory to open it");
    case FailureKind::NestedTooDeep: return QCoreApplication::translate("rtf", "groups are nested more than %1 deep").arg(kMaxGroupDepth);
    case FailureKind::BinaryCutShort:
        return QCoreApplication::translate("rtf", "the file is truncated: \\bin%1 announces %1 bytes of data but only %2 follow")
            .arg(failure.announced)
            .arg(failure.available);
    case FailureKind::Cancelled: return QCoreApplication::translate("rtf", "reading was cancelled");
    default: return {};
    }
}

} // namespace

QString failureText(const Failure& failure)
{
    const QString name = QDir::toNativeSeparators(failure.path);
    const auto named = [&](const QString& text) {
        return name.isEmpty() ? text : QCoreApplication::translate("rtf", "%1: %2").arg(name, text);
    };
    if (failure.kind == FailureKind::Unwritable)
        return named(QCoreApplication::translate("rtf", "cannot be written: %1").arg(systemReason(failure)));
    if (const QString reason = readReason(failure); !reason.isEmpty())
        return named(QCoreApplication::translate("rtf", "cannot be read: %1").arg(reason));
    QString cause = contentCause(failure);
    if (failure.line > 0)
        cause = QCoreApplication::translate("rtf", "%1 (line %2, column %3)").arg(cause).arg(failure.line).arg(failure.column);
    return named(cause);
}

QStringList noticesFor(const QString& path, const ReadNotes& notes)
{
    const QString name = QDir::toNativeSeparators(path);
    QStringList notices;
    if (notes.truncated)
        notices << QCoreApplication::translate("rtf", "%1: the file ends before its last group is closed, so it may have been cut short. "
                      "What it holds is shown; saving keeps only that.").arg(name);
    const int pictures = notes.picturesOverBudget + notes.picturesUndecodable;
    if (pictures > 0) {
        QStringList causes;
        if (notes.picturesOverBudget > 0)
            causes << QCoreApplication::translate("rtf", "%1 would take more than the %2 MB of memory a document's pictures may use")
                          .arg(notes.picturesOverBudget)
                          .arg(kPictureBudgetBytes >> 20);
        if (notes.picturesUndecodable > 0)
            causes << QCoreApplication::translate("rtf", "%1 could not be decoded").arg(notes.picturesUndecodable);
        notices << QCoreApplication::translate("rtf", "%1: %2 shown as grey boxes (%3). Saving writes them back as they were.")
                       .arg(name, pictures == 1 ? QCoreApplication::translate("rtf", "1 picture is") : QCoreApplication::translate("rtf", "%1 pictures are").arg(pictures),
                            causes.join(QStringLiteral("; ")));
    }
    if (notes.pagePartsKept > 0)
        notices << QCoreApplication::translate("rtf", "%1: its headers and footers are not shown. Saving writes them back as they were.").arg(name);
    if (notes.paragraphsSplit > 0)
        notices << QCoreApplication::translate("rtf", "%1: %2 too long to edit without delay, so each was cut into pieces "
                                                      "of at most %3 characters. Saving keeps the pieces as paragraphs.")
                       .arg(name,
                            notes.paragraphsSplit == 1 ? QCoreApplication::translate("rtf", "1 paragraph was")
                                                       : QCoreApplication::translate("rtf", "%1 paragraphs were").arg(notes.paragraphsSplit))
                       .arg(kMaxEditableParagraph);
    return notices;
}

QStringList noticesFor(const QString& path, const WriteNotes& notes)
{
    if (notes.picturesLeftOut == 0)
        return {};
    const QString name = QDir::toNativeSeparators(path);
    const QString pictures = notes.picturesLeftOut == 1
        ? QCoreApplication::translate("rtf", "1 picture could not be encoded and is")
        : QCoreApplication::translate("rtf", "%1 pictures could not be encoded and are").arg(notes.picturesLeftOut);
    return {QCoreApplication::translate("rtf", "%1: %2 left out of the file; everything else is saved.").arg(name, pictures)};
}

} // namespace rtf
