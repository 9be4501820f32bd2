// Replays the fuzzer's seed corpus (and the inputs it once crashed on) through the
// harness, so that every normal build checks them.

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

class TestRtfFuzzSeeds : public QObject {
    Q_OBJECT
private slots:
    void replay_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(NORVELIN_FUZZ_CORPUS));
        const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY2(!names.isEmpty(), "the seed corpus is empty");
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << corpus.filePath(name);
    }
    void replay()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        // The harness aborts on a failed check; reaching the end is the pass.
        QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.constData()), size_t(data.size())), 0);
    }
};

QTEST_MAIN(TestRtfFuzzSeeds)
#include "test_rtf_fuzz_seeds.moc"
