#include "window/spelling_dialog.h"

#include "editor/rich_text_box.h"
#include "nq/face.h"
#include "spelling/spell_service.h"
#include "spelling/spelling_session.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace window {

SpellingDialog::SpellingDialog(editor::RichTextBox& editor, spelling::SpellService& service, QWidget* parent)
    : QDialog(parent), editor_(editor), service_(service)
{
    setObjectName(QStringLiteral("spellingDialog"));
    setWindowTitle(tr("Spelling"));
    setModal(false);
    QFont bengali(nq::kFace, 16);

    status_ = new QLabel(this);
    word_ = new QLineEdit(this);
    word_->setReadOnly(true);
    word_->setFont(bengali);
    changeTo_ = new QLineEdit(this);
    changeTo_->setFont(bengali);
    suggestions_ = new QListWidget(this);
    suggestions_->setFont(bengali);
    connect(suggestions_, &QListWidget::currentTextChanged, changeTo_, &QLineEdit::setText);

    auto* form = new QFormLayout;
    form->addRow(tr("Not in dictionary:"), word_);
    form->addRow(tr("Change to:"), changeTo_);
    form->addRow(tr("Suggestions:"), suggestions_);

    auto* buttons = new QVBoxLayout;
    const auto add = [&](const char* name, const QString& caption, auto handler) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
        commands_.append(button);
    };
    add("change", tr("&Change"), [this] {
        const QString replacement = changeTo_->text();
        setBusy();
        session_->change(replacement);
    });
    add("changeall", tr("Change A&ll"), [this] {
        const QString replacement = changeTo_->text();
        setBusy();
        session_->changeAll(replacement);
    });
    add("ignore", tr("&Ignore"), [this] { setBusy(); session_->ignore(); });
    add("ignoreall", tr("I&gnore All"), [this] { setBusy(); session_->ignoreAll(); });
    add("add", tr("&Add to Dictionary"), [this] { setBusy(); session_->addToDictionary(); });
    buttons->addStretch();
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(close);

    auto* columns = new QHBoxLayout;
    columns->addLayout(form, 1);
    columns->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addLayout(columns);

    connect(&service_, &spelling::SpellService::suggestionsReady, this, &SpellingDialog::takeSuggestions);
}

SpellingDialog::~SpellingDialog() = default;

QPushButton* SpellingDialog::button(const QString& name) const
{
    for (QPushButton* button : commands_)
        if (button->objectName() == name)
            return button;
    return nullptr;
}

void SpellingDialog::start()
{
    session_ = std::make_unique<spelling::SpellingSession>(*editor_.document(), service_,
                                                           editor_.textCursor().selectionStart());
    connect(session_.get(), &spelling::SpellingSession::found, this, &SpellingDialog::showFound);
    connect(session_.get(), &spelling::SpellingSession::finished, this, &SpellingDialog::showFinished);
    setBusy();
    session_->findNext();
}

void SpellingDialog::setBusy()
{
    status_->setText(tr("Checking…"));
    word_->clear();
    changeTo_->clear();
    suggestions_->clear();
    for (QPushButton* button : std::as_const(commands_))
        button->setEnabled(false);
}

void SpellingDialog::showFound(int position, int length, const QString& nqWord)
{
    QTextCursor cursor(editor_.document());
    cursor.setPosition(position);
    cursor.setPosition(position + length, QTextCursor::KeepAnchor);
    editor_.setTextCursor(cursor);
    status_->setText(tr("Not in the dictionary."));
    word_->setText(nqWord);
    changeTo_->setText(nqWord);
    for (QPushButton* button : std::as_const(commands_))
        button->setEnabled(true);
    service_.requestSuggestions(nqWord);
}

void SpellingDialog::takeSuggestions(const QString& nqWord, const QStringList& nqSuggestions)
{
    if (!session_ || nqWord != session_->word() || session_->position() < 0)
        return;
    suggestions_->clear();
    suggestions_->addItems(nqSuggestions);
    if (!nqSuggestions.isEmpty())
        suggestions_->setCurrentRow(0);
}

void SpellingDialog::showFinished()
{
    status_->setText(tr("The spelling check is complete."));
}

} // namespace window
