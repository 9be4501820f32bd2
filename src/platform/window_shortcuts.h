#pragma once
// Key combinations that belong to the window's menus must win over a focused control's own
// keys (Ctrl+A is About here, not Select All). Qt asks the focused widget first with a
// ShortcutOverride event; left unaccepted, the window's shortcut runs.

#include <QKeySequence>
#include <QList>

class QEvent;

namespace platform {

// True when `event` is a ShortcutOverride for one of `shortcuts`; the event is then left
// unaccepted and the caller must not let the control take it.
bool yieldToWindowShortcut(QEvent* event, const QList<QKeySequence>& shortcuts);

} // namespace platform
