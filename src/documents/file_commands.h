#pragma once
// New, Open, Save and Save As, and the save prompts on leaving the program. Each moves the
// document through its transitions as the commands have always moved it, except
// where that would lose work: a Save that is cancelled or fails stops the command that ran
// it, and files that cannot be read or written are reported.

#include "documents/disk_change_check.h"

#include <QString>
#include <functional>

namespace documents { class CommonDialog; }
namespace documents { class Document; }
namespace editor { class RichTextBox; }
class QWidget;

namespace documents {

class FileCommands {
public:
    FileCommands(editor::RichTextBox& editor, documents::Document& document, CommonDialog& dialog,
                 QWidget* window);

    void newDocument();
    void openDocument();
    // Open's work after its dialog: loads `path`, or warns and leaves the document as it was.
    // The command line's file takes this road too.
    void openPath(const QString& path);
    bool saveDocument();       // true when the document was written
    void saveDocumentAs();
    bool exitProgram();       // true when the program must end now, with no closing prompt
    bool queryClose();       // true when the window may close

    // Called whenever the document reaches a file or is replaced on purpose (a Save or
    // Save As that wrote it, New, a successful Open): no unsaved change is left to guard.
    void setSettledHandler(std::function<void()> handler) { settled_ = std::move(handler); }

private:
    // The path chosen in the save dialog, or an empty text when the user cancelled it or
    // declined to replace an existing file.
    QString askSavePath();
    // Writes the document; on failure warns and returns false.
    bool write(const QString& path);
    void warn(const QString& text);
    void settled();

    editor::RichTextBox& editor_;
    documents::Document& document_;
    CommonDialog& dialog_;
    QWidget* window_;
    std::function<void()> settled_;
    documents::DiskChangeCheck diskCheck_;
};

} // namespace documents
