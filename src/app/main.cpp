#include "platform/dialogs.h"
#include "window/main_window.h"
#include "window/startup_probe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

int main(int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("norvelin"));

    platform::QtDialogs dialogs;
    MainWindow window(dialogs, QCoreApplication::applicationDirPath());
    StartupProbe::installIfRequested(window, sinceMain);
    window.show();
    // Asked once the window stands, so the question has its document window behind it.
    QTimer::singleShot(0, &window, [&window] { window.offerRecovery(); });
    return app.exec();
}
