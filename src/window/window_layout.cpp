#include "window/window_layout.h"

#include <QCoreApplication>

#include <algorithm>

namespace window_layout {

QList<QRect> optionPlaces(const QList<QRect>& design, const QList<QSize>& needed,
                          const QRect& inner, int top)
{
    QList<QRect> places;
    bool fits = true;
    for (qsizetype i = 0; i < design.size(); ++i) {
        QRect r = design[i];
        r.setSize(r.size().expandedTo(needed[i]));
        fits = fits && inner.contains(r) && (places.isEmpty() || places.last().right() < r.left());
        places.append(r);
    }
    if (fits)
        return places;

    // Two columns: the left one at the first button's place, the right one after the wider
    // of the left column's captions, with the gap between the design's first two places.
    const int rowHeight = std::max({needed[0].height(), needed[1].height(), needed[2].height(),
                                    needed[3].height()});
    const int leftWidth = std::max(needed[0].width(), needed[2].width());
    const int gap = std::max(design[1].left() - design[0].right() - 1, 0);
    const int left = std::max(design[0].left(), inner.left());
    const int right = left + leftWidth + gap;
    const int spare = std::max(inner.bottom() + 1 - top - 2 * rowHeight, 0);
    const int first = top + spare / 3;
    const int second = first + rowHeight + spare / 3;
    places.clear();
    places.append(QRect(QPoint(left, first), needed[0]));
    places.append(QRect(QPoint(right, first), needed[1]));
    places.append(QRect(QPoint(left, second), needed[2]));
    places.append(QRect(QPoint(right, second), needed[3]));
    return places;
}

const QList<MenuItem>& menuItems()
{
    auto menu = [](const char* name, const char* caption) {
        return MenuItem{QString::fromLatin1(name), caption, {}, true};
    };
    auto item = [](const char* name, const char* caption, QKeySequence shortcut = {}) {
        return MenuItem{QString::fromLatin1(name), caption, shortcut, false};
    };
    static const QList<MenuItem> items = {
        menu("file", QT_TRANSLATE_NOOP("window::MainWindow", "&File")),
        item("new", QT_TRANSLATE_NOOP("window::MainWindow", "&New"), QKeySequence(Qt::CTRL | Qt::Key_N)),
        item("open", QT_TRANSLATE_NOOP("window::MainWindow", "&Open"), QKeySequence(Qt::CTRL | Qt::Key_O)),
        item("save", QT_TRANSLATE_NOOP("window::MainWindow", "&Save"), QKeySequence(Qt::CTRL | Qt::Key_S)),
        item("saveas", QT_TRANSLATE_NOOP("window::MainWindow", "&Save As")),
        item("print", QT_TRANSLATE_NOOP("window::MainWindow", "&Print")),
        item("exit", QT_TRANSLATE_NOOP("window::MainWindow", "&Exit")),
        menu("edit", QT_TRANSLATE_NOOP("window::MainWindow", "&Edit")),
        item("undo", QT_TRANSLATE_NOOP("window::MainWindow", "&Undo")),
        menu("tools", QT_TRANSLATE_NOOP("window::MainWindow", "Tools")),
        item("option", QT_TRANSLATE_NOOP("window::MainWindow", "&Option"), QKeySequence(Qt::CTRL | Qt::Key_P)),
        menu("help", QT_TRANSLATE_NOOP("window::MainWindow", "&Help")),
        item("helps", QT_TRANSLATE_NOOP("window::MainWindow", "&Help"), QKeySequence(Qt::Key_F1)),
        item("about", QT_TRANSLATE_NOOP("window::MainWindow", "&About"), QKeySequence(Qt::CTRL | Qt::Key_A)),
    };
    return items;
}

} // namespace window_layout
