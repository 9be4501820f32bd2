#pragma once
// The names in a folder as the system spells them: bytes, not Qt's decoding, which turns
// bytes that are not UTF-8 into U+FFFD and leaves such names out of its listings.

#include <QByteArray>
#include <QList>

#include <algorithm>

#include <dirent.h>

inline QList<QByteArray> rawNames(const QByteArray& folder)
{
    QList<QByteArray> names;
    DIR* dir = ::opendir(folder.constData());
    while (const dirent* entry = dir ? ::readdir(dir) : nullptr)
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            names.append(entry->d_name);
    if (dir)
        ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}
