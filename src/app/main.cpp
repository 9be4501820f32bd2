#include "app/command_line.h"
#include "app/termination_signals.h"
#include "language/interface_language.h"
#include "platform/dialogs.h"
#include "recovery/autosave.h"
#include "window/editing_probe.h"
#include "window/main_window.h"
#include "window/startup_probe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>

namespace {

// One name for the desktop entry, the metainfo, the icon and the window class.
constexpr auto kDesktopId = NORVELIN_DESKTOP_ID;

QStringList rawArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int answer(const app::CommandLine& line)
{
    const bool error = line.action == app::CommandLine::Action::UsageError;
    std::fputs(line.message.toLocal8Bit().constData(), error ? stderr : stdout);
    return error ? 2 : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    // Answered before QApplication, which needs a display.
    if (const QStringList raw = rawArguments(argc, argv); app::asksHelpOrVersion(raw)) {
        QCoreApplication core(argc, argv);
        language::installTranslations(core);
        return answer(app::parseCommandLine(raw));
    }

    QApplication application(argc, argv);
    language::installTranslations(application);
    language::applyInterfaceFont();
    const app::CommandLine line = app::parseCommandLine(QCoreApplication::arguments());
    if (line.action != app::CommandLine::Action::Run)
        return answer(line);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));

    platform::QtDialogs dialogs;
    window::MainWindow window(dialogs, QCoreApplication::applicationDirPath());
    // X11 takes the window class from the application name when the first native window
    // is made; the desktop matches it to the entry, so it carries the desktop id there.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QString::fromLatin1(kDesktopId));
    window.winId();
    QCoreApplication::setApplicationName(name);
    window::StartupProbe::installIfRequested(window, sinceMain);
    window::EditingProbe::installIfRequested(window, sinceMain);

    // Ended from outside (a signal, a logout, the X server gone): the changes since the
    // last recovery copy go into it, and the next start offers it.
    const auto keepWork = [&window] { window.autosave().writeNow(); };
    app::TerminationSignals signals_([&keepWork](int signal) {
        keepWork();
        app::TerminationSignals::endBy(signal);
    });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&keepWork](QSessionManager&) { keepWork(); });
    const app::ExitGuard exitGuard(keepWork);

    window.show();
    if (!line.file.isEmpty())
        window.openFile(line.file);
    // Asked once the window stands, so the question has its document window behind it; after
    // a file named on the command line too, which a restored copy then replaces in the window.
    QTimer::singleShot(0, &window, [&window] { window.offerRecovery(); });
    return application.exec();
}
