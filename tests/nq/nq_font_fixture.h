#pragma once
// Where the tests find the generated font and its source, and the NQ face registered with Qt.

#include <QFile>
#include <QFontDatabase>
#include <QString>

namespace nqtest {

inline QString fontPath() { return QStringLiteral(NQ_FONT_PATH); }
inline QString sourceFontPath() { return QStringLiteral(NQ_SOURCE_FONT_PATH); }

// Registers a font file with Qt; returns its first family, or empty when it cannot be loaded.
inline QString registerFont(const QString& path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0)
        return {};
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

} // namespace nqtest
