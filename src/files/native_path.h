#pragma once
// Paths as the system spells them. Qt holds names as Unicode: the bytes of a name that is
// not valid UTF-8 come back from QFile::decodeName with U+FFFD in their place, and encoding
// that text again names another file. nativePath finds the file such a text was read from.

#include <QByteArray>
#include <QString>

namespace files {

struct NativePath {
    QByteArray bytes;       // the path to hand to the system
    bool ambiguous = false; // a component with U+FFFD matches several names in its folder
};

// `path` encoded for the system. Where a component holds U+FFFD and no entry of that exact
// name exists, the one entry of its folder whose name decodes to the same text is taken;
// with none, the text is encoded as it is (a file to be created); with several, `ambiguous`.
NativePath nativePath(const QString& path);

} // namespace files
