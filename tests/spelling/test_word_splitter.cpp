// Words of NQ text: where they start and end, what separates them, what is left out.

#include "nq_notation.h"
#include "spelling/word_splitter.h"

#include <QTest>

using spelling::splitNqWords;

class TestWordSplitter : public QObject {
    Q_OBJECT
private slots:
    void words_data();
    void words();
    void spansPointIntoTheText();
};

void TestWordSplitter::words_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");   // in typed notation
    QTest::newRow("sentence") << nqText("Aim baMlay gan gaI.")
                              << QStringList{"Aim", "baMlay", "gan", "gaI"};
    QTest::newRow("sign before its consonant stays in the word") << nqText("eban ikCu")
                                                                << QStringList{"eban", "ikCu"};
    QTest::newRow("hasanta and reph inside") << nqText("s_fS km^") << QStringList{"s_fS", "km^"};
    QTest::newRow("palette codes") << nqText("{184}Tm {202}") << QStringList{"{184}Tm", "{202}"};
    QTest::newRow("punctuation separates") << nqText("k,L(m)n;p?r!s\"t")
                                           << QStringList{"k", "L", "m", "n", "p", "r", "s", "t"};
    QTest::newRow("hyphen and slash separate") << nqText("Ar-Ekf/du") << QStringList{"Ar", "Ekf", "du"};
    QTest::newRow("numbers are left out") << nqText("12 kal 3ta 1971") << QStringList{"kal"};
    QTest::newRow("apostrophe inside a word") << nqText("kal'ek") << QStringList{"kal'ek"};
    QTest::newRow("apostrophe at the edges") << nqText("'kal' 'ek") << QStringList{"kal", "ek"};
    QTest::newRow("line-break marker separates") << nqText("k{255}g") << QStringList{"k", "g"};
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("only separators") << nqText(" .,;") << QStringList{};
}

void TestWordSplitter::words()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QStringList found;
    for (const auto& span : splitNqWords(text))
        found.append(nqKeys(text.mid(span.start, span.length)));
    QCOMPARE(found, words);
}

void TestWordSplitter::spansPointIntoTheText()
{
    const QString text = nqText("  Aim, tumi");
    const auto spans = splitNqWords(text);
    QCOMPARE(spans.size(), 2);
    QCOMPARE(spans[0], (spelling::WordSpan{2, 3}));
    QCOMPARE(spans[1], (spelling::WordSpan{7, 4}));
}

QTEST_GUILESS_MAIN(TestWordSplitter)
#include "test_word_splitter.moc"
