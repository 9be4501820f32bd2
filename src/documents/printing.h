#pragma once
// File > Print and the tool bar's "print" button: the print dialog, then the document or
// its selection laid out for the chosen printer.

#include <QString>

class QPrinter;
class QWidget;
namespace editor { class RichTextBox; }

namespace documents {

class CommonDialog;


// Shows the print dialog (Selection preselected when text is selected, page ranges never
// offered) and prints what the user chose. Cancel prints nothing; a failure is reported
// in a warning box. Neither the document nor its state changes. A PDF file is titled with the
// name of the document's file `docpath`, when it has one.
void printDocument(editor::RichTextBox& editor, CommonDialog& dialog, QWidget* window, const QString& docpath = {});

// Lays out a copy of the editor's content (the selection when `selectionOnly` and text is
// selected, else the whole document) for `printer` and prints it page by page, adding
// nothing of its own (no page numbers). On failure returns false with a message for the
// user in `error`.
bool printEditorContent(const editor::RichTextBox& editor, QPrinter& printer, bool selectionOnly, QString* error);

} // namespace documents
