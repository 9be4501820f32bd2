#pragma once
// For measuring start-up: when NORVELIN_EXIT_WHEN_SHOWN is set, the program prints how long
// it took from entering main() to the window's first exposure on screen and to that first
// paint being done (with a document given on the command line: its first page), names the
// face the editor resolved to, then quits. Nothing changes when the variable is absent.

#include <QElapsedTimer>
#include <QObject>

class QWidget;

namespace window {

class StartupProbe : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kVariable = "NORVELIN_EXIT_WHEN_SHOWN";

    // Watches `window` when the variable is set; `sinceMain` was started at main()'s top.
    static void installIfRequested(QWidget& window, const QElapsedTimer& sinceMain);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StartupProbe(QWidget& window, const QElapsedTimer& sinceMain);
    void reportPainted();

    QWidget& window_;
    QElapsedTimer sinceMain_;
    bool reported_ = false;
};

} // namespace window
