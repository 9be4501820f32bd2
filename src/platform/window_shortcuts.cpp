#include "platform/window_shortcuts.h"

#include <QEvent>
#include <QKeyEvent>

namespace platform {

bool yieldToWindowShortcut(QEvent* event, const QList<QKeySequence>& shortcuts)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QKeySequence& shortcut : shortcuts) {
        if (shortcut.matches(pressed) == QKeySequence::ExactMatch) {
            event->ignore();
            return true;
        }
    }
    return false;
}

} // namespace platform
