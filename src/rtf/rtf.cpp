#include "rtf/rtf.h"

#include "rtf/reader.h"
#include "rtf/writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>

namespace rtf {

QString ReadError::toString() const
{
    if (line > 0)
        return QStringLiteral("%1 (line %2, column %3)").arg(cause).arg(line).arg(column);
    return cause;
}

std::optional<ReadError> read(const QByteArray& data, QTextDocument& document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    // One edit block: whoever lays the document out does so once, at the end.
    QTextCursor batch(&document);
    batch.beginEditBlock();
    std::optional<ReadError> error = Reader(data, document).read();
    batch.endEditBlock();
    document.setUndoRedoEnabled(undo);
    return error;
}

QByteArray write(const QTextDocument& document)
{
    return writeDocument(document);
}

std::optional<QString> loadFile(const QString& path, QTextDocument& document)
{
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (QFileInfo(path).isDir())
        return QStringLiteral("%1: cannot be read: it is a folder").arg(name);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: cannot be read: %2").arg(name, file.errorString());
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("%1: cannot be read: %2").arg(name, file.errorString());
    if (const auto error = read(data, document))
        return QStringLiteral("%1: %2").arg(name, error->toString());
    return std::nullopt;
}

std::optional<QString> saveFile(const QString& path, const QTextDocument& document)
{
    const QString name = QDir::toNativeSeparators(path);
    const QByteArray data = write(document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: cannot be written: %2").arg(name, file.errorString());
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral("%1: cannot be written: %2").arg(name, reason);
    }
    if (!file.commit())
        return QStringLiteral("%1: cannot be written: %2").arg(name, file.errorString());
    return std::nullopt;
}

} // namespace rtf
