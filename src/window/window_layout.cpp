#include "window/window_layout.h"

namespace window_layout {

const QList<MenuItem>& menuItems()
{
    auto menu = [](const char* name, const char* caption) {
        return MenuItem{QString::fromLatin1(name), QString::fromLatin1(caption), {}, true};
    };
    auto item = [](const char* name, const char* caption, QKeySequence shortcut = {}) {
        return MenuItem{QString::fromLatin1(name), QString::fromLatin1(caption), shortcut, false};
    };
    static const QList<MenuItem> items = {
        menu("file", "&File"),
        item("new", "&New", QKeySequence(Qt::CTRL | Qt::Key_N)),
        item("open", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O)),
        item("save", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S)),
        item("saveas", "&Save As"),
        item("print", "&Print"),
        item("exit", "&Exit"),
        menu("edit", "&Edit"),
        item("undo", "&Undo"),
        menu("tools", "Tools"),
        item("option", "&Option", QKeySequence(Qt::CTRL | Qt::Key_P)),
        menu("help", "&Help"),
        item("helps", "&Help", QKeySequence(Qt::Key_F1)),
        item("about", "&About", QKeySequence(Qt::CTRL | Qt::Key_A)),
    };
    return items;
}

} // namespace window_layout
