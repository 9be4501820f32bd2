#include "window/editing_probe.h"

#include "editor/rich_text_box.h"
#include "recovery/autosave.h"
#include "window/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace window {

namespace {

// Between key presses, as a quick typist leaves them: the rest of the layout runs there.
constexpr int kKeyGapMs = 50;

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

EditingProbe::EditingProbe(MainWindow& window, editor::RichTextBox& editor, const QElapsedTimer& sinceMain, int keys,
                           double pasteMb)
    : QObject(&window), window_(window), editor_(editor), sinceMain_(sinceMain), keys_(keys), pasteMb_(pasteMb)
{
}

void EditingProbe::installIfRequested(MainWindow& window, const QElapsedTimer& sinceMain)
{
    editor::RichTextBox& editor = *window.editor();
    if (!qEnvironmentVariableIsSet(kTypingVariable))
        return;
    const int keys = std::max(1, qEnvironmentVariableIntValue(kTypingVariable));
    const double pasteMb = qEnvironmentVariable(kPasteVariable).toDouble();
    auto* probe = new EditingProbe(window, editor, sinceMain, keys, pasteMb);
    window.winId();
    if (QWindow* handle = window.windowHandle())
        handle->installEventFilter(probe);
    editor.viewport()->installEventFilter(probe);
}

bool EditingProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && !started_ && qobject_cast<QWindow*>(watched)) {
        started_ = true;
        std::printf("norvelin: window shown %.1f ms after main()\n", sinceMain_.nsecsElapsed() / 1e6);
        QTimer::singleShot(0, this, [this] { typeKeys("while laying out", [this] { waitForLayout(); }); });
    } else if (event->type() == QEvent::Paint && timing_ && watched == editor_.viewport()) {
        timing_ = false;
        // The paint runs after this filter; queued calls run after the paint.
        QTimer::singleShot(0, this, [this] { done_(since_.nsecsElapsed() / 1e6); });
    }
    return QObject::eventFilter(watched, event);
}

bool EditingProbe::laidOut() const
{
    const QTextBlock last = editor_.document()->lastBlock();
    return last.layout() && last.layout()->lineCount() > 0;
}

void EditingProbe::timeToRepaint(const std::function<void()>& action, const std::function<void(double)>& done)
{
    done_ = done;
    timing_ = true;
    since_.start();
    action();
}

void EditingProbe::typeKeys(const char* where, const std::function<void()>& next)
{
    latencies_.clear();
    stillLayingOut_ = 0;
    typeOneKey(keys_, where, next);
}

void EditingProbe::typeOneKey(int left, const char* where, const std::function<void()>& next)
{
    if (left == 0) {
        const double worst = *std::max_element(latencies_.cbegin(), latencies_.cend());
        std::printf("norvelin: key press to repaint, %s: median %.2f ms, max %.2f ms (%lld keys, "
                    "%d while the layout was still running)\n",
                    where, median(latencies_), worst, static_cast<long long>(latencies_.size()),
                    stillLayingOut_);
        std::fflush(stdout);
        next();
        return;
    }
    if (!laidOut())
        ++stillLayingOut_;
    timeToRepaint(
        [this, left] {
            if (beforeKey_)
                beforeKey_(left);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_K, Qt::NoModifier, QStringLiteral("k"));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_K, Qt::NoModifier, QStringLiteral("k"));
            QApplication::sendEvent(&editor_, &press);
            QApplication::sendEvent(&editor_, &release);
        },
        [=, this](double ms) {
            latencies_.append(ms);
            QTimer::singleShot(kKeyGapMs, this, [=, this] { typeOneKey(left - 1, where, next); });
        });
}

void EditingProbe::waitForLayout()
{
    if (!laidOut()) {
        QTimer::singleShot(20, this, &EditingProbe::waitForLayout);
        return;
    }
    std::printf("norvelin: whole document laid out %.1f ms after main()\n", sinceMain_.nsecsElapsed() / 1e6);
    std::fflush(stdout);
    typeInTheMiddle();
}

void EditingProbe::typeInTheMiddle()
{
    QTextCursor middle(editor_.document());
    middle.setPosition(editor_.document()->characterCount() / 2);
    editor_.setTextCursor(middle);
    editor_.ensureCursorVisible();
    QTimer::singleShot(200, this, [this] {
        typeKeys("in the middle", [this] {
            typeWithRecoveryCopies([this] {
                if (pasteMb_ > 0)
                    paste();
                else
                    finish();
            });
        });
    });
}

void EditingProbe::typeWithRecoveryCopies(const std::function<void()>& next)
{
    if (!qEnvironmentVariableIsSet(kRecoveryVariable)) {
        next();
        return;
    }
    // Every tenth key starts a copy, as a timer that falls due just then would.
    recovery::Autosave& autosave = window_.autosave();
    beforeKey_ = [&autosave](int left) {
        if (left % 10 == 0)
            autosave.writeInBackground();
    };
    typeKeys("a recovery copy started with the key", [this, &autosave, next] {
        autosave.waitForWorker();
        beforeKey_ = [&autosave](int left) {
            if (left % 10 == 0)
                autosave.writeNow();
        };
        typeKeys("the copy written whole on the window's thread", [this, next] {
            beforeKey_ = nullptr;
            next();
        });
    });
}

void EditingProbe::paste()
{
    // Lines of typed NQ letters, as text copied from another document arrives.
    const QString line = QStringLiteral("amar sonar baMla ami etomay valobasi, ciridn etomar akaS etomar bataS\n");
    QString text;
    const qsizetype size = qsizetype(pasteMb_ * 1024 * 1024);
    text.reserve(size + line.size());
    while (text.size() < size)
        text += line;
    QApplication::clipboard()->setText(text);
    QTimer::singleShot(100, this, [this, size] {
        timeToRepaint([this] { editor_.paste(); },
                      [this, size](double ms) {
                          std::printf("norvelin: paste of %.1f MB to repaint: %.1f ms\n", size / 1048576.0, ms);
                          QTimer::singleShot(kKeyGapMs, this, [this] {
                              typeKeys("after the paste", [this] { finish(); });
                          });
                      });
    });
}

void EditingProbe::finish()
{
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

} // namespace window
