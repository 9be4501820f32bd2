#pragma once
// Unicode Bengali from a Bengali keyboard layout or an input method, typed into the editing
// control as NQ glyph codes (nqtext/unicode_typing.h). Text without Bengali is left to Qt.

class QInputMethodEvent;
class QKeyEvent;
class QTextCursor;

namespace bengali_input {

// Whether a key press types Unicode Bengali: its text is Bengali and neither Ctrl, Alt nor
// Meta is held (those are commands).
bool typesBengali(const QKeyEvent& event);

// Types the key's text at `cursor`.
void typeKey(QTextCursor& cursor, const QKeyEvent& event);

// Whether an input method's commit string holds Bengali.
bool commitsBengali(const QInputMethodEvent& event);

// Applies the event's replacement and commit string at `cursor` as Qt would, the commit
// converted. The preedit (the text still being composed) is the caller's to show.
void commit(QTextCursor& cursor, const QInputMethodEvent& event);

} // namespace bengali_input
