#include "window/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

StartupProbe::StartupProbe(const QElapsedTimer& sinceMain, QObject* parent)
    : QObject(parent), sinceMain_(sinceMain)
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
    handle->installEventFilter(new StartupProbe(sinceMain, &window));
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
            // Quit once this exposure has been painted.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }
    return QObject::eventFilter(watched, event);
}
