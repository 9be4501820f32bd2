#include "platform/key_queue.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace platform {

namespace {
QString textFor(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Backspace)
        return QStringLiteral("\b");
    if (modifiers & Qt::ControlModifier) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return QString(QChar(char16_t(key - Qt::Key_A + 1)));
    }
    return {};
}
} // namespace

void queueKeyStroke(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QMetaObject::invokeMethod(
        qApp,
        [key, modifiers] {
            QPointer<QWidget> target = QApplication::focusWidget();
            if (!target)
                return;
            const QString text = textFor(key, modifiers);
            QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
            QApplication::sendEvent(target, &press);
            if (!target)
                return;
            QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
            QApplication::sendEvent(target, &release);
        },
        Qt::QueuedConnection);
}

} // namespace platform
