// The window's menus and tool bar reach the commands behind them, and leaving the program
// goes through the right prompt exactly once.
#include "scripted_dialogs.h"
#include "window_fixture.h"

#include "documents/common_dialog.h"
#include "documents/document.h"
#include "documents/file_messages.h"
#include "formatting/toolbar.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QToolBar>

using platform::Answer;

class TestWindowCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // Real message boxes first: once Exit has ended the program (below), Qt leaves every
    // later modal loop at once.
    void messageBoxes_data();
    void messageBoxes();
    void exitCommand_data();
    void exitCommand();
    void windowClosing_data();
    void windowClosing();
    void toolbarKeysReachTheirCommands_data();
    void toolbarKeysReachTheirCommands();
    void copyAndPasteUseTheOwnBuffer();
    void aboutOpensOneWindow();
    void colourButtonShowsTheChosenColour();

private:
    void makeChanged();
    ScriptedDialogs dialogs_;
    std::unique_ptr<window::MainWindow> window_;
};

void TestWindowCommands::init()
{
    dialogs_ = ScriptedDialogs();
    window_ = std::make_unique<window::MainWindow>(dialogs_, QCoreApplication::applicationDirPath());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestWindowCommands::cleanup()
{
    QVERIFY2(dialogs_.unexpected.isEmpty(), qPrintable(dialogs_.unexpected.join(", ")));
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(top))
            delete top;
    window_.reset();
}

void TestWindowCommands::makeChanged()
{
    window_->editor()->setFocus();
    QTest::keyClicks(window_->editor(), QStringLiteral("kmr"));
    QVERIFY(window_->document().isChanged());
}

void TestWindowCommands::exitCommand_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("cancelSave");
    QTest::addColumn<bool>("ends");
    QTest::newRow("No ends at once") << Answer::No << false << true;
    QTest::newRow("Cancel stays") << Answer::Cancel << false << false;
    // The Save that Yes runs is cancelled: the unsaved document is not thrown away.
    QTest::newRow("Yes, save cancelled, stays") << Answer::Yes << true << false;
}

void TestWindowCommands::exitCommand()
{
    QFETCH(Answer, answer);
    QFETCH(bool, cancelSave);
    QFETCH(bool, ends);
    makeChanged();
    dialogs_.answers.enqueue(answer);
    if (cancelSave)
        dialogs_.saveAnswers.enqueue(std::nullopt);
    window_->action(QStringLiteral("exit"))->trigger();

    QCOMPARE(window_->isEnding(), ends);
    QCOMPARE(dialogs_.messages.size(), 1);
    QCOMPARE(dialogs_.messages[0].buttons, platform::Buttons::YesNoCancel);
    QCOMPARE(window_->editor()->toPlainText().isEmpty(), false);
    // Once Exit has decided, the window goes without asking again.
    if (ends) {
        QVERIFY(window_->close());
        QCOMPARE(dialogs_.messages.size(), 1);
    } else {
        QVERIFY(window_->isVisible());
    }
}

void TestWindowCommands::windowClosing_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("cancelSave");
    QTest::addColumn<bool>("closes");
    QTest::newRow("No closes") << Answer::No << false << true;
    QTest::newRow("Yes, save cancelled, stays open") << Answer::Yes << true << false;
}

void TestWindowCommands::windowClosing()
{
    QFETCH(Answer, answer);
    QFETCH(bool, cancelSave);
    QFETCH(bool, closes);
    makeChanged();
    dialogs_.answers.enqueue(answer);
    if (cancelSave)
        dialogs_.saveAnswers.enqueue(std::nullopt);
    QCOMPARE(window_->close(), closes);
    QCOMPARE(dialogs_.messages.size(), 1);
    QCOMPARE(dialogs_.messages[0].text, QStringLiteral("Do you save change of this Document?"));
    QCOMPARE(dialogs_.messages[0].buttons, platform::Buttons::YesNo);
    QCOMPARE(window_->isVisible(), !closes);
}

void TestWindowCommands::toolbarKeysReachTheirCommands_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expectedMessage");
    QTest::newRow("new asks") << "new" << "Do you save change of this Document?";
    QTest::newRow("open asks") << "open" << "Do you want to save this document?";
    QTest::newRow("help") << "help" << "You do not need any help. Do you??";
    QTest::newRow("exit asks") << "exit" << "Do you save change of this Document?";
}

void TestWindowCommands::toolbarKeysReachTheirCommands()
{
    QFETCH(QString, key);
    QFETCH(QString, expectedMessage);
    makeChanged();
    if (key != QLatin1String("help"))
        dialogs_.answers.enqueue(key == QLatin1String("exit") ? Answer::Cancel : Answer::No);
    if (key == QLatin1String("open"))
        dialogs_.openAnswers.enqueue(std::nullopt);
    window_->toolbarButton(key)->trigger();
    QCOMPARE(dialogs_.messages.size(), 1);
    QCOMPARE(dialogs_.messages[0].text, expectedMessage);
}

void TestWindowCommands::copyAndPasteUseTheOwnBuffer()
{
    editor::RichTextBox* editor = window_->editor();
    editor->setPlainText(QStringLiteral("abc"));
    editor->selectAll();
    window_->toolbarButton(QStringLiteral("copy"))->trigger();
    QCOMPARE(window_->copybuffer(), QStringLiteral("abc"));
    editor->moveCursor(QTextCursor::End);
    window_->toolbarButton(QStringLiteral("paste"))->trigger();
    QCOMPARE(editor->toPlainText(), QStringLiteral("abcabc"));
}

void TestWindowCommands::aboutOpensOneWindow()
{
    window_->editor()->setFocus();
    QTest::keyClick(window_->editor(), Qt::Key_A, Qt::ControlModifier);
    window_->toolbarButton(QStringLiteral("about"))->trigger();
    int aboutBoxes = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == QStringLiteral("About Norvelin"))
            ++aboutBoxes;
    QCOMPARE(aboutBoxes, 1);
}

void TestWindowCommands::colourButtonShowsTheChosenColour()
{
    dialogs_.colorAnswers.enqueue(QColor(Qt::red));
    window_->toolbarButton(QStringLiteral("color"))->trigger();
    QCOMPARE(window_->commonDialog().color, QColor(Qt::red));
    QCOMPARE(window_->editor()->selectionColor(), QColor(Qt::red));
    const QImage swatch = window_->toolbarButton(QStringLiteral("color"))->icon().pixmap(16, 16).toImage();
    bool red = false;
    for (int y = 0; y < swatch.height() && !red; ++y)
        for (int x = 0; x < swatch.width() && !red; ++x)
            red = swatch.pixelColor(x, y) == QColor(Qt::red);
    QVERIFY2(red, "the button's swatch shows the colour the next use applies");
}

void TestWindowCommands::messageBoxes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");   // the message in its first line(s)
    QTest::addColumn<QString>("details"); // below it, in smaller type
    // Qt names a window without a title after the program; this box has an empty title bar.
    QTest::newRow("Goto Word, no title")
        << formatting::ToolbarCommands::gotoWordText() << formatting::ToolbarCommands::gotoWordTitle()
        << formatting::ToolbarCommands::gotoWordText() << QString();
    const QString reason =
        QStringLiteral("/home/a/notes.txt: this is not an RTF file: it does not begin with {\\rtf");
    rtf::Failure notRtf;
    notRtf.kind = rtf::FailureKind::NotRtf;
    notRtf.path = QStringLiteral("/home/a/notes.txt");
    QTest::newRow("not an RTF file")
        << documents::openFailedText(notRtf)
        << QStringLiteral("Norvelin")
        << QStringLiteral("\"notes.txt\" is not a Rich Text Format document.") << reason;
}

void TestWindowCommands::messageBoxes()
{
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QFETCH(QString, details);
    QString seenText, seenDetails, seenTitle;
    bool seen = false;
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, poll, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->deleteLater();
        seen = true;
        seenText = box->text();
        seenDetails = box->informativeText();
        seenTitle = box->windowTitle();
        box->accept();
    });
    poll->start(20);
    platform::QtDialogs dialogs;
    dialogs.message(window_.get(), text, title, platform::Buttons::Ok, platform::Icon::Information);
    QVERIFY(seen);
    QCOMPARE(seenText, shown);
    if (details.isEmpty()) {
        QVERIFY(seenDetails.isEmpty());
    } else {
        QVERIFY2(seenDetails.contains(details.toHtmlEscaped()), qPrintable(seenDetails));
        QVERIFY(seenDetails.startsWith(QLatin1String("<small>")));
    }
    if (title.isEmpty())
        QVERIFY(!seenTitle.isEmpty() && seenTitle.trimmed().isEmpty());
    else
        QCOMPARE(seenTitle, title);
}

int main(int argc, char* argv[])
{
    window_test::isolateUserFonts();
    QApplication app(argc, argv);
    TestWindowCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_window_commands.moc"
