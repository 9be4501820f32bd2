#include "platform/dialogs.h"

#include <QPushButton>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTimer>

namespace platform {

QString toQtFilter(const QString& filter)
{
    const auto parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return filter;
    return QStringLiteral("%1 (%2)").arg(parts[0], parts[1]);
}

Answer QtDialogs::message(QWidget* parent, const QString& text, const QString& title,
                          Buttons buttons, Icon icon)
{
    QMessageBox box(parent);
    box.setText(text);
    box.setWindowTitle(title);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo: {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        // Esc or the close button dismisses the question, which is not an answer of No: a
        // hidden Cancel button takes both, so only Yes and No are shown.
        QPushButton* dismiss = box.addButton(QMessageBox::Cancel);
        dismiss->hide();
        box.setEscapeButton(dismiss);
        break;
    }
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
    }
}

static std::optional<QString> runFileDialog(QWidget* parent, const FileRequest& request,
                                            QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // The caller asks about overwriting when it matters; no default suffix is added.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(toQtFilter(request.filter));
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::openFileName(QWidget* parent, const FileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFileName(QWidget* parent, const FileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QColor> QtDialogs::pickColor(QWidget* parent, const QColor& initial)
{
    QColorDialog dialog(initial, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

bool QtDialogs::setupPrinter(QWidget* parent, QPrinter& printer, const PrintRequest& request,
                             bool& printSelection)
{
    QPrintDialog dialog(&printer, parent);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile
        | QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintSelection;
    if (request.pageRangesEnabled)
        options |= QAbstractPrintDialog::PrintPageRange;
    dialog.setOptions(options);
    dialog.setPrintRange(request.selectionPreselected ? QAbstractPrintDialog::Selection
                                                      : QAbstractPrintDialog::AllPages);
    if (!request.pageRangesEnabled) {
        // Qt's CUPS dialog enables its range choices again whenever it is shown, whatever
        // the options say: switch them off once it is on screen.
        QTimer::singleShot(0, &dialog, [&dialog] {
            for (const char* name : {"printRange", "pagesRadioButton"}) {
                if (auto* radio = dialog.findChild<QRadioButton*>(QLatin1String(name)))
                    radio->setEnabled(false);
            }
        });
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printSelection = dialog.printRange() == QAbstractPrintDialog::Selection;
    return true;
}

} // namespace platform
