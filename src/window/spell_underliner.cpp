#include "window/spell_underliner.h"

#include "editor/rich_text_box.h"
#include "spelling/document_words.h"
#include "spelling/spell_service.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>

namespace window {

namespace {

// Lets a burst of keys or scrolling end before the view is looked at again.
constexpr int kPauseMs = 120;

} // namespace

SpellUnderliner::SpellUnderliner(editor::RichTextBox& editor, spelling::SpellService& service, QObject* parent)
    : QObject(parent), editor_(editor), service_(service)
{
    timer_.setSingleShot(true);
    timer_.setInterval(kPauseMs);
    connect(&timer_, &QTimer::timeout, this, &SpellUnderliner::refresh);
    connect(&service_, &spelling::SpellService::verdictsChanged, this, &SpellUnderliner::schedule);
    connect(editor_.verticalScrollBar(), &QScrollBar::valueChanged, this, &SpellUnderliner::schedule);
    connect(&editor_, &QTextEdit::textChanged, this, &SpellUnderliner::schedule);
    editor_.viewport()->installEventFilter(this);
}

void SpellUnderliner::setEnabled(bool on)
{
    if (enabled_ == on)
        return;
    enabled_ = on;
    refresh();
}

bool SpellUnderliner::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize)
        schedule();
    return QObject::eventFilter(watched, event);
}

void SpellUnderliner::schedule()
{
    if (enabled_ && !timer_.isActive())
        timer_.start();
}

void SpellUnderliner::refresh()
{
    timer_.stop();
    QList<QTextEdit::ExtraSelection> waves;
    if (enabled_) {
        QTextDocument& document = *editor_.document();
        const QRect view = editor_.viewport()->rect();
        const int first = editor_.cursorForPosition(view.topLeft()).position();
        const int last = editor_.cursorForPosition(view.bottomRight()).position();
        QTextCharFormat wave;
        wave.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        wave.setUnderlineColor(Qt::red);
        for (QTextBlock block = document.findBlock(first); block.isValid() && block.position() <= last;
             block = block.next()) {
            const spelling::BlockWords words = spelling::nqWordsOf(block, document);
            for (const spelling::WordSpan& span : words.words) {
                if (service_.verdict(words.text.mid(span.start, span.length)).value_or(true))
                    continue;
                QTextEdit::ExtraSelection selection;
                selection.cursor = QTextCursor(&document);
                selection.cursor.setPosition(block.position() + span.start);
                selection.cursor.setPosition(block.position() + span.start + span.length, QTextCursor::KeepAnchor);
                selection.format = wave;
                waves.append(selection);
            }
        }
    }
    editor_.setExtraSelections(waves);
}

} // namespace window
