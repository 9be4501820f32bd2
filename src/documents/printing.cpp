#include "documents/printing.h"

#include "documents/common_dialog.h"
#include "editor/rich_text_box.h"
#include "platform/dialogs.h"
#include "printout/paged_document.h"
#include "printout/pdf_printout.h"
#include "product/product.h"
#include "rtf/page_setup.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>
#include <memory>

namespace documents {

namespace {

QString describe(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QCoreApplication::translate("documents", "Cannot print to the file \"%1\": it could not be written.")
            .arg(printer.outputFileName());
    return QCoreApplication::translate("documents", "Cannot print on the printer \"%1\".").arg(printer.printerName());
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

bool printEditorContent(const editor::RichTextBox& editor, QPrinter& printer, bool selectionOnly, QString* error)
{
    // A printer object left without a printer falls back to a PDF file with no name.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        setError(error, QCoreApplication::translate("documents", "There is no printer to print on."));
        return false;
    }
    if (!printer.isValid()) {
        setError(error, describe(printer));
        return false;
    }

    // The editor's own document stays as it is; a copy is laid out for the printer.
    std::unique_ptr<QTextDocument> copy = selectionOnly
        ? editor.printableCopy()
        : std::unique_ptr<QTextDocument>(editor.document()->clone());
    if (!printout::paintPages(*copy, printer) || printer.printerState() == QPrinter::Error) {
        setError(error, describe(printer));
        return false;
    }
    return true;
}

void printDocument(editor::RichTextBox& editor, CommonDialog& dialog, QWidget* window, const QString& docpath)
{
    dialog.printFlags = CommonDialog::kNoPageNumbers;
    if (editor.selectionLength() != 0)
        dialog.printFlags += CommonDialog::kPrintSelection;

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(product::kName); // the job's name in the print queue
    // A document that names its paper and margins prints on them unless the dialog changes them.
    if (const auto page = rtf::pageLayoutOf(*editor.document()))
        printer.setPageLayout(*page);
    if (!dialog.printerName.isEmpty())
        printer.setPrinterName(dialog.printerName);
    else if (!dialog.printFileName.isEmpty())
        printer.setOutputFileName(dialog.printFileName);
    bool printSelection = false;
    if (!dialog.showPrinter(printer, printSelection))
        return;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        dialog.printFileName = printer.outputFileName();
        dialog.printerName.clear();
    } else {
        dialog.printerName = printer.printerName();
    }

    QString error;
    if (!printEditorContent(editor, printer, printSelection, &error)) {
        dialog.dialogs().message(window, error, product::kName, platform::Buttons::Ok,
                                 platform::Icon::Warning);
        return;
    }
    // A PDF file gets Unicode text behind its NQ glyphs; without it, it stays as printed.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString title = docpath.isEmpty() ? QString() : QFileInfo(docpath).completeBaseName();
        if (const auto notice = printout::addTextToPdfFile(printer.outputFileName(), title))
            dialog.dialogs().message(window, *notice, product::kName, platform::Buttons::Ok,
                                     platform::Icon::Warning);
    }
}

} // namespace documents
