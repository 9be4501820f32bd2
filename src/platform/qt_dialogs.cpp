#include "platform/dialogs.h"
#include "platform/file_icons.h"

#include <QPushButton>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
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
    // Messages name files, and a file's name may look like markup: never read it as such.
    box.setTextFormat(Qt::PlainText);
    const qsizetype details = text.indexOf(QLatin1String("\n\n"));
    if (details < 0) {
        box.setText(text);
    } else {
        box.setText(text.left(details));
        QString more = text.mid(details + 2).toHtmlEscaped();
        more.replace(QLatin1Char('\n'), QLatin1String("<br>"));
        box.setInformativeText(QStringLiteral("<small>%1</small>").arg(more));
    }
    // Qt gives a window without a title the program's name; a blank keeps the bar empty.
    box.setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
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
    case Buttons::OverwriteElsewhereCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("Dialogs", "&Overwrite"));
        box.button(QMessageBox::No)->setText(QCoreApplication::translate("Dialogs", "Save &Elsewhere..."));
        box.setDefaultButton(QMessageBox::Cancel);
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
    // Outlives the dialog, whose model and its worker thread ask it until they end.
    NameOnlyFileIconProvider icons;
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
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

// Qt's print dialog on Unix opens with its print range and copies folded away behind
// "Options >>"; unfold them before it is shown, so that All and Selection are in view.
static void showPrintOptions(QPrintDialog& dialog)
{
    QWidget* area = dialog.findChild<QRadioButton*>(QStringLiteral("printAll"));
    while (area && area->parentWidget() != &dialog)
        area = area->parentWidget();
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    if (!area || !area->isHidden() || !buttons)
        return;
    // The toggle is the button beside Print and Cancel.
    for (QAbstractButton* button : buttons->buttons()) {
        const QDialogButtonBox::ButtonRole role = buttons->buttonRole(button);
        if (role != QDialogButtonBox::AcceptRole && role != QDialogButtonBox::RejectRole) {
            button->click();
            return;
        }
    }
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
    showPrintOptions(dialog);
    // Qt's CUPS dialog enables its range choices again whenever it is shown, whatever the
    // options say: switch off those not offered once it is on screen.
    QStringList disabled;
    if (!request.pageRangesEnabled)
        disabled << QStringLiteral("printRange") << QStringLiteral("pagesRadioButton");
    if (!request.selectionEnabled)
        disabled << QStringLiteral("printSelection");
    if (!disabled.isEmpty()) {
        QTimer::singleShot(0, &dialog, [&dialog, disabled] {
            for (const QString& name : disabled) {
                if (auto* radio = dialog.findChild<QRadioButton*>(name))
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
