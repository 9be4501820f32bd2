#pragma once
// Another program may change the document's file while it is open (another window, a
// synchronising tool). The file as it stood when it was read or last written is
// remembered; before the document is written over it, a file that changed since is asked
// about: overwrite it, save the document elsewhere, or cancel.

#include "files/file_identity.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;
namespace platform { class Dialogs; }

namespace documents {

class DiskChangeCheck {
public:
    // `path` as it stands now is the document's file: it was just read or written.
    // `identity`: the file as it stood before it was read, when that is known.
    void remember(const QString& path, std::optional<files::FileIdentity> identity);
    void remember(const QString& path);
    void forget();

    // Whether `path` is the remembered file and another program changed it since.
    bool changedOnDisk(const QString& path) const;

    // The path to write the document to: `path`, or, when its file changed on disk, what
    // the writer decides: `path` again (Overwrite), what `askElsewhere` returns (Save
    // Elsewhere), or an empty text (Cancel: nothing is written).
    QString confirmTarget(const QString& path, platform::Dialogs& dialogs, QWidget* parent,
                          const std::function<QString()>& askElsewhere) const;

private:
    QString path_;
    std::optional<files::FileIdentity> identity_;
};

// The question, naming the file.
QString changedOnDiskText(const QString& path);

} // namespace documents
