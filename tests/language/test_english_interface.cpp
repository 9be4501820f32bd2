// Under an English or the C locale the interface is the English it always was: no
// translation is loaded, and the texts are the source texts exactly.

#include "documents/file_messages.h"
#include "formatting/toolbar.h"
#include "language/interface_language.h"
#include "platform/dialogs.h"
#include "window/main_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

class TestEnglishInterface : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowTexts();
    void messageBoxButtons();
    void commandLineHelp();
};

void TestEnglishInterface::initTestCase()
{
    QVERIFY(!language::installTranslations(*QCoreApplication::instance()));
    QVERIFY(!language::bengaliInterface());
}

void TestEnglishInterface::windowTexts()
{
    platform::QtDialogs dialogs;
    const QFont before = QApplication::font();
    language::applyInterfaceFont();
    QCOMPARE(QApplication::font(), before);

    window::MainWindow window(dialogs, QCoreApplication::applicationDirPath());
    QCOMPARE(window.windowTitle(), QStringLiteral(" Norvelin   This is an unsaved Document"));
    const QList<std::pair<QString, QString>> menus = {
        {"file", "&File"}, {"saveas", "&Save As"}, {"undo", "&Undo"}, {"tools", "Tools"}, {"about", "&About"}};
    for (const auto& [name, text] : menus)
        QCOMPARE(window.action(name)->text(), text);
    QCOMPARE(window.toolbarButton(QStringLiteral("gotoword"))->toolTip(), QStringLiteral("Goto Word"));
    QCOMPARE(window.toolbarButton(QStringLiteral("color"))->toolTip(), QStringLiteral("Font Color"));
    QCOMPARE(window.findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral(" Options "));
    QCOMPARE(window.sizeOption(4)->text(), QStringLiteral("Extra large"));
    QCOMPARE(formatting::ToolbarCommands::helpTitle(), QStringLiteral("Help "));
    QCOMPARE(documents::saveChangesText(), QStringLiteral("Do you save change of this Document?"));
    QCOMPARE(documents::openSaveTitle(), QStringLiteral("Saving confirmation"));
}

void TestEnglishInterface::messageBoxButtons()
{
    QStringList buttons;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !buttons.isEmpty())
            return;
        for (QAbstractButton* button : box->buttons())
            if (button->isVisible())
                buttons << button->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    poll.start();
    platform::QtDialogs().message(nullptr, documents::saveChangesText(), documents::saveChangesTitle(),
                                  platform::Buttons::YesNoCancel, platform::Icon::Question);
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"&No", "&Yes", "Cancel"}));
}

void TestEnglishInterface::commandLineHelp()
{
    QProcess process;
    process.start(QStringLiteral(NORVELIN_PROGRAM), {QStringLiteral("--help")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).section(u'\n', 0, 1),
             QStringLiteral("Usage: norvelin [FILE]\nA word processor for writing Bengali in the NQ font."));
}

QTEST_MAIN(TestEnglishInterface)
#include "test_english_interface.moc"
