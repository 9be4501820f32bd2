#pragma once
// At start-up, when an earlier run ended without closing (a crash, a kill, a power cut) and
// left a recovery copy, the window offers to restore it.

namespace documents { class CommonDialog; }
class QWidget;
namespace editor { class RichTextBox; }
namespace documents { class Document; }
namespace platform { class Dialogs; }
namespace recovery { class Autosave; class RecoveryStore; }

namespace window_recovery {

// The question for the newest left copy. Yes restores it as an unsaved document whose Save
// and Save As dialogs start at its own file; No discards the copy; dismissing the question
// keeps it for the next start. Copies beyond the newest are offered at later starts.
// Returns true when a document was restored.
bool offerRecovery(recovery::RecoveryStore& store, recovery::Autosave& autosave,
                   editor::RichTextBox& editor, documents::Document& document, documents::CommonDialog& dialog,
                   platform::Dialogs& dialogs, QWidget* window);

} // namespace window_recovery
