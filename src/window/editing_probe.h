#pragma once
// For measuring how the editor answers on big documents: when NORVELIN_PROBE_TYPING is set
// (to a number of key presses), the program types that many letters right after the window
// is shown (while a long document may still be laid out), again in the middle of the
// document once it is laid out, and, when NORVELIN_PROBE_PASTE_MB is set, pastes that many
// megabytes of text; it prints each figure from the key press (or the paste) to the repaint
// done, then quits. With NORVELIN_PROBE_RECOVERY_COPY set it also types in the middle while
// recovery copies are written, each started with a key press: as the autosave writes them,
// and written whole on the window's thread for comparison. Nothing changes when the
// variables are absent.

#include <QElapsedTimer>
#include <QList>
#include <QObject>

#include <functional>

namespace window { class MainWindow; }
namespace editor { class RichTextBox; }
class QWidget;

namespace window {

class EditingProbe : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kTypingVariable = "NORVELIN_PROBE_TYPING";
    static constexpr const char* kPasteVariable = "NORVELIN_PROBE_PASTE_MB";
    static constexpr const char* kRecoveryVariable = "NORVELIN_PROBE_RECOVERY_COPY";

    // `sinceMain` was started at main()'s top.
    static void installIfRequested(MainWindow& window, const QElapsedTimer& sinceMain);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EditingProbe(MainWindow& window, editor::RichTextBox& editor, const QElapsedTimer& sinceMain, int keys, double pasteMb);

    bool laidOut() const;
    // Runs `action` and, once the repaint it caused is done, `done` with the milliseconds.
    void timeToRepaint(const std::function<void()>& action, const std::function<void(double)>& done);
    void typeKeys(const char* where, const std::function<void()>& next);
    void typeOneKey(int left, const char* where, const std::function<void()>& next);
    void waitForLayout();
    void typeInTheMiddle();
    void paste();
    void typeWithRecoveryCopies(const std::function<void()>& next);
    void finish();

    MainWindow& window_;
    editor::RichTextBox& editor_;
    // Runs in the timed action before a key is sent, with the keys left.
    std::function<void(int)> beforeKey_;
    QElapsedTimer sinceMain_;
    int keys_;
    double pasteMb_;
    bool started_ = false;
    bool timing_ = false;
    QElapsedTimer since_;
    std::function<void(double)> done_;
    QList<double> latencies_;
    int stillLayingOut_ = 0;
};

} // namespace window
