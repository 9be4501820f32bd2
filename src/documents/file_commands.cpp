#include "documents/file_commands.h"

#include "documents/common_dialog.h"
#include "documents/document_state.h"
#include "documents/file_dialog_settings.h"
#include "documents/file_messages.h"
#include "editor/rich_text_box.h"
#include "platform/dialogs.h"

#include <QFileInfo>

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

// Saving onto an existing file replaces it; that needs asking unless the file is the
// document's own (saving there is what Save always does).
bool replacesAnotherFile(const QString& chosen, const QString& ownPath)
{
    const QFileInfo target(chosen);
    if (!target.exists() || target.isDir())
        return false;
    if (ownPath.isEmpty())
        return true;
    const QFileInfo own(ownPath);
    return !own.exists() || target.canonicalFilePath() != own.canonicalFilePath();
}

} // namespace

FileCommands::FileCommands(RichTextBox& editor, DocumentState& state, CommonDialog& dialog,
                           QWidget* window)
    : editor_(editor), state_(state), dialog_(dialog), window_(window)
{
}

void FileCommands::new_Click()
{
    if (state_.isChanged()) {
        const Answer answer = dialog_.dialogs().message(
            window_, documents::kSaveChangesText, documents::kSaveChangesTitle, Buttons::YesNo,
            Icon::Question);
        // Emptying the editor after a Save that did not happen, or after the question was
        // dismissed, would lose the document.
        if (answer == Answer::Cancel || (answer == Answer::Yes && !save_Click()))
            return;
    }
    editor_.clearContent();
    state_.docpath.clear();
    diskCheck_.forget();
    // Only now: emptying the editor reports a selection change.
    state_.docstate = DocumentState::kSettled;
    state_.setCaption(DocumentState::kTitle + DocumentState::kUnsavedLabel);
    settled();
}

void FileCommands::open_Click()
{
    if (state_.isChanged()) {
        const Answer answer = dialog_.dialogs().message(
            window_, documents::kOpenSaveText, documents::kOpenSaveTitle, Buttons::YesNo,
            Icon::Question);
        if (answer == Answer::Cancel || (answer == Answer::Yes && !save_Click()))
            return;
        // Settled on either answer, before the dialog: a cancelled Open still counts as asked.
        state_.docstate = DocumentState::kSettled;
    }
    documents::prepareFileDialog(dialog_);
    if (!dialog_.ShowOpen())
        return;
    openPath(dialog_.FileName);
}

void FileCommands::openPath(const QString& path)
{
    // As after the dialog: the next save dialog starts from this file.
    dialog_.FileName = path;
    // docpath changes only with the document: a Save after a failed Open must not write
    // over the file that could not be read.
    QStringList notices;
    const auto before = files::identityOf(path);
    if (const auto error = editor_.LoadFile(path, &notices)) {
        warn(documents::openFailedText(path, *error));
        return;
    }
    diskCheck_.remember(path, before);
    state_.docpath = path;
    state_.setCaption(DocumentState::kOpenTitle + state_.docpath);
    settled();
    // Told once, with the document already in the window behind the box.
    if (!notices.isEmpty())
        warn(notices.join(u'\n'));
}

bool FileCommands::save_Click()
{
    QString path = state_.docpath;
    if (path.isEmpty()) {
        path = askSavePath();
        if (path.isEmpty())
            return false;
    }
    path = diskCheck_.confirmTarget(path, dialog_.dialogs(), window_, [this] { return askSavePath(); });
    if (path.isEmpty())
        return false;
    dialog_.FileName = path;
    if (!write(path))
        return false;
    state_.docpath = path;
    state_.setCaption(DocumentState::kSaveTitle + state_.docpath);
    state_.docstate = DocumentState::kSettled;
    settled();
    return true;
}

void FileCommands::saveas_Click()
{
    QString path = askSavePath();
    if (!path.isEmpty())
        path = diskCheck_.confirmTarget(path, dialog_.dialogs(), window_, [this] { return askSavePath(); });
    if (path.isEmpty() || !write(path))
        return;
    state_.docpath = path;
    state_.setCaption(DocumentState::kTitle + state_.docpath);
    state_.docstate = DocumentState::kSettled;
    settled();
}

bool FileCommands::exit_Click()
{
    switch (dialog_.dialogs().message(window_, documents::kSaveChangesText,
                                      documents::kSaveChangesTitle, Buttons::YesNoCancel,
                                      Icon::Question)) {
    case Answer::Yes:
        // A Save that did not happen keeps the program, and the document, open.
        return save_Click();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

bool FileCommands::Form_QueryUnload()
{
    const Answer answer = dialog_.dialogs().message(
        window_, documents::kSaveChangesText, documents::kSaveChangesTitle, Buttons::YesNo,
        Icon::Question);
    switch (answer) {
    case Answer::Yes: return save_Click();
    case Answer::No: return true;
    default: return false; // dismissed: the window stays, and the document with it
    }
}

QString FileCommands::askSavePath()
{
    documents::prepareFileDialog(dialog_);
    if (!dialog_.ShowSave())
        return {};
    const QString path = dialog_.FileName;
    if (replacesAnotherFile(path, state_.docpath)) {
        const Answer answer = dialog_.dialogs().message(
            window_, documents::replaceQuestionText(path), documents::kNoticeTitle,
            Buttons::YesNo, Icon::Warning);
        if (answer != Answer::Yes)
            return {};
    }
    return path;
}

bool FileCommands::write(const QString& path)
{
    if (const auto error = editor_.SaveFile(path)) {
        warn(documents::saveFailedText(path, *error));
        return false;
    }
    diskCheck_.remember(path);
    return true;
}

void FileCommands::settled()
{
    if (settled_)
        settled_();
}

void FileCommands::warn(const QString& text)
{
    dialog_.dialogs().message(window_, text, documents::kNoticeTitle, Buttons::Ok, Icon::Warning);
}
