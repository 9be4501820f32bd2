// norvelin-rtf --spell: one line per flagged word of the NQ text, in reading order, with the
// paragraph number and up to three suggestions, in Unicode.

#include "tool_runner.h"

#include "nqtext/unicode_document.h"
#include "rtf/rtf.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using rtf_test::runTool;

class TestNorvelinRtfSpell : public QObject {
    Q_OBJECT
private slots:
    void flaggedWordsInReadingOrder();
    void nothingToReport_data();
    void nothingToReport();
    void unreadableInput();

private:
    QString save(const QString& name, const QStringList& paragraphs, bool boldInsideAWord = false);
    QTemporaryDir dir_;
};

// Unicode paragraphs as an NQ document: Bengali in the NQ face, other characters in a face
// that shows them.
QString TestNorvelinRtfSpell::save(const QString& name, const QStringList& paragraphs, bool boldInsideAWord)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    for (int i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        nqtext::insertUnicodeAsNq(cursor, paragraphs[i]);
    }
    if (boldInsideAWord) {
        // Two letters in the middle of the first word set bold: still one word.
        QTextCursor part(&document);
        part.setPosition(1);
        part.setPosition(3, QTextCursor::KeepAnchor);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        part.mergeCharFormat(bold);
    }
    const QString path = dir_.filePath(name);
    const auto error = rtf::saveFile(path, document);
    return error ? QString() : path;
}

void TestNorvelinRtfSpell::flaggedWordsInReadingOrder()
{
    const QString path = save(QStringLiteral("typos.rtf"),
                              {QStringLiteral("আমি বাংলায় গান গাই। আকাসে মেঘ।"),
                               QStringLiteral("Speling is not checked in English, ১৯৭১ neither."),
                               QStringLiteral("পৃথিবি ও মানূষ; আকাসে আবার।")},
                              true);
    QVERIFY(!path.isEmpty());
    const auto run = runTool({QStringLiteral("--spell"), path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errors.isEmpty(), qPrintable(run.errors));
    const QStringList lines = run.output.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    const QList<QStringList> expected = {
        {QStringLiteral("1"), QStringLiteral("আকাসে"), QStringLiteral("আকাশে")},
        {QStringLiteral("3"), QStringLiteral("পৃথিবি"), QStringLiteral("পৃথিবী")},
        {QStringLiteral("3"), QStringLiteral("মানূষ"), QStringLiteral("মানুষ")},
        {QStringLiteral("3"), QStringLiteral("আকাসে"), QStringLiteral("আকাশে")},
    };
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(u'\t');
        QCOMPARE(fields.size(), 3);
        QCOMPARE(fields[0], expected[i][0]);
        QCOMPARE(fields[1], expected[i][1]);
        const QStringList suggestions = fields[2].split(u' ');
        QVERIFY2(suggestions.size() >= 1 && suggestions.size() <= 3, qPrintable(lines[i]));
        QVERIFY2(!suggestions.contains(QString()), qPrintable(lines[i]));   // single spaces
        QVERIFY2(suggestions.contains(expected[i][2]), qPrintable(lines[i]));
    }
}

void TestNorvelinRtfSpell::nothingToReport_data()
{
    QTest::addColumn<QStringList>("paragraphs");
    QTest::newRow("correct Bengali, inflected") << QStringList{QStringLiteral("ফাইলগুলোতেই ডেটা রাখা হয়নি।")};
    QTest::newRow("Latin words and numbers") << QStringList{QStringLiteral("Teh qiuck fox, ১২৩ and 456.")};
    QTest::newRow("empty document") << QStringList{QString()};
}

void TestNorvelinRtfSpell::nothingToReport()
{
    QFETCH(QStringList, paragraphs);
    const QString path = save(QStringLiteral("clean.rtf"), paragraphs);
    QVERIFY(!path.isEmpty());
    const auto run = runTool({QStringLiteral("--spell"), path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.output, QString());
}

void TestNorvelinRtfSpell::unreadableInput()
{
    const auto run = runTool({QStringLiteral("--spell"), dir_.filePath(QStringLiteral("missing.rtf"))});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.output.isEmpty());
    QVERIFY2(run.errors.contains(QStringLiteral("missing.rtf")), qPrintable(run.errors));
}

QTEST_MAIN(TestNorvelinRtfSpell)
#include "test_norvelin_rtf_spell.moc"
