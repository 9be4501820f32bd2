// Under a Bengali locale every text a person reads is Bengali: the window, its Options panel,
// the About box, the message boxes and the file, print and colour dialogs the commands
// open, and both programs' --help. The Bengali is drawn in the system's Bengali face while
// the document stays NQ, and the translation leaves no string of the sources untranslated.

#include "interface_texts.h"

#include "about/about_dialog.h"
#include "documents/file_messages.h"
#include "editor/rich_text_box.h"
#include "language/interface_language.h"
#include "nq/face.h"
#include "platform/dialogs.h"
#include "window/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGlyphRun>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <functional>

using interface_texts::Text;

namespace {

bool isBengaliLetter(QChar c)
{
    return c.unicode() >= 0x0980 && c.unicode() <= 0x09FF;
}

// The faces the Bengali letters of `text` are drawn in with `font`.
QStringList facesOfBengali(const QFont& font, const QString& text)
{
    QString bengali;
    for (const QChar c : text)
        if (isBengaliLetter(c))
            bengali += c;
    QTextLayout layout(bengali, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun& run : layout.glyphRuns())
        faces << run.rawFont().familyName();
    faces.removeDuplicates();
    return faces;
}

// Runs `open`, which shows a modal dialog; collects that dialog's texts once it is up, then
// leaves it as Esc would.
QList<Text> textsOfModal(const std::function<void()>& open, QString* className = nullptr)
{
    QList<Text> texts;
    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || seen)
            return;
        seen = true;
        // Let the dialog finish what it does once shown (the print dialog's range choices).
        QCoreApplication::processEvents();
        texts = interface_texts::collect(dialog);
        if (className)
            *className = QString::fromLatin1(dialog->metaObject()->className());
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            QTest::keyClick(box, Qt::Key_Escape);
        else
            dialog->reject();
    });
    poll.start();
    open();
    poll.stop();
    if (!seen)
        texts.append({QStringLiteral("(no dialog)"), QStringLiteral("no dialog was shown")});
    return texts;
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("bn_BD.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(program, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestBengaliInterface : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void bengaliLocales_data();
    void bengaliLocales();
    void windowIsBengali();
    void bengaliIsDrawnInTheBengaliFace();
    void dialogs_data();
    void dialogs();
    void commandLineHelp_data();
    void commandLineHelp();
    void translationsAreComplete_data();
    void translationsAreComplete();
    void cleanupTestCase();

private:
    std::unique_ptr<platform::QtDialogs> dialogs_;
    std::unique_ptr<window::MainWindow> window_;
};

void TestBengaliInterface::initTestCase()
{
    // Loaded as main loads them, for the locale the environment (LANG=bn_BD.UTF-8) gives.
    // As on a system whose first choice for Bengali is another face: the design's faces and
    // the default one fall back to a serif Bengali.
    for (const QString& face : {QApplication::font().family(), QStringLiteral("MS Sans Serif")})
        QFont::insertSubstitution(face, QStringLiteral("Noto Serif Bengali"));
    QVERIFY(language::installTranslations(*QCoreApplication::instance()));
    language::applyInterfaceFont();
    QVERIFY(language::bengaliInterface());
    dialogs_ = std::make_unique<platform::QtDialogs>();
    window_ = std::make_unique<window::MainWindow>(*dialogs_, QCoreApplication::applicationDirPath());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestBengaliInterface::cleanupTestCase()
{
    window_.reset();
}

void TestBengaliInterface::bengaliLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("bengali");
    QTest::newRow("Bangladesh") << "bn_BD" << true;
    QTest::newRow("India") << "bn_IN" << true;
    QTest::newRow("language alone") << "bn" << true;
    QTest::newRow("English") << "en_US" << false;
    QTest::newRow("C") << "C" << false;
    QTest::newRow("Hindi") << "hi_IN" << false;
    QTest::newRow("Assamese, same script") << "as_IN" << false;
}

void TestBengaliInterface::bengaliLocales()
{
    QFETCH(QString, locale);
    QFETCH(bool, bengali);
    QCOMPARE(language::isBengali(QLocale(locale)), bengali);
}

void TestBengaliInterface::windowIsBengali()
{
    window_->action(QStringLiteral("option"))->trigger(); // the Options panel
    about::showAbout(window_.get(), *dialogs_);
    QList<const QComboBox*> lists;
    for (const char* name : {"Combo1", "Combo2"})
        lists << window_->findChild<QComboBox*>(QString::fromLatin1(name));
    QList<Text> texts = interface_texts::collect(window_.get(), lists);
    auto* about = window_->findChild<about::AboutDialog*>();
    QVERIFY(about);
    texts += interface_texts::collect(about);
    about->close();

    const QStringList english = interface_texts::untranslated(texts);
    QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
    // The caption keeps its blanks, in Bengali.
    QCOMPARE(window_->windowTitle(), QStringLiteral(" Norvelin   এটি একটি অসংরক্ষিত নথি"));
    QCOMPARE(window_->action(QStringLiteral("file"))->text(), QStringLiteral("ফাইল(&F)"));
    QCOMPARE(window_->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral(" বিকল্প "));
}

void TestBengaliInterface::bengaliIsDrawnInTheBengaliFace()
{
    QVERIFY(QFontDatabase::families().contains(language::kBengaliInterfaceFace));
    about::showAbout(window_.get(), *dialogs_);
    auto* about = window_->findChild<about::AboutDialog*>();
    QVERIFY(about);
    QList<QWidget*> widgets = window_->findChildren<QWidget*>();
    widgets += about->findChildren<QWidget*>();
    QStringList wrong;
    int checked = 0;
    for (QWidget* w : widgets) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            text = group->title();
        if (!std::any_of(text.cbegin(), text.cend(), isBengaliLetter))
            continue;
        ++checked;
        const QStringList faces = facesOfBengali(w->font(), text);
        if (faces != QStringList{language::kBengaliInterfaceFace})
            wrong << interface_texts::nameOf(w) + QStringLiteral(": ") + faces.join(QStringLiteral(", "));
    }
    about->close();
    QVERIFY(checked >= 8); // the Options panel's and the About box's texts
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    // The document keeps its own face.
    auto* editor = window_->findChild<editor::RichTextBox*>(QStringLiteral("RichTextBox1"));
    QCOMPARE(editor->font().family(), nq::kFace);
}

void TestBengaliInterface::dialogs_data()
{
    QTest::addColumn<QString>("command"); // a menu item or tool-bar button
    QTest::addColumn<bool>("typeFirst");  // change the document first, so that it asks
    QTest::addColumn<QString>("dialog");
    QTest::newRow("File > Open") << "open" << false << "QFileDialog";
    QTest::newRow("File > Save As") << "saveas" << false << "QFileDialog";
    QTest::newRow("File > Print") << "print" << false << "QPrintDialog";
    QTest::newRow("Font Color") << "color" << false << "QColorDialog";
    QTest::newRow("Help > Help") << "helps" << false << "QMessageBox";
    QTest::newRow("Goto Word") << "gotoword" << false << "QMessageBox";
    QTest::newRow("New after a change asks") << "new" << true << "QMessageBox";
    QTest::newRow("Open after a change asks") << "open" << true << "QMessageBox";
    QTest::newRow("Exit asks") << "exit" << true << "QMessageBox";
}

void TestBengaliInterface::dialogs()
{
    QFETCH(QString, command);
    QFETCH(bool, typeFirst);
    QFETCH(QString, dialog);
    if (typeFirst) {
        auto* editor = window_->findChild<editor::RichTextBox*>(QStringLiteral("RichTextBox1"));
        editor->setFocus();
        QTest::keyClicks(editor, QStringLiteral("ami"));
    }
    QAction* trigger = window_->action(command);
    if (!trigger)
        trigger = window_->toolbarButton(command);
    QVERIFY(trigger);
    QString shown;
    const QList<Text> texts = textsOfModal([trigger] { trigger->trigger(); }, &shown);
    QCOMPARE(shown, dialog);
    QVERIFY(texts.size() >= 2);
    const QStringList english = interface_texts::untranslated(texts);
    QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
}

void TestBengaliInterface::commandLineHelp_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("norvelin") << QStringLiteral(NORVELIN_PROGRAM) << "ব্যবহার: norvelin [ফাইল]";
    QTest::newRow("norvelin-rtf") << QStringLiteral(NORVELIN_RTF_TOOL)
                                  << "ব্যবহার: norvelin-rtf উৎস.rtf ফল.rtf|ফল.txt|ফল.html|ফল.pdf";
}

void TestBengaliInterface::commandLineHelp()
{
    QFETCH(QString, program);
    QFETCH(QString, firstLine);
    const QString help = run(program, {QStringLiteral("--help")});
    QCOMPARE(help.section(u'\n', 0, 0), firstLine);
    QStringList english;
    for (const QString& line : help.split(u'\n')) {
        const QStringList words = interface_texts::englishWords(line);
        if (!words.isEmpty())
            english << line + QStringLiteral("  [") + words.join(u' ') + u']';
    }
    QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
}

void TestBengaliInterface::translationsAreComplete_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("fromSources"); // brought up to date with the sources first
    QTest::newRow("the program's") << "norvelin_bn.ts" << true;
    QTest::newRow("Qt's dialogs") << "qt_dialogs_bn.ts" << false;
}

void TestBengaliInterface::translationsAreComplete()
{
    QFETCH(QString, file);
    QFETCH(bool, fromSources);
    const QString source = qEnvironmentVariable("NORVELIN_SOURCE_DIR");
    QVERIFY(!source.isEmpty());
    QTemporaryDir dir;
    const QString ts = dir.filePath(file);
    QVERIFY(QFile::copy(source + QStringLiteral("/translations/") + file, ts));
    if (fromSources) {
        // What lupdate finds in the sources now: a string added without a translation
        // comes in unfinished.
        QProcess lupdate;
        lupdate.setWorkingDirectory(source);
        lupdate.start(QStringLiteral(NORVELIN_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("src"), QStringLiteral("tools/norvelin-rtf"), QStringLiteral("-ts"), ts});
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
    }
    QFile read(ts);
    QVERIFY(read.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(read.readAll());
    static const QRegularExpression unfinished(
        QStringLiteral("<source>(.*?)</source>\\s*(?:<[^>]*comment>.*?</[^>]*comment>\\s*)*<translation type=\"unfinished\""),
        QRegularExpression::DotMatchesEverythingOption);
    QStringList missing;
    for (auto match = unfinished.globalMatch(text); match.hasNext();)
        missing << match.next().captured(1);
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("without a translation in %1 (edit it with Qt Linguist or by hand):\n")
                                               .arg(file) + missing.join(u'\n')));
    QVERIFY(text.contains(QStringLiteral("<translation>")));
}

QTEST_MAIN(TestBengaliInterface)
#include "test_bengali_interface.moc"
