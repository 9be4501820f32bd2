#include "editor/background_load.h"

#include "editor/long_paragraphs.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QFont>
#include <QPointer>
#include <QProgressDialog>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextOption>
#include <QThread>
#include <QTimer>

#include <atomic>

namespace editing {
namespace {

// While the worker reads, the event loop runs for painting and for the progress dialog;
// a key, a click or a close meant for the window would act on a document about to be
// replaced, or start a second read.
class InputHold final : public QObject {
public:
    explicit InputHold(const QPointer<QProgressDialog>& dialog) : dialog_(dialog) { qApp->installEventFilter(this); }
    ~InputHold() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::Close:
            break;
        default:
            return false;
        }
        // Windows hand their input on to widgets: it is held there, where the dialog's own
        // widgets can be told apart. Actions' shortcuts arrive at the action itself.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget && event->type() != QEvent::Shortcut)
            return false;
        if (widget && dialog_ && (widget == dialog_ || dialog_->isAncestorOf(widget)))
            return false;
        // An accepted override keeps a shortcut from firing; an ignored close keeps the window.
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();
        else
            event->ignore();
        return true;
    }

private:
    QPointer<QProgressDialog> dialog_;
};

// Qt's layout visits every paragraph after an edit, and every one not laid out yet while it
// still lays out in the background; two things there cost time in proportion to the whole
// document at every key. Each paragraph's direction: unless the paragraph says, Qt looks for
// the first letter with a direction, walking the text through two lookups in its piece
// table; an RTF paragraph is left to right unless it says \rtlpar (which sets it), and so
// it is written back, so that is the default. And each paragraph's layout object, made
// there for all of them at the first key: made here, on the worker.
void prepareForLayout(QTextDocument& document)
{
    QTextOption option = document.defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    document.setDefaultTextOption(option);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        (void)block.layout();
}

} // namespace

LoadResult loadInBackground(const QString& path, const QFont& defaultFont, QWidget* parent, int progressDelayMs)
{
    LoadResult result;
    const QFileInfo info(path);
    if (info.isFile() && info.size() > rtf::kMaxEditableBytes) {
        rtf::Failure failure;
        failure.kind = rtf::FailureKind::TooLargeToEdit;
        failure.path = path;
        failure.size = info.size();
        result.failure = failure;
        return result;
    }

    std::atomic<bool> cancel{false};
    std::atomic<qint64> bytesRead{0};
    QThread* const target = QThread::currentThread();
    QTextDocument* built = nullptr;
    std::optional<rtf::Failure> failure;
    rtf::ReadNotes notes;
    QThread* worker = QThread::create([&] {
        auto document = std::make_unique<QTextDocument>();
        document->setDefaultFont(defaultFont);
        rtf::ReadLimits limits;
        limits.cancel = &cancel;
        limits.bytesRead = &bytesRead;
        failure = rtf::loadFile(path, *document, &notes, limits);
        if (!failure && cancel.load()) {
            failure = rtf::Failure();
            failure->kind = rtf::FailureKind::Cancelled;
        }
        if (!failure) {
            notes.paragraphsSplit = splitLongParagraphs(*document, rtf::kMaxEditableParagraph);
            prepareForLayout(*document);
            // Objects are moved by the thread they live in; the caller's thread takes it over.
            document->moveToThread(target);
            built = document.release();
        }
    });

    const qint64 size = std::max<qint64>(1, info.size());
    QPointer<QProgressDialog> dialog = new QProgressDialog(
        QCoreApplication::translate("editing", "Opening %1…").arg(info.fileName()),
        QCoreApplication::translate("editing", "Cancel"), 0, 1000, parent);
    dialog->setObjectName(QStringLiteral("openingProgress"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(progressDelayMs);
    dialog->setValue(0);
    QObject::connect(dialog, &QProgressDialog::canceled, dialog, [&cancel] { cancel.store(true); });
    InputHold hold(dialog);

    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    QTimer progress;
    QObject::connect(&progress, &QTimer::timeout, dialog, [&] {
        // Escape or closing the dialog cancels it without the signal.
        if (dialog && dialog->wasCanceled())
            cancel.store(true);
        else if (dialog)
            dialog->setValue(int(std::min<qint64>(999, bytesRead.load() * 1000 / size)));
    });
    progress.start(50);
    worker->start();
    loop.exec();
    // The program may be ending (quit() leaves every loop): the read is not waited out.
    if (!worker->isFinished())
        cancel.store(true);
    worker->wait();
    delete worker;
    progress.stop();
    delete dialog;

    result.document.reset(built);
    result.failure = failure;
    if (result.failure)
        result.failure->path = path;
    else
        result.notes = notes;
    return result;
}

} // namespace editing
