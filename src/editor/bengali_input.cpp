#include "editor/bengali_input.h"

#include "nqtext/unicode_typing.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextCursor>

namespace bengali_input {

bool typesBengali(const QKeyEvent& event)
{
    return !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        && nqtext::isBengaliInput(event.text());
}

void typeKey(QTextCursor& cursor, const QKeyEvent& event)
{
    nqtext::typeUnicode(cursor, event.text());
}

bool commitsBengali(const QInputMethodEvent& event)
{
    return nqtext::isBengaliInput(event.commitString());
}

void commit(QTextCursor& cursor, const QInputMethodEvent& event)
{
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    if (event.replacementLength() > 0 || event.replacementStart() != 0) {
        const int at = cursor.position() + event.replacementStart();
        cursor.setPosition(qBound(0, at, cursor.document()->characterCount() - 1));
        cursor.setPosition(qBound(0, cursor.position() + event.replacementLength(),
                                  cursor.document()->characterCount() - 1),
                           QTextCursor::KeepAnchor);
    }
    nqtext::typeUnicode(cursor, event.commitString());
    cursor.endEditBlock();
}

} // namespace bengali_input
