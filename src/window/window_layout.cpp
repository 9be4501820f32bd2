#include "window/window_layout.h"

namespace window_layout {

const QList<ToolbarSlot>& toolbarSlots()
{
    using K = ToolbarSlot::Kind;
    auto button = [](const char* key, const char* tip, const char* icon) {
        return ToolbarSlot{K::Button, QString::fromLatin1(key), QString::fromLatin1(tip),
                           QString::fromLatin1(icon)};
    };
    auto placeholder = [](double width) { return ToolbarSlot{K::Placeholder, {}, {}, {}, width}; };
    const ToolbarSlot separator{K::Separator, {}, {}, {}};
    static const QList<ToolbarSlot> all = {
        button("new", "New", "document-new"),
        button("open", "Open", "document-open"),
        button("save", "Save", "document-save"),
        button("print", "Print", "document-print"),
        placeholder(0),
        button("cut", "Cut", "edit-cut"),
        button("copy", "Copy", "edit-copy"),
        button("paste", "Paste", "edit-paste"),
        placeholder(2700),
        button("bold", "Bold", "format-text-bold"),
        button("italic", "Italic", "format-text-italic"),
        button("underline", "Underline", "format-text-underline"),
        separator,
        button("left", "Left", "format-justify-left"),
        button("center", "Center", "format-justify-center"),
        button("right", "Right", "format-justify-right"),
        separator,
        button("gotoword", "Goto Word", "norvelin-goto-word"),
        button("color", "Font Color", "norvelin-text-color"),
        button("help", "Help", "help-contents"),
        separator,
        button("about", "About", "help-about"),
        button("exit", "Exit", "application-exit"),
    };
    return all;
}

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
