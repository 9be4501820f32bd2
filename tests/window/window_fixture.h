#pragma once
// Helpers for tests that drive the real main window.

#include "editor/rich_text_box.h"
#include "entry/flex_grid.h"
#include "window/main_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace window_test {

// Keeps the font copy that start-up makes for the user's other programs out of the
// real home, and fontconfig from finding a copy left by an earlier run: the font must
// come from the program's folder. Call before the QApplication exists.
inline void isolateUserFonts()
{
    static QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home.path() + QStringLiteral("/cache")).toLocal8Bit());
}

// The font the build generates beside the executables; empty when it is not built yet.
inline QString builtFontFile()
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/nq.ttf");
    return QFile::exists(path) ? path : QString();
}

// A program folder that holds a copy of nq.ttf, or none.
inline bool makeProgramDir(const QTemporaryDir& dir, bool withFont)
{
    if (!withFont)
        return true;
    const QString font = builtFontFile();
    return !font.isEmpty() && QFile::copy(font, dir.filePath(QStringLiteral("nq.ttf")));
}

// Clicks palette cell (row, col) with the mouse.
inline void clickCell(entry::FlexGrid* grid, int row, int col, Qt::MouseButton button = Qt::LeftButton)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, col));
    QTest::mouseClick(grid->viewport(), button, {}, cell.center());
}

// Lets posted events run.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace window_test
