#include "documents/file_commands.h"

#include "documents/common_dialog.h"
#include "documents/document.h"
#include "documents/file_dialog_settings.h"
#include "documents/file_messages.h"
#include "editor/rich_text_box.h"
#include "platform/dialogs.h"

#include <QFileInfo>

namespace documents {

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

FileCommands::FileCommands(editor::RichTextBox& editor, documents::Document& document,
                           CommonDialog& dialog, QWidget* window)
    : editor_(editor), document_(document), dialog_(dialog), window_(window)
{
}

void FileCommands::newDocument()
{
    if (document_.isChanged()) {
        const Answer answer = dialog_.dialogs().message(
            window_, documents::saveChangesText(), documents::saveChangesTitle(), Buttons::YesNo,
            Icon::Question);
        // Emptying the editor after a Save that did not happen, or after the question was
        // dismissed, would lose the document.
        if (answer == Answer::Cancel || (answer == Answer::Yes && !saveDocument()))
            return;
    }
    document_.startNew();
    diskCheck_.forget();
    settled();
}

void FileCommands::openDocument()
{
    if (document_.isChanged()) {
        const Answer answer = dialog_.dialogs().message(
            window_, documents::openSaveText(), documents::openSaveTitle(), Buttons::YesNo,
            Icon::Question);
        if (answer == Answer::Cancel || (answer == Answer::Yes && !saveDocument()))
            return;
        // Before the dialog: a cancelled Open still counts as asked.
        document_.markAsked();
    }
    documents::prepareFileDialog(dialog_);
    if (!dialog_.showOpen())
        return;
    openPath(dialog_.fileName);
}

void FileCommands::openPath(const QString& path)
{
    // As after the dialog: the next save dialog starts from this file.
    dialog_.fileName = path;
    // docpath changes only with the document: a Save after a failed Open must not write
    // over the file that could not be read.
    rtf::ReadNotes notes;
    const auto before = files::identityOf(path);
    if (const auto error = editor_.loadFile(path, &notes)) {
        // A read the user cancelled leaves the document as it was, with nothing to tell.
        if (error->kind != rtf::FailureKind::Cancelled)
            warn(documents::openFailedText(*error));
        return;
    }
    diskCheck_.remember(path, before);
    document_.opened(path);
    settled();
    // Told once, with the document already in the window behind the box.
    if (!notes.isEmpty())
        warn(documents::openNoticeText(path, notes));
}

bool FileCommands::saveDocument()
{
    QString path = document_.path();
    if (path.isEmpty()) {
        path = askSavePath();
        if (path.isEmpty())
            return false;
    }
    path = diskCheck_.confirmTarget(path, dialog_.dialogs(), window_, [this] { return askSavePath(); });
    if (path.isEmpty())
        return false;
    dialog_.fileName = path;
    if (!write(path))
        return false;
    document_.saved(path);
    settled();
    return true;
}

void FileCommands::saveDocumentAs()
{
    QString path = askSavePath();
    if (!path.isEmpty())
        path = diskCheck_.confirmTarget(path, dialog_.dialogs(), window_, [this] { return askSavePath(); });
    if (path.isEmpty() || !write(path))
        return;
    document_.savedAs(path);
    settled();
}

bool FileCommands::exitProgram()
{
    switch (dialog_.dialogs().message(window_, documents::saveChangesText(),
                                      documents::saveChangesTitle(), Buttons::YesNoCancel,
                                      Icon::Question)) {
    case Answer::Yes:
        // A Save that did not happen keeps the program, and the document, open.
        return saveDocument();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

bool FileCommands::queryClose()
{
    const Answer answer = dialog_.dialogs().message(
        window_, documents::saveChangesText(), documents::saveChangesTitle(), Buttons::YesNo,
        Icon::Question);
    switch (answer) {
    case Answer::Yes: return saveDocument();
    case Answer::No: return true;
    default: return false; // dismissed: the window stays, and the document with it
    }
}

QString FileCommands::askSavePath()
{
    documents::prepareFileDialog(dialog_);
    if (!dialog_.showSave())
        return {};
    const QString path = dialog_.fileName;
    if (replacesAnotherFile(path, document_.path())) {
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
    rtf::WriteNotes notes;
    if (const auto error = editor_.saveFile(path, &notes)) {
        warn(documents::saveFailedText(*error));
        return false;
    }
    // Saved without what could not be written: the user hears which part is missing.
    if (!notes.isEmpty())
        warn(documents::saveNoticeText(path, notes));
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

} // namespace documents
