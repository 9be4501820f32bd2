#include "platform/dialogs.h"
#include "window/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvelin"));
    QApplication::setApplicationVersion(QStringLiteral("1.1.0"));

    platform::QtDialogs dialogs;
    MainWindow window(dialogs, QCoreApplication::applicationDirPath());
    window.show();
    return app.exec();
}
