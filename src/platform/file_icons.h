#pragma once
// Icons and type names for the file dialogs, judged by the file's name alone.
//
// Qt's own provider reads the start of every listed file to guess its type. A file in
// /proc such as kmsg looks like an empty regular file but blocks its reader until the
// kernel logs something, and the dialog's model asks on the window's thread: typing
// "/proc/" into the name field froze the window for good. No file is opened here.

#include <QFileIconProvider>
#include <QMimeDatabase>

namespace platform {

class NameOnlyFileIconProvider : public QFileIconProvider {
public:
    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;

private:
    QMimeType mimeTypeByName(const QFileInfo& info) const;
    QMimeDatabase mimeTypes_;
};

} // namespace platform
