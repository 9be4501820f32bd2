#include "window/combo_key_filter.h"

#include <QEvent>
#include <QKeyEvent>

ComboKeyFilter::ComboKeyFilter(QList<QKeySequence> windowShortcuts, QObject* parent)
    : QObject(parent), windowShortcuts_(std::move(windowShortcuts))
{
}

bool ComboKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QKeySequence& shortcut : std::as_const(windowShortcuts_)) {
            if (shortcut.matches(pressed) == QKeySequence::ExactMatch) {
                event->ignore(); // left unaccepted, the shortcut runs
                return true;
            }
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QObject::eventFilter(watched, event);
}
