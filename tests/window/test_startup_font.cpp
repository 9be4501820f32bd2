// Start-up with and without "nq.ttf" in the program's folder. Qt keeps a registered font
// for the rest of the process, so the case without the file runs first.

#include "window_fixture.h"

#include "documents/document.h"
#include "formatting/size_options.h"
#include "scripted_dialogs.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>

class TestStartupFont : public QObject {
    Q_OBJECT
private slots:
    void withoutFontFile();
    void withFontFile();

private:
    void checkCommonStartup(window::MainWindow& window);
};

static QStringList entries(QComboBox* combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

void TestStartupFont::checkCommonStartup(window::MainWindow& window)
{
    QCOMPARE(window.windowTitle(), QStringLiteral(" Norvelin   This is an unsaved Document"));
    QCOMPARE(window.document().state(), documents::Document::State::Fresh);
    QCOMPARE(window.sizeList()->currentText(), QStringLiteral("16"));
    QCOMPARE(window.sizeList()->count(), 37);
    QCOMPARE(window.palette()->textAt(0, 0), QStringLiteral("A"));
    QCOMPARE(window.palette()->backColorAt(0, 0), QColor(200, 227, 255));
    // The font-name list holds every family once, sorted.
    const QStringList families = QFontDatabase::families();
    const QStringList listed = entries(window.fontList());
    QCOMPARE(listed, formatting::fontNameEntries(families));
    for (const QString& family : families)
        QVERIFY(listed.contains(formatting::withoutFoundry(family)));
    QCOMPARE(listed.count(QStringLiteral("NQ")), families.contains(QStringLiteral("NQ")) ? 1 : 0);
}

void TestStartupFont::withoutFontFile()
{
    QTemporaryDir programDir;
    QVERIFY(window_test::makeProgramDir(programDir, false));
    ScriptedDialogs dialogs;
    window::MainWindow window(dialogs, programDir.path());
    checkCommonStartup(window);
    QVERIFY(!QFontDatabase::families().contains(QStringLiteral("NQ")));
    QCOMPARE(window.fontList()->currentText(), QStringLiteral("Combo2"));
    // The controls still ask for the face; the system substitutes another.
    QCOMPARE(window.editor()->font().family(), QStringLiteral("NQ"));
    QVERIFY(QFontInfo(window.editor()->font()).family() != QStringLiteral("NQ"));
    QVERIFY(dialogs.messages.isEmpty());
}

void TestStartupFont::withFontFile()
{
    QVERIFY2(!window_test::builtFontFile().isEmpty(), "nq.ttf is not built beside the test (build the nq_font target)");
    QTemporaryDir programDir;
    QVERIFY(window_test::makeProgramDir(programDir, true));
    // Started from elsewhere: the file is found in the program's folder all the same.
    QVERIFY(QDir::currentPath() != programDir.path());
    ScriptedDialogs dialogs;
    window::MainWindow window(dialogs, programDir.path());
    checkCommonStartup(window);
    QCOMPARE(window.fontList()->currentText(), QStringLiteral("NQ"));
    QCOMPARE(QFontInfo(window.editor()->font()).family(), QStringLiteral("NQ"));
    QCOMPARE(QFontInfo(window.palette()->font()).family(), QStringLiteral("NQ"));
    QVERIFY(dialogs.messages.isEmpty());
}

int main(int argc, char** argv)
{
    window_test::isolateUserFonts();
    QApplication app(argc, argv);
    TestStartupFont test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_startup_font.moc"
