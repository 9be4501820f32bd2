// Every file of the shared corpus of real-world RTF opens, and shows text wherever
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
};

namespace {

QString corpusDir()
{
    return qEnvironmentVariable("NORVELIN_SOURCE_DIR") + QStringLiteral("/../shared/rtf-corpus");
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
    if (!corpus.exists())
        QSKIP(qPrintable(QStringLiteral("the RTF corpus is not at %1").arg(corpus.absolutePath())));
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
        QVERIFY2(error->startsWith(path) && error->contains(u"not an RTF file"), qPrintable(*error));
        return;
    }
    QVERIFY2(!error, qPrintable(error.value_or(QString())));
    if (verdict == u"text")
        QVERIFY2(!document.toPlainText().trimmed().isEmpty(), "LibreOffice finds text here, we found none");
}

QTEST_MAIN(TestRtfCorpus)
#include "test_rtf_corpus.moc"
