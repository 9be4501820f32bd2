// Crash recovery: a changed document leaves a complete copy behind when the program dies,
// at any moment, and the next start offers it back.

#include "documents/common_dialog.h"
#include "documents/document.h"
#include "editor/rich_text_box.h"
#include "manual_clock.h"
#include "recovery/autosave.h"
#include "recovery/document_snapshot.h"
#include "recovery/recovery_store.h"
#include "rtf/rtf.h"
#include "scripted_dialogs.h"
#include "window/main_window.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <csignal>

Q_DECLARE_METATYPE(platform::Answer)

namespace {

// The child's loop: versions of a document, each large enough that a write takes a while,
// written one after another until the parent kills the process.
int writeCopiesUntilKilled(const QString& folder)
{
    recovery::RecoveryStore store(folder);
    const QString filler = QString(QStringLiteral("filler text ")).repeated(20000);
    QTextDocument document(QStringLiteral("version 0 begins\n%1\nversion 0 ends").arg(filler));
    // Only the first and last lines change, so that writing, not building the document,
    // fills the time in which the kill lands.
    const auto setLine = [&](const QTextBlock& block, const QString& text) {
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(text);
    };
    for (int version = 1;; ++version) {
        setLine(document.firstBlock(), QStringLiteral("version %1 begins").arg(version));
        setLine(document.lastBlock(), QStringLiteral("version %1 ends").arg(version));
        if (store.write(document, QStringLiteral("/home/writer/letter %1.rtf").arg(version)))
            return 2;
        if (version == 1) {
            // The parent waits for this line before it starts to aim.
            fputs("first copy written\n", stdout);
            fflush(stdout);
        }
    }
}

QString textOf(const QString& rtfPath)
{
    QTextDocument document;
    if (rtf::loadFile(rtfPath, document))
        return QStringLiteral("(unreadable)");
    return document.toPlainText();
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void copiesOfRunningProgramsAreNotOffered();
    void autosaveWritesAfterAQuietMomentAndGoesWhenSettled();
    void autosaveCoversTypingWithoutAPause_data();
    void autosaveCoversTypingWithoutAPause();
    void failingWritesAreReportedOnce();
    void backgroundCopyHoldsTheDocumentAsTaken();
    void snapshotWritesAsTheDocument_data();
    void snapshotWritesAsTheDocument();
    void killedBetweenTwoWritesLeavesACompleteCopy();
    void windowCycle_data();
    void windowCycle();
};

void TestRecovery::initTestCase()
{
    // The window's own recovery copies go to a folder of this test's.
    static QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
}

void TestRecovery::copiesOfRunningProgramsAreNotOffered()
{
    QTemporaryDir folder;
    QTextDocument document(QStringLiteral("unsaved words"));
    auto running = std::make_unique<recovery::RecoveryStore>(folder.path());
    QCOMPARE(running->write(document, QStringLiteral("/home/writer/a.rtf")), std::nullopt);
    QVERIFY(running->hasCopy());

    recovery::RecoveryStore later(folder.path());
    QVERIFY2(later.leftCopies().isEmpty(), "a running program's copy must not be offered");
    QVERIFY(running->leftCopies().isEmpty());

    // Gone without discarding: the copy is left for the next start.
    running.reset();
    const QList<recovery::LeftCopy> left = later.leftCopies();
    QCOMPARE(left.size(), 1);
    QCOMPARE(left[0].originalPath, QStringLiteral("/home/writer/a.rtf"));
    QCOMPARE(textOf(left[0].rtfPath), QStringLiteral("unsaved words"));
    later.remove(left[0]);
    QVERIFY(later.leftCopies().isEmpty());

    // Discarded: nothing is left.
    recovery::RecoveryStore saved(folder.path());
    QCOMPARE(saved.write(document, QString()), std::nullopt);
    saved.discard();
    QVERIFY(!saved.hasCopy());
    QVERIFY(QDir(folder.path()).entryList({QStringLiteral("*.rtf")}, QDir::Files).isEmpty());
}

void TestRecovery::autosaveWritesAfterAQuietMomentAndGoesWhenSettled()
{
    using recovery::Autosave;
    QTemporaryDir folder;
    recovery::RecoveryStore store(folder.path());
    QTextDocument document;
    ManualClock clock;
    Autosave autosave(store, {[&] { return &document; }, [] { return QStringLiteral("/x.rtf"); }}, clock);

    autosave.documentChanged();
    clock.advance(Autosave::kQuietMs - 1);
    autosave.waitForWorker();
    QVERIFY2(!store.hasCopy(), "written before the quiet moment was over");
    clock.advance(1);
    autosave.waitForWorker();
    QVERIFY2(store.hasCopy(), "no copy after a quiet moment");

    autosave.documentSettled();
    QVERIFY(!store.hasCopy());
    // Nothing is due after a settle: neither deadline writes.
    clock.advance(2 * Autosave::kLatestMs);
    QVERIFY(!store.hasCopy());
}

void TestRecovery::autosaveCoversTypingWithoutAPause_data()
{
    QTest::addColumn<bool>("copiedBefore");
    // The latest deadline counts from the first change that no copy holds, not from the
    // first change of the run.
    QTest::newRow("first changes of the run") << false;
    QTest::newRow("changes after a copy") << true;
}

void TestRecovery::autosaveCoversTypingWithoutAPause()
{
    using recovery::Autosave;
    QFETCH(bool, copiedBefore);
    QTemporaryDir folder;
    recovery::RecoveryStore store(folder.path());
    QTextDocument document;
    ManualClock clock;
    Autosave autosave(store, {[&] { return &document; }, [] { return QString(); }}, clock);
    if (copiedBefore) {
        autosave.documentChanged();
        clock.advance(Autosave::kQuietMs);
        autosave.waitForWorker();
        QVERIFY(store.hasCopy());
        store.discard();
        clock.advance(Autosave::kLatestMs);
    }

    // A change every third of the quiet moment: the quiet timer never runs out.
    const qint64 typingStarts = clock.now();
    const int step = Autosave::kQuietMs / 3;
    while (!store.hasCopy() && clock.now() - typingStarts < 2 * Autosave::kLatestMs) {
        autosave.documentChanged();
        clock.advance(step);
        autosave.waitForWorker();
    }
    QVERIFY2(store.hasCopy(), "typing without a pause must still be copied");
    const qint64 copiedAfter = clock.now() - typingStarts;
    QVERIFY2(copiedAfter >= Autosave::kLatestMs && copiedAfter < Autosave::kLatestMs + step,
             qPrintable(QString::number(copiedAfter)));
}

void TestRecovery::failingWritesAreReportedOnce()
{
    QTemporaryDir base;
    QFile plain(base.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    recovery::RecoveryStore store(base.filePath(QStringLiteral("plain/norvelin")));
    QTextDocument document(QStringLiteral("words"));
    recovery::Autosave autosave(store, {[&] { return &document; }, [] { return QString(); }});
    QStringList reports;
    connect(&autosave, &recovery::Autosave::failed, [&](const QString& reason) { reports << reason; });
    autosave.documentChanged();
    QVERIFY(!autosave.writeNow());
    autosave.documentChanged();
    QVERIFY(!autosave.writeNow());
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports[0].contains(u"plain"), qPrintable(reports[0]));
}

void TestRecovery::backgroundCopyHoldsTheDocumentAsTaken()
{
    using recovery::Autosave;
    QTemporaryDir folder;
    recovery::RecoveryStore store(folder.path());
    const QString filler = QString(QStringLiteral("filler ")).repeated(50000);
    QTextDocument document(QStringLiteral("first ") + filler);
    ManualClock clock;
    Autosave autosave(store, {[&] { return &document; }, [] { return QString(); }}, clock);

    // Changed while the worker writes: the copy holds the document as it was taken, whole,
    // and the change makes another copy due.
    autosave.documentChanged();
    clock.advance(Autosave::kQuietMs);
    document.setPlainText(QStringLiteral("second ") + filler);
    autosave.documentChanged();
    autosave.waitForWorker();
    const QStringList copies = QDir(folder.path()).entryList({QStringLiteral("*.rtf")}, QDir::Files);
    QCOMPARE(copies.size(), 1);
    const QString copy = folder.filePath(copies[0]);
    QCOMPARE(textOf(copy), QStringLiteral("first ") + filler);
    clock.advance(Autosave::kQuietMs);
    autosave.waitForWorker();
    QCOMPARE(textOf(copy), QStringLiteral("second ") + filler);

    // Saved while a copy is under way: that copy must not outlive the save.
    document.setPlainText(QStringLiteral("third"));
    autosave.documentChanged();
    clock.advance(Autosave::kQuietMs);
    autosave.documentSettled();
    QTest::qWait(50); // anything still queued from the worker runs
    QVERIFY(!store.hasCopy());
    QVERIFY(QDir(folder.path()).entryList({QStringLiteral("*.rtf")}, QDir::Files).isEmpty());
}

void TestRecovery::snapshotWritesAsTheDocument_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("plain paragraphs") << QByteArray("{\\rtf1 one\\par two\\par\\par three}");
    QTest::newRow("formatted runs and alignments")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 NQ;}{\\f1 Arial;}}{\\colortbl;\\red200\\green0\\blue0;}"
                      "\\qc\\f0\\fs36 iktab {\\b\\cf1 bold} {\\i\\ul italic}\\par"
                      "\\pard\\qr\\f1\\fs20 right\\par\\pard\\f0\\fs48\\par}");
    QTest::newRow("empty paragraphs keep their face and size")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 NQ;}{\\f1 Arial;}}\\f1\\fs40\\par\\f0\\fs16\\par}");
    QTest::newRow("picture") << QByteArray(
        "{\\rtf1 before {\\pict\\pngblip\\picw1\\pich1\\picwgoal300\\pichgoal300 "
        "89504e470d0a1a0a0000000d49484452000000020000000108020000007b40e8"
        "dd0000000d49444154789c63f8cf0004ff01070001ffe2239e590000000049454e44ae426082} after\\par}");
    QTest::newRow("undecodable picture kept as data")
        << QByteArray("{\\rtf1 a{\\pict\\wmetafile8\\picw100\\pich100 0102030405}b\\par}");
    QTest::newRow("link") << QByteArray(
        "{\\rtf1 see {\\field{\\*\\fldinst HYPERLINK \"https://example.org/\"}{\\fldrslt here}} now\\par}");
}

void TestRecovery::snapshotWritesAsTheDocument()
{
    QFETCH(QByteArray, rtf);
    QTextDocument document;
    QVERIFY(!rtf::read(rtf, document));
    const auto rebuilt = recovery::DocumentSnapshot::of(document).rebuild();
    QCOMPARE(QString::fromUtf8(rtf::write(*rebuilt)), QString::fromUtf8(rtf::write(document)));
}

void TestRecovery::killedBetweenTwoWritesLeavesACompleteCopy()
{
    const QRegularExpression whole(QStringLiteral("^version (\\d+) begins\\n(filler text )+\\nversion \\1 ends$"));
    for (int round = 0; round < 12; ++round) {
        QTemporaryDir folder;
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-copies"), folder.path()});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(20000));
        QTest::qWait(QRandomGenerator::global()->bounded(5, 200));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        recovery::RecoveryStore next(folder.path());
        const QList<recovery::LeftCopy> left = next.leftCopies();
        QCOMPARE(left.size(), 1);
        const QString text = textOf(left[0].rtfPath);
        const auto match = whole.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text.left(80) + QStringLiteral(" … ") + text.right(40)));
        // The path file is written before the copy, so it never lags behind it.
        QVERIFY2(left[0].originalPath.endsWith(QStringLiteral("letter %1.rtf").arg(match.captured(1)))
                     || left[0].originalPath.endsWith(QStringLiteral("letter %1.rtf").arg(match.captured(1).toInt() + 1)),
                 qPrintable(left[0].originalPath));
    }
}

void TestRecovery::windowCycle_data()
{
    QTest::addColumn<platform::Answer>("answer");
    QTest::addColumn<bool>("restored");
    QTest::addColumn<bool>("copyLeft");
    QTest::newRow("Yes restores as unsaved") << platform::Answer::Yes << true << false;
    QTest::newRow("No discards the copy") << platform::Answer::No << false << false;
    QTest::newRow("dismissed keeps the copy for later") << platform::Answer::Cancel << false << true;
}

void TestRecovery::windowCycle()
{
    QFETCH(platform::Answer, answer);
    QFETCH(bool, restored);
    QFETCH(bool, copyLeft);
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    const QString folder = recovery::defaultFolder();
    QVERIFY(folder.startsWith(state.path()));

    ScriptedDialogs dialogs;
    {
        window::MainWindow crashing(dialogs, QCoreApplication::applicationDirPath());
        crashing.show();
        crashing.document().saved(QStringLiteral("/home/writer/chapter.rtf"));
        crashing.editor()->setFocus();
        QTest::keyClicks(crashing.editor(), QStringLiteral("Aim baMla"));
        QVERIFY(crashing.autosave().writeNow());
        // Nothing runs at a crash: the window goes without closing.
    }
    QCOMPARE(QDir(folder).entryList({QStringLiteral("*.rtf")}, QDir::Files).size(), 1);

    dialogs.answers << answer;
    window::MainWindow next(dialogs, QCoreApplication::applicationDirPath());
    next.show();
    // Another start while this one asks finds nothing to offer: the copy is held.
    bool secondOffered = true;
    dialogs.whileAsking = [&] {
        window::MainWindow second(dialogs, QCoreApplication::applicationDirPath());
        secondOffered = second.offerRecovery();
    };
    QCOMPARE(next.offerRecovery(), restored);
    QVERIFY2(!secondOffered, "a copy offered by one start was offered by another");
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages[0].text.contains(QStringLiteral("/home/writer/chapter.rtf")));
    QVERIFY(dialogs.unexpected.isEmpty());
    if (restored) {
        QCOMPARE(next.editor()->toPlainText(), QStringLiteral("Aim baMla"));
        QVERIFY(next.document().isChanged());
        QCOMPARE(next.document().path(), QString());
        QCOMPARE(next.windowTitle(), QStringLiteral(" Norvelin   This is an unsaved Document"));
        QCOMPARE(next.commonDialog().fileName, QStringLiteral("/home/writer/chapter.rtf"));
        // This run holds its own copy now, and no other is offered again.
        QVERIFY(recovery::RecoveryStore(folder).leftCopies().isEmpty());
    } else {
        QCOMPARE(next.editor()->toPlainText(), QString());
        QCOMPARE(recovery::RecoveryStore(folder).leftCopies().size(), copyLeft ? 1 : 0);
    }
}

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--write-copies") == 0) {
        QCoreApplication app(argc, argv);
        return writeCopiesUntilKilled(QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_recovery.moc"
