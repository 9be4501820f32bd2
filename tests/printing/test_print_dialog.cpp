// Smoke test of Print through the real print dialog: what the dialog offers, and that the
// printer it sets up prints the chosen text. The dialog is answered by a timer.

#include "documents/common_dialog.h"
#include "documents/printing.h"
#include "editor/rich_text_box.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>
#include <QtTest>

namespace {

struct Seen {
    bool shown = false;
    bool optionsShown = false; // not folded away behind "Options >>"
    bool selectionEnabled = false;
    QString fileName;          // the output file the dialog offered
    bool selectionChecked = false;
    bool allChecked = false;
    bool pageRangeEnabled = true;
    bool pageRangeOption = true;
};

// Answers the print dialog once it is up: prints to `pdf` (never to a real printer).
void answerPrintDialog(const QString& pdf, Seen& seen)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, pdf, &seen] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        seen.shown = true;
        seen.pageRangeOption = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
        if (auto* radio = dialog->findChild<QRadioButton*>(QStringLiteral("printSelection"))) {
            seen.selectionChecked = radio->isChecked();
            seen.selectionEnabled = radio->isVisible() && radio->isEnabled();
        }
        if (auto* radio = dialog->findChild<QRadioButton*>(QStringLiteral("printAll"))) {
            seen.allChecked = radio->isChecked();
            seen.optionsShown = radio->isVisible();
        }
        if (auto* radio = dialog->findChild<QRadioButton*>(QStringLiteral("printRange")))
            seen.pageRangeEnabled = radio->isEnabled();
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        if (!printers || !fileName) {
            dialog->reject();
            return;
        }
        seen.fileName = fileName->text();
        printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)"
        fileName->setText(pdf);
        dialog->accept();
    });
    poll->start(20);
    // Whatever happens, no dialog stays open.
    QTimer::singleShot(10000, qApp, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
}

} // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT
private slots:
    void printsThroughRealDialog_data();
    void printsThroughRealDialog();
};

void TestPrintDialog::printsThroughRealDialog_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("printed");
    QTest::newRow("nothing selected") << 0 << 0 << "Alpha beta\nGamma delta";
    QTest::newRow("selection") << 6 << 10 << "beta";
}

void TestPrintDialog::printsThroughRealDialog()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, printed);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is not installed: scripts/test installs it");

    QTemporaryDir dir;
    platform::QtDialogs dialogs;
    QWidget window;
    auto* editor = new editor::RichTextBox(&window);
    documents::CommonDialog dialog(dialogs, &window);
    editor->setPlainText(QStringLiteral("Alpha beta\nGamma delta"));
    QTextCursor cursor(editor->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);

    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    Seen seen;
    answerPrintDialog(pdf, seen);
    documents::printDocument(*editor, dialog, &window);

    QVERIFY(seen.shown);
    QVERIFY(seen.optionsShown);
    QCOMPARE(seen.selectionEnabled, from != to);
    QCOMPARE(seen.selectionChecked, from != to);
    QCOMPARE(seen.allChecked, from == to);
    QVERIFY(!seen.pageRangeOption);
    QVERIFY(!seen.pageRangeEnabled);

    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).remove(QLatin1Char('\f')).trimmed(),
             printed);

    // The next print of the run offers the file this one went to.
    Seen again;
    answerPrintDialog(dir.filePath(QStringLiteral("again.pdf")), again);
    documents::printDocument(*editor, dialog, &window);
    QVERIFY(again.shown);
    QCOMPARE(again.fileName, pdf);
}

QTEST_MAIN(TestPrintDialog)
#include "test_print_dialog.moc"
