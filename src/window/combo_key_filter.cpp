#include "window/combo_key_filter.h"

#include "platform/window_shortcuts.h"

#include <QEvent>
#include <QKeyEvent>

namespace window {

ComboKeyFilter::ComboKeyFilter(QList<QKeySequence> windowShortcuts, QObject* parent)
    : QObject(parent), windowShortcuts_(std::move(windowShortcuts))
{
}

bool ComboKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (platform::yieldToWindowShortcut(event, windowShortcuts_))
        return true;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace window
