#include "platform/dialogs.h"
#include "window/main_window.h"
#include "window/startup_probe.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvelin"));
    QApplication::setApplicationVersion(QStringLiteral("1.1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("norvelin"));

    platform::QtDialogs dialogs;
    MainWindow window(dialogs, QCoreApplication::applicationDirPath());
    StartupProbe::installIfRequested(window, sinceMain);
    window.show();
    return app.exec();
}
