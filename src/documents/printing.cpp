#include "documents/printing.h"

#include "documents/common_dialog.h"
#include "editor/rich_text_box.h"
#include "platform/dialogs.h"
#include "product/product.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>
#include <QTextFrame>
#include <memory>

namespace {

// The resolution at which text formats give lengths in pixels: the primary screen's logical
// resolution, 96 when the application asks for it, and 100 without a screen, as Qt's text
// layout assumes.
int textFormatDpiY()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return qRound(screen->logicalDotsPerInchY());
    return 100;
}

// Margins for a printer that offers none of its own (a PDF file, a borderless page).
constexpr qreal kMinimumMarginMm = 10.0;
constexpr qreal kDefaultMarginMm = 20.0;

void ensureMargins(QPrinter& printer)
{
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    const bool tooNarrow = margins.left() < kMinimumMarginMm || margins.top() < kMinimumMarginMm
        || margins.right() < kMinimumMarginMm || margins.bottom() < kMinimumMarginMm;
    if (tooNarrow) {
        const qreal m = kDefaultMarginMm;
        printer.setPageMargins(QMarginsF(std::max(margins.left(), m), std::max(margins.top(), m),
                                         std::max(margins.right(), m),
                                         std::max(margins.bottom(), m)),
                               QPageLayout::Millimeter);
    }
}

QString describe(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("Cannot print to the file \"%1\": it could not be written.")
            .arg(printer.outputFileName());
    return QStringLiteral("Cannot print on the printer \"%1\".").arg(printer.printerName());
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

bool SelPrint(const RichTextBox& editor, QPrinter& printer, bool selectionOnly, QString* error)
{
    // A printer object left without a printer falls back to a PDF file with no name.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        setError(error, QStringLiteral("There is no printer to print on."));
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

    // The margins go into the document's frame rather than the printer's page, so that the
    // layout keeps every line off the page edges and none is cut in two at a page break.
    ensureMargins(printer);
    const QPageLayout pageLayout = printer.pageLayout();
    const QRect paper = pageLayout.fullRectPixels(printer.resolution());
    const QRect body = pageLayout.paintRectPixels(printer.resolution());
    printer.setFullPage(true);

    QPainter painter;
    if (!painter.begin(&printer)) {
        setError(error, describe(printer));
        return false;
    }

    copy->documentLayout()->setPaintDevice(&printer);
    // Frame margins are given at the default resolution; the layout scales them to the device.
    const qreal toLayout = qreal(textFormatDpiY()) / printer.logicalDpiY();
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setLeftMargin((body.left() - paper.left()) * toLayout);
    frame.setTopMargin((body.top() - paper.top()) * toLayout);
    frame.setRightMargin((paper.right() - body.right()) * toLayout);
    frame.setBottomMargin((paper.bottom() - body.bottom()) * toLayout);
    copy->rootFrame()->setFrameFormat(frame);
    const QRectF sheet(QPointF(0, 0), QSizeF(paper.size()));
    copy->setPageSize(sheet.size());

    const int pages = copy->pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage())
            break;
        painter.save();
        const QRectF area = sheet.translated(0, page * sheet.height());
        painter.translate(0, -area.top());
        copy->drawContents(&painter, area);
        painter.restore();
    }
    const bool finished = painter.end();
    if (!finished || printer.printerState() == QPrinter::Error) {
        setError(error, describe(printer));
        return false;
    }
    return true;
}

void print_Click(RichTextBox& editor, CommonDialog& dialog, QWidget* window)
{
    dialog.Flags = CommonDialog::kNoPageNumbers;
    if (editor.SelLength() != 0)
        dialog.Flags += CommonDialog::kPrintSelection;

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(product::kName); // the job's name in the print queue
    if (!dialog.PrinterName.isEmpty())
        printer.setPrinterName(dialog.PrinterName);
    else if (!dialog.PrintFileName.isEmpty())
        printer.setOutputFileName(dialog.PrintFileName);
    bool printSelection = false;
    if (!dialog.ShowPrinter(printer, printSelection))
        return;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        dialog.PrintFileName = printer.outputFileName();
        dialog.PrinterName.clear();
    } else {
        dialog.PrinterName = printer.printerName();
    }

    QString error;
    if (!SelPrint(editor, printer, printSelection, &error))
        dialog.dialogs().message(window, error, product::kName, platform::Buttons::Ok,
                                 platform::Icon::Warning);
}
