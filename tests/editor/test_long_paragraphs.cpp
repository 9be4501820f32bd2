// Paragraphs too long to edit are cut into pieces: every character stays, in order, no
// piece is longer than the limit, words stay whole where a space allows it, and surrogate
// pairs are never split.

#include "editor/long_paragraphs.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

class TestLongParagraphs : public QObject {
    Q_OBJECT
private slots:
    void cuts_data();
    void cuts();
    void keepsFormats();
};

void TestLongParagraphs::cuts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("split");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("short paragraphs stay") << QStringLiteral("abc\ndefg") << 4 << 0
                                           << QStringList{QStringLiteral("abc"), QStringLiteral("defg")};
    QTest::newRow("no space: hard cuts") << QStringLiteral("abcdefghij") << 4 << 1
                                         << QStringList{QStringLiteral("abcd"), QStringLiteral("efgh"), QStringLiteral("ij")};
    QTest::newRow("after the last space near the end") << QStringLiteral("aaaaaa bb cccc") << 8 << 1
                                                       << QStringList{QStringLiteral("aaaaaa "), QStringLiteral("bb cccc")};
    QTest::newRow("a space too early is not used") << QStringLiteral("a bcdefghijkl") << 8 << 1
                                                   << QStringList{QStringLiteral("a bcdefg"), QStringLiteral("hijkl")};
    QTest::newRow("tab counts as a space") << QStringLiteral("aaaaaa\tbbbb") << 8 << 1
                                           << QStringList{QStringLiteral("aaaaaa\t"), QStringLiteral("bbbb")};
    QTest::newRow("surrogate pair stays whole") << (QStringLiteral("abc") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("de"))
                                                << 4 << 1
                                                << QStringList{QStringLiteral("abc"), QString::fromUcs4(U"\U0001F600") + QStringLiteral("de")};
    QTest::newRow("only the long one of several") << QStringLiteral("ab\nabcdefg\ncd") << 3 << 1
                                                  << QStringList{QStringLiteral("ab"), QStringLiteral("abc"), QStringLiteral("def"),
                                                                 QStringLiteral("g"), QStringLiteral("cd")};
    QTest::newRow("two long ones") << QStringLiteral("abcdef\nghijkl") << 3 << 2
                                   << QStringList{QStringLiteral("abc"), QStringLiteral("def"), QStringLiteral("ghi"),
                                                  QStringLiteral("jkl")};
    QTest::newRow("exactly the limit stays") << QStringLiteral("abcd") << 4 << 0 << QStringList{QStringLiteral("abcd")};
}

void TestLongParagraphs::cuts()
{
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    QFETCH(int, split);
    QFETCH(QStringList, pieces);
    QTextDocument document;
    document.setPlainText(text);
    QCOMPARE(editing::splitLongParagraphs(document, maxLength), split);
    QStringList found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        found << block.text();
    QCOMPARE(found, pieces);
}

void TestLongParagraphs::keepsFormats()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    cursor.createList(bullets);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("abcdefgh"), bold);

    QCOMPARE(editing::splitLongParagraphs(document, 3), 1);
    QCOMPARE(document.blockCount(), 3);
    int listed = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QCOMPARE(block.blockFormat().alignment(), Qt::AlignHCenter);
        QVERIFY(block.begin().fragment().charFormat().font().bold());
        listed += block.textList() ? 1 : 0;
    }
    // One item, continued: the pieces are not numbered or bulleted as items of their own.
    QCOMPARE(listed, 1);
}

QTEST_MAIN(TestLongParagraphs)
#include "test_long_paragraphs.moc"
