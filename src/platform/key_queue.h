#pragma once
// Queued key strokes ("{backspace}", "^{z}"): a stroke is delivered after the current
// handler returns, to whichever widget has the focus when it is processed — not when
// it was queued.

#include <Qt>

namespace platform {

void queueKeyStroke(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

inline void queueBackspace() { queueKeyStroke(Qt::Key_Backspace); }
inline void queueUndo() { queueKeyStroke(Qt::Key_Z, Qt::ControlModifier); }

} // namespace platform
