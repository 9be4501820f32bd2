#include "window/recovery_offer.h"

#include "documents/common_dialog.h"
#include "documents/document.h"
#include "documents/file_messages.h"
#include "editor/rich_text_box.h"
#include "platform/dialogs.h"
#include "product/product.h"
#include "recovery/autosave.h"
#include "recovery/recovery_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

namespace window_recovery {

bool offerRecovery(recovery::RecoveryStore& store, recovery::Autosave& autosave,
                   editor::RichTextBox& editor, documents::Document& document, documents::CommonDialog& dialog,
                   platform::Dialogs& dialogs, QWidget* window)
{
    // Held while the question is open, so that a second start does not offer it too.
    const std::unique_ptr<recovery::ClaimedCopy> claim = store.claimLeftCopy();
    if (!claim)
        return false;
    const recovery::LeftCopy& copy = claim->copy();
    const QString what = copy.originalPath.isEmpty()
        ? QCoreApplication::translate("window_recovery", "an unsaved document")
        : QDir::toNativeSeparators(copy.originalPath);
    const QString text = QCoreApplication::translate("window_recovery",
                                                     "Restore the document you were writing when %1 last "
                                                     "stopped without closing?\n\nA recovery copy of %2 was "
                                                     "kept (%3). No discards the copy.")
                             .arg(product::kName, what,
                                  QLocale().toString(copy.written, QLocale::ShortFormat));
    switch (dialogs.message(window, text, product::kName, platform::Buttons::YesNo,
                            platform::Icon::Question)) {
    case platform::Answer::Yes:
        break;
    case platform::Answer::No:
        claim->remove();
        return false;
    default:
        return false;
    }
    if (const auto error = editor.loadFile(copy.rtfPath)) {
        dialogs.message(window, documents::recoveryCopyFailedText(*error),
                        documents::kNoticeTitle, platform::Buttons::Ok, platform::Icon::Warning);
        return false;
    }
    // Unsaved: the copy is not the user's file, and that file may hold an older text.
    document.restoredFromRecovery();
    dialog.fileName = copy.originalPath;
    // This run's own copy replaces the left one before that goes.
    if (autosave.writeNow(true))
        claim->remove();
    return true;
}

} // namespace window_recovery
