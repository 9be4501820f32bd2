#include "window/spelling_controls.h"

#include "editor/rich_text_box.h"
#include "nq/face.h"
#include "spelling/dictionary_files.h"
#include "spelling/document_words.h"
#include "spelling/spell_service.h"
#include "window/spell_underliner.h"
#include "window/spelling_dialog.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTextBlock>

namespace window {

namespace {

const QString kAsYouTypeKey = QStringLiteral("spelling/checkAsYouType");

QSettings settings()
{
    return QSettings(QStringLiteral("norvelin"), QStringLiteral("norvelin"));
}

} // namespace

SpellingControls::SpellingControls(editor::RichTextBox& editor, QMenu& tools, const QString& programDir, QWidget* window)
    : QObject(window), editor_(editor), window_(window), programDir_(programDir)
{
    asYouType_ = tools.addAction(tr("Check Spelling As You &Type"));
    asYouType_->setObjectName(QStringLiteral("spellcheck"));
    asYouType_->setCheckable(true);
    QAction* dialog = tools.addAction(tr("&Spelling…"));
    dialog->setObjectName(QStringLiteral("spelling"));
    dialog->setShortcut(QKeySequence(Qt::Key_F7));
    QAction* suggestions = tools.addAction(tr("Spelling Su&ggestions"));
    suggestions->setObjectName(QStringLiteral("suggestions"));
    suggestions->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F7));
    actions_ = {asYouType_, dialog, suggestions};

    const bool on = settings().value(kAsYouTypeKey, true).toBool();
    asYouType_->setChecked(on);
    if (on)
        underliner().setEnabled(true);
    connect(asYouType_, &QAction::toggled, this, &SpellingControls::setCheckAsYouType);
    connect(dialog, &QAction::triggered, this, &SpellingControls::openDialog);
    connect(suggestions, &QAction::triggered, this, &SpellingControls::showSuggestionsAtCaret);
}

SpellingControls::~SpellingControls()
{
    // The underliner and dialog talk to the service: they go first.
    delete dialog_;
    underliner_.reset();
}

void SpellingControls::ensureStarted()
{
    if (service_)
        return;
    service_ = std::make_unique<spelling::SpellService>(spelling::findDictionaryFolder(programDir_),
                                                        spelling::personalDictionaryPath());
    underliner_ = std::make_unique<SpellUnderliner>(editor_, *service_);
}

spelling::SpellService& SpellingControls::service()
{
    ensureStarted();
    return *service_;
}

SpellUnderliner& SpellingControls::underliner()
{
    ensureStarted();
    return *underliner_;
}

void SpellingControls::setCheckAsYouType(bool on)
{
    if (asYouType_->isChecked() != on)
        asYouType_->setChecked(on);   // comes back here through toggled
    settings().setValue(kAsYouTypeKey, on);
    if (on || underliner_)
        underliner().setEnabled(on);
}

void SpellingControls::openDialog()
{
    if (!dialog_)
        dialog_ = new SpellingDialog(editor_, service(), window_);
    dialog_->show();
    dialog_->raise();
    dialog_->start();
}

void SpellingControls::showSuggestionsAtCaret()
{
    // The word the caret is in or at the end of.
    const QTextCursor caret = editor_.textCursor();
    const QTextBlock block = caret.block();
    const spelling::BlockWords words = spelling::nqWordsOf(block, *editor_.document());
    const int at = caret.position() - block.position();
    for (const spelling::WordSpan& span : words.words) {
        if (at < span.start || at > span.start + span.length)
            continue;
        const QString word = words.text.mid(span.start, span.length);
        const int start = block.position() + span.start;
        auto* menu = new QMenu(&editor_);
        menu->setObjectName(QStringLiteral("spellingSuggestions"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->setFont(QFont(nq::kFace, 16));
        QAction* waiting = menu->addAction(tr("Looking for suggestions…"));
        waiting->setEnabled(false);
        suggestionsMenu_ = menu;
        auto fill = [this, menu, waiting, word, start](const QString& asked, const QStringList& suggestions) {
            if (asked != word)
                return;
            menu->removeAction(waiting);
            if (suggestions.isEmpty())
                menu->addAction(tr("(no suggestions)"))->setEnabled(false);
            for (const QString& suggestion : suggestions) {
                connect(menu->addAction(suggestion), &QAction::triggered, this, [this, start, word, suggestion] {
                    // Only when the word is still there as it was.
                    QTextCursor cursor(editor_.document());
                    cursor.setPosition(start);
                    cursor.setPosition(start + int(word.size()), QTextCursor::KeepAnchor);
                    if (cursor.selectedText() != word)
                        return;
                    cursor.setPosition(start + 1);
                    const QTextCharFormat format = cursor.charFormat();
                    cursor.setPosition(start);
                    cursor.setPosition(start + int(word.size()), QTextCursor::KeepAnchor);
                    cursor.insertText(suggestion, format);
                    editor_.setTextCursor(cursor);
                });
            }
            menu->adjustSize();
        };
        connect(&service(), &spelling::SpellService::suggestionsReady, menu, fill);
        service().requestSuggestions(word);
        menu->popup(editor_.viewport()->mapToGlobal(editor_.cursorRect().bottomLeft()));
        return;
    }
}

} // namespace window
