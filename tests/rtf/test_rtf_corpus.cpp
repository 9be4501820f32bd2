// Every file of the corpus of real-world RTF (corpus/, sources and licences in its
// SOURCES.md) opens, and shows text wherever
// LibreOffice finds text (corpus_expectations.tsv, made by make_corpus_expectations.sh);
// files that are not RTF at all are refused with a message.

#include "rtf_test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

class TestRtfCorpus : public QObject {
    Q_OBJECT
private slots:
    void opens_data();
    void opens();
    void libreOfficeExportsReadAlike_data();
    void libreOfficeExportsReadAlike();
};

namespace {

QString corpusDir()
{
    return QStringLiteral(NORVELIN_RTF_CORPUS);
}

QHash<QString, QString> expectations()
{
    QHash<QString, QString> verdicts;
    QFile file(QStringLiteral(NORVELIN_CORPUS_EXPECTATIONS));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return verdicts;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() == 2)
            verdicts.insert(fields[0], fields[1]);
    }
    return verdicts;
}

} // namespace

void TestRtfCorpus::opens_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("verdict");
    const QDir corpus(corpusDir());
    QVERIFY2(corpus.exists(), qPrintable(QStringLiteral("the RTF corpus is not at %1").arg(corpus.absolutePath())));
    const QHash<QString, QString> verdicts = expectations();
    QVERIFY2(!verdicts.isEmpty(), "corpus_expectations.tsv is missing or empty");
    QDirIterator it(corpus.absolutePath(), {QStringLiteral("*.rtf"), QStringLiteral("*.RTF")}, QDir::Files,
                    QDirIterator::Subdirectories);
    QStringList files;
    while (it.hasNext())
        files << corpus.relativeFilePath(it.next());
    files.sort();
    QCOMPARE(files.size(), verdicts.size());
    for (const QString& file : files)
        QTest::newRow(qPrintable(file)) << corpus.filePath(file) << verdicts.value(file, QStringLiteral("unknown"));
}

void TestRtfCorpus::opens()
{
    QFETCH(QString, path);
    QFETCH(QString, verdict);
    QTextDocument document;
    const auto error = rtf::loadFile(path, document);
    if (verdict == u"not-rtf") {
        QVERIFY(error);
        QCOMPARE(error->kind, rtf::FailureKind::NotRtf);
        QCOMPARE(error->path, path);
        return;
    }
    QVERIFY2(!error, qPrintable(error ? rtf::failureText(*error) : QString()));
    if (verdict == u"text")
        QVERIFY2(!document.toPlainText().trimmed().isEmpty(), "LibreOffice finds text here, we found none");
}

void TestRtfCorpus::libreOfficeExportsReadAlike_data()
{
    QTest::addColumn<QString>("name");
    QVERIFY2(QDir(corpusDir()).exists(), qPrintable(QStringLiteral("the RTF corpus is not at %1").arg(corpusDir())));
    QTest::newRow("NQ bytes under fcharset0") << QStringLiteral("nq_fcharset0.rtf");
    QTest::newRow("NQ bytes under fcharset2") << QStringLiteral("nq_fcharset2.rtf");
    QTest::newRow("features") << QStringLiteral("features.rtf");
}

void TestRtfCorpus::libreOfficeExportsReadAlike()
{
    // The original and LibreOffice's RTF of it (\\uN with private-use values, \\~, \\-,
    // its own tables) must give the same text and, in NQ runs, the same glyph codes.
    QFETCH(QString, name);
    QTextDocument original;
    QTextDocument exported;
    const QString local = corpusDir() + QStringLiteral("/local/");
    QCOMPARE(rtf::loadFile(local + name, original), std::nullopt);
    QCOMPARE(rtf::loadFile(local + QStringLiteral("libreoffice-7.4.7-export/") + name, exported), std::nullopt);
    QStringList ours = rtf_test::rawText(original).split(u'\n');
    QStringList theirs = rtf_test::rawText(exported).split(u'\n');
    // LibreOffice makes a table's cells paragraphs of their own; the other lines must all
    // be there (Symbol-font bytes among them, which it writes as private-use characters).
    if (name != u"features.rtf") {
        QCOMPARE(theirs, ours);
        return;
    }
    int compared = 0;
    for (const QString& line : ours) {
        if (line.contains(u'\t') || line.contains(QChar::ObjectReplacementCharacter) || line.isEmpty())
            continue;
        QVERIFY2(theirs.contains(line), qPrintable(line));
        ++compared;
    }
    QVERIFY2(compared >= 10, qPrintable(QString::number(compared)));
}

QTEST_MAIN(TestRtfCorpus)
#include "test_rtf_corpus.moc"
