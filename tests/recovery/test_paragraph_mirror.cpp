// The copy of a document kept paragraph by paragraph for recovery snapshots: whatever the
// writer does between two snapshots, and between two slices of one, the snapshot writes as
// the document does.

#include "recovery/autosave.h"
#include "recovery/document_snapshot.h"
#include "recovery/paragraph_mirror.h"
#include "recovery/recovery_store.h"
#include "manual_clock.h"
#include "rtf/rtf.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

namespace {

enum class Edit {
    Type,           // a few letters in a face of their own
    Enter,          // a new paragraph
    Join,           // Backspace at a paragraph's start
    DeleteAcross,   // a selection over several paragraphs removed
    BoldAcross,     // bold over several paragraphs
    Align,          // alignment of several paragraphs
    ParagraphFace,  // the face of a paragraph's mark, the first paragraph's included
    Undo,
    Redo,
    ReplaceAll,     // everything selected and typed over with lines
    Picture,
    Clear,          // the document emptied and given new text
};

// Paragraphs of mixed faces, sizes, colours and alignments, one empty, one a picture.
const QByteArray kFixture =
    "{\\rtf1{\\fonttbl{\\f0 NQ;}{\\f1 Arial;}}{\\colortbl;\\red200\\green0\\blue0;}"
    "\\qc\\f0\\fs36 iktab {\\b\\cf1 bold} {\\i\\ul italic}\\par"
    "\\pard\\qr\\f1\\fs20 right aligned\\par"
    "\\pard\\f0\\fs48\\par"
    "\\pard one {\\pict\\pngblip\\picw1\\pich1\\picwgoal300\\pichgoal300 "
    "89504e470d0a1a0a0000000d49484452000000020000000108020000007b40e8"
    "dd0000000d49444154789c63f8cf0004ff01070001ffe2239e590000000049454e44ae426082} two\\par"
    "\\pard\\f1\\fs24 five six seven eight\\par nine ten\\par eleven\\par twelve\\par"
    "\\pard\\qj thirteen fourteen fifteen\\par}";

int randomPosition(const QTextDocument& document, QRandomGenerator& random)
{
    return int(random.bounded(document.characterCount()));
}

QTextCursor randomSelection(QTextDocument& document, QRandomGenerator& random)
{
    QTextCursor cursor(&document);
    const int a = randomPosition(document, random);
    const int b = std::min(document.characterCount() - 1, a + int(random.bounded(40)));
    cursor.setPosition(a);
    cursor.setPosition(b, QTextCursor::KeepAnchor);
    return cursor;
}

void apply(Edit edit, QTextDocument& document, QRandomGenerator& random)
{
    QTextCursor cursor(&document);
    cursor.setPosition(randomPosition(document, random));
    switch (edit) {
    case Edit::Type: {
        QTextCharFormat face;
        face.setFontPointSize(8 + random.bounded(30));
        face.setFontItalic(random.bounded(2));
        cursor.insertText(QStringLiteral("kha"), face);
        break;
    }
    case Edit::Enter:
        cursor.insertBlock();
        break;
    case Edit::Join:
        cursor.movePosition(QTextCursor::StartOfBlock);
        cursor.deletePreviousChar();
        break;
    case Edit::DeleteAcross:
        randomSelection(document, random).removeSelectedText();
        break;
    case Edit::BoldAcross: {
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        randomSelection(document, random).mergeCharFormat(bold);
        break;
    }
    case Edit::Align: {
        QTextBlockFormat aligned;
        const Qt::Alignment choices[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter, Qt::AlignJustify};
        aligned.setAlignment(choices[random.bounded(4)]);
        randomSelection(document, random).mergeBlockFormat(aligned);
        break;
    }
    case Edit::ParagraphFace: {
        QTextCharFormat face;
        face.setFontPointSize(10 + random.bounded(40));
        if (random.bounded(3) == 0)
            cursor.setPosition(0);
        cursor.setBlockCharFormat(face);
        break;
    }
    case Edit::Undo:
        document.undo();
        break;
    case Edit::Redo:
        document.redo();
        break;
    case Edit::ReplaceAll:
        cursor.select(QTextCursor::Document);
        cursor.insertText(QStringLiteral("first line\nsecond line\n\nfourth line"));
        break;
    case Edit::Picture: {
        const QString name = QStringLiteral("picture%1").arg(random.generate());
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(QColor(QRgb(random.generate())));
        document.addResource(QTextDocument::ImageResource, QUrl(name), image);
        cursor.insertImage(name);
        break;
    }
    case Edit::Clear:
        document.clear();
        QTextCursor(&document).insertText(QStringLiteral("after\nthe clearing"));
        break;
    }
}

QString written(const QTextDocument& document)
{
    return QString::fromUtf8(rtf::write(document));
}

QString textOf(const QString& rtfPath)
{
    QTextDocument document;
    if (rtf::loadFile(rtfPath, document))
        return QStringLiteral("(unreadable)");
    return document.toPlainText();
}

} // namespace

Q_DECLARE_METATYPE(QList<Edit>)

class TestParagraphMirror : public QObject {
    Q_OBJECT
private slots:
    void snapshotWritesAsTheEditedDocument_data();
    void snapshotWritesAsTheEditedDocument();
    void tablesAndUnshownPartsKept();
    void followsTheDocumentItIsGiven();
    void changesQtDoesNotReportAreCaught();
    void slicesTakeInChangesBetweenThem();
    void settledWhileTakingWritesNothing();
};

void TestParagraphMirror::snapshotWritesAsTheEditedDocument_data()
{
    QTest::addColumn<QList<Edit>>("edits");
    QTest::addColumn<int>("rounds");
    using E = Edit;
    QTest::newRow("typing") << QList{E::Type} << 30;
    QTest::newRow("new paragraphs") << QList{E::Enter, E::Type} << 20;
    QTest::newRow("joined paragraphs") << QList{E::Join} << 12;
    QTest::newRow("selections removed") << QList{E::DeleteAcross, E::Type} << 10;
    QTest::newRow("bold across paragraphs") << QList{E::BoldAcross} << 20;
    QTest::newRow("alignments") << QList{E::Align} << 20;
    QTest::newRow("paragraph marks' faces") << QList{E::ParagraphFace, E::Enter} << 20;
    QTest::newRow("pictures") << QList{E::Picture, E::Type} << 8;
    QTest::newRow("undone and redone")
        << QList{E::Enter, E::BoldAcross, E::Join, E::DeleteAcross, E::Undo, E::Undo, E::Undo, E::Redo, E::Redo}
        << 10;
    QTest::newRow("everything typed over") << QList{E::ReplaceAll, E::Type, E::Enter, E::Undo} << 6;
    QTest::newRow("cleared") << QList{E::Clear, E::Enter, E::Type} << 6;
}

void TestParagraphMirror::snapshotWritesAsTheEditedDocument()
{
    QFETCH(QList<Edit>, edits);
    QFETCH(int, rounds);
    QTextDocument document;
    QVERIFY(!rtf::read(kFixture, document));
    recovery::ParagraphMirror mirror;
    mirror.follow(&document);
    QVERIFY(mirror.fill());
    QCOMPARE(written(*mirror.snapshot().rebuild()), written(document));

    // Each edit lands while the copy is only partly made again: one paragraph is copied
    // after it, as a slice that runs out of time at once does, and the snapshot comes only
    // every few edits.
    QRandomGenerator random(22);
    for (int round = 0; round < rounds; ++round) {
        for (Edit edit : edits) {
            apply(edit, document, random);
            mirror.fill(QDeadlineTimer(0));
        }
        if (round % 3 == 2 || round == rounds - 1) {
            QVERIFY(mirror.fill());
            QCOMPARE(mirror.missing(), 0);
            QCOMPARE(written(*mirror.snapshot().rebuild()), written(document));
        }
    }
}

// Tables, hidden text and comments: what the snapshot rebuilds writes as the document does,
// after edits in and around the cells too.
void TestParagraphMirror::tablesAndUnshownPartsKept()
{
    const QByteArray fixture =
        "{\\rtf1{\\fonttbl{\\f0 NQ;}}before{\\v hidden} text\\par"
        "\\trowd\\cellx2000\\clcbpat1\\cellx5000\\pard\\intbl one\\cell {\\b two}\\cell\\row"
        "\\trowd\\cellx2000\\cellx5000\\pard\\intbl three\\cell four{\\*\\atnid A}\\chatn"
        "{\\*\\annotation{\\*\\atnref 1}\\pard said\\par}\\cell\\row"
        "\\pard after\\par}";
    QTextDocument document;
    QVERIFY(!rtf::read(fixture, document));
    QVERIFY(document.rootFrame()->childFrames().size() == 1);
    recovery::ParagraphMirror mirror;
    mirror.follow(&document);
    QVERIFY(mirror.fill());
    QCOMPARE(written(*mirror.snapshot().rebuild()), written(document));
    QRandomGenerator random(21);
    for (int round = 0; round < 12; ++round) {
        apply(round % 3 ? Edit::Type : Edit::Enter, document, random);
        mirror.fill(QDeadlineTimer(0));
    }
    QVERIFY(mirror.fill());
    QCOMPARE(written(*mirror.snapshot().rebuild()), written(document));
}

void TestParagraphMirror::followsTheDocumentItIsGiven()
{
    auto first = std::make_unique<QTextDocument>(QStringLiteral("first\ndocument"));
    QTextDocument second(QStringLiteral("the second one"));
    recovery::ParagraphMirror mirror;
    mirror.follow(first.get());
    QVERIFY(mirror.fill());
    mirror.follow(&second);
    QCOMPARE(mirror.missing(), 1);
    QVERIFY(mirror.fill());
    QCOMPARE(mirror.snapshot().rebuild()->toPlainText(), QStringLiteral("the second one"));

    // A document that goes is no longer followed, and nothing of it is kept.
    mirror.follow(first.get());
    first.reset();
    QCOMPARE(mirror.document(), nullptr);
    QVERIFY(!mirror.fill());
}

void TestParagraphMirror::changesQtDoesNotReportAreCaught()
{
    QTextDocument document(QStringLiteral("one\ntwo\nthree"));
    (void)document.documentLayout(); // as in an editor; reported as a change of its own
    // A change made while Qt reports another is reported to nobody after the one making it.
    bool nested = false;
    connect(&document, &QTextDocument::contentsChange, &document, [&] {
        if (std::exchange(nested, true))
            return;
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("\nunreported"));
    });
    recovery::ParagraphMirror mirror;
    mirror.follow(&document);
    QVERIFY(mirror.fill());
    QTextCursor(&document).insertText(QStringLiteral("reported "));
    QCOMPARE(document.toPlainText(), QStringLiteral("reported one\ntwo\nthree\nunreported"));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("went astray")));
    QVERIFY(mirror.fill());
    QCOMPARE(mirror.snapshot().rebuild()->toPlainText(), document.toPlainText());
}

void TestParagraphMirror::slicesTakeInChangesBetweenThem()
{
    using recovery::Autosave;
    QTemporaryDir folder;
    recovery::RecoveryStore store(folder.path());
    QStringList lines;
    for (int i = 0; i < 200'000; ++i)
        lines << QStringLiteral("line %1").arg(i);
    QTextDocument document(lines.join(u'\n'));
    ManualClock clock;
    Autosave autosave(store, {[&] { return &document; }, [] { return QString(); }}, clock);
    QSignalSpy written(&autosave, &Autosave::written);

    autosave.documentChanged();
    clock.advance(Autosave::kQuietMs);
    QVERIFY2(autosave.takingSnapshot(), "200 000 paragraphs were copied in one slice");
    QTextCursor first(&document);
    first.insertText(QStringLiteral("typed at the top, "));
    QTextCursor last(&document);
    last.movePosition(QTextCursor::End);
    last.insertText(QStringLiteral(", and at the end"));
    autosave.documentChanged();

    QVERIFY(written.wait(60'000));
    const QStringList copies = QDir(folder.path()).entryList({QStringLiteral("*.rtf")}, QDir::Files);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(textOf(folder.filePath(copies[0])), document.toPlainText());
    // Everything typed is in the copy: nothing is due.
    QVERIFY(!autosave.writeNow());
}

void TestParagraphMirror::settledWhileTakingWritesNothing()
{
    using recovery::Autosave;
    QTemporaryDir folder;
    recovery::RecoveryStore store(folder.path());
    QTextDocument document(QStringLiteral("a paragraph\n").repeated(200'000));
    ManualClock clock;
    Autosave autosave(store, {[&] { return &document; }, [] { return QString(); }}, clock);

    autosave.documentChanged();
    clock.advance(Autosave::kQuietMs);
    QVERIFY(autosave.takingSnapshot());
    autosave.documentSettled();
    QVERIFY(!autosave.takingSnapshot());
    QTest::qWait(100); // slices still queued would run here
    QVERIFY(!store.hasCopy());
    QVERIFY(QDir(folder.path()).entryList({QStringLiteral("*.rtf")}, QDir::Files).isEmpty());
}

QTEST_MAIN(TestParagraphMirror)
#include "test_paragraph_mirror.moc"
