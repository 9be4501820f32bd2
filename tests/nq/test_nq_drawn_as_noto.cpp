// A fixed sample of words rich in conjuncts, signs and marks (data/sample_words.txt): the
// NQ codes the bridge makes of each, set in the NQ font, must draw as Noto Sans Bengali
// draws the Unicode word, by the measure of benchmarks/nqfont/measure_nq_rendering.py.
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

// Measured on this sample: 436 of 436 words. A change to the font, its generator or the
// bridge that draws fewer words right fails here.
constexpr double kExpectedPercent = 100.0;
constexpr int kMissingTools = 77;

} // namespace

class TestNqDrawnAsNoto : public QObject {
    Q_OBJECT
private slots:
    void sampleDrawsAsNoto()
    {
        QProcess measure;
        measure.setProcessChannelMode(QProcess::MergedChannels);
        measure.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(MEASURE_SCRIPT), QStringLiteral("--nq-font"), QStringLiteral(NQ_FONT_PATH),
                       QStringLiteral("--codes"), QStringLiteral(WORD_CODES_PATH), QStringLiteral("--sample"),
                       QStringLiteral(SAMPLE_WORDS), QStringLiteral("--top"), QStringLiteral("15")});
        QVERIFY2(measure.waitForFinished(90000), "the measure did not finish");
        const QString output = QString::fromUtf8(measure.readAll());
        QVERIFY2(measure.exitCode() != kMissingTools, qPrintable(output.trimmed()));
        QCOMPARE(measure.exitStatus(), QProcess::NormalExit);
        QVERIFY2(measure.exitCode() == 0, qPrintable(output));

        static const QRegularExpression figure(QStringLiteral("drawn right .*: (\\d+) of (\\d+) = ([\\d.]+)%"));
        const auto match = figure.match(output);
        QVERIFY2(match.hasMatch(), qPrintable(output));
        QVERIFY2(match.captured(2).toInt() > 400, "the sample lost words");
        QVERIFY2(match.captured(3).toDouble() >= kExpectedPercent, qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestNqDrawnAsNoto)
#include "test_nq_drawn_as_noto.moc"
