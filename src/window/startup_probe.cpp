#include "window/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontInfo>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace window {

StartupProbe::StartupProbe(QWidget& window, const QElapsedTimer& sinceMain)
    : QObject(&window), window_(window), sinceMain_(sinceMain)
{
}

void StartupProbe::installIfRequested(QWidget& window, const QElapsedTimer& sinceMain)
{
    if (!qEnvironmentVariableIsSet(kVariable))
        return;
    window.winId(); // creates the native window, so that its exposure can be watched
    QWindow* handle = window.windowHandle();
    if (!handle)
        return;
    handle->installEventFilter(new StartupProbe(window, sinceMain));
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (!reported_ && event->type() == QEvent::Expose) {
        auto* window = qobject_cast<QWindow*>(watched);
        if (window && window->isExposed()) {
            reported_ = true;
            std::printf("norvelin: window shown %.1f ms after main()\n",
                        sinceMain_.nsecsElapsed() / 1e6);
            std::fflush(stdout);
            // The exposure is painted before queued calls run.
            QTimer::singleShot(0, this, &StartupProbe::reportPainted);
        }
    }
    return QObject::eventFilter(watched, event);
}

void StartupProbe::reportPainted()
{
    std::printf("norvelin: first page painted %.1f ms after main()\n", sinceMain_.nsecsElapsed() / 1e6);
    if (const auto* editor = window_.findChild<QWidget*>(QStringLiteral("RichTextBox1")))
        std::printf("norvelin: editor font: %s\n", qPrintable(QFontInfo(editor->font()).family()));
    std::fflush(stdout);
    // exit(), not quit(): quit() closes the windows, and closing asks its save question.
    QCoreApplication::exit(0);
}

} // namespace window
