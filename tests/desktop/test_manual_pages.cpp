// The manual pages as installed: man renders them without a warning, and each names every
// option its program's own usage text offers, so that a new option cannot go undocumented.

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestManualPages : public QObject {
    Q_OBJECT
private slots:
    void rendersWithoutWarnings_data();
    void rendersWithoutWarnings();
    void namesEveryOptionOfTheUsage_data();
    void namesEveryOptionOfTheUsage();
};

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    if (!process.waitForStarted() || !process.waitForFinished(60000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QProcessEnvironment manEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    // Plain ASCII: "\-" must come out as the "-" a user types.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.remove(QStringLiteral("MANPAGER"));
    environment.remove(QStringLiteral("PAGER"));
    return environment;
}

void addPages()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("program");
    QTest::newRow("norvelin(1)") << QStringLiteral(NORVELIN_MAN_DIR "/norvelin.1")
                                 << QStringLiteral(NORVELIN_PROGRAM);
    QTest::newRow("norvelin-rtf(1)") << QStringLiteral(NORVELIN_MAN_DIR "/norvelin-rtf.1")
                                     << QStringLiteral(NORVELIN_RTF_PROGRAM);
}

} // namespace

void TestManualPages::rendersWithoutWarnings_data()
{
    addPages();
}

void TestManualPages::rendersWithoutWarnings()
{
    QFETCH(QString, page);
    // What is installed is the compressed page; groff checks the source with every warning on.
    const Run man = run(QStringLiteral("man"), {QStringLiteral("--warnings"), QStringLiteral("-l"), page + QStringLiteral(".gz")},
                        manEnvironment());
    QVERIFY2(man.exitCode == 0, man.err.constData());
    QVERIFY2(man.err.isEmpty(), man.err.constData());
    QVERIFY2(man.out.contains("NAME") && man.out.contains("EXIT STATUS"), man.out.constData());
    const Run groff = run(QStringLiteral("groff"), {QStringLiteral("-ww"), QStringLiteral("-z"), QStringLiteral("-man"), page},
                          manEnvironment());
    QVERIFY2(groff.exitCode == 0 && groff.err.isEmpty(), groff.err.constData());
}

void TestManualPages::namesEveryOptionOfTheUsage_data()
{
    addPages();
}

void TestManualPages::namesEveryOptionOfTheUsage()
{
    QFETCH(QString, page);
    QFETCH(QString, program);
    // A program without a help text of its own prints its usage as an error: both list options.
    const Run usage = run(program, {QStringLiteral("--help")}, QProcessEnvironment::systemEnvironment());
    QVERIFY2(usage.exitCode == 0 || usage.exitCode == 2, usage.err.constData());
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*"));
    QSet<QString> options;
    for (const auto& match : option.globalMatch(QString::fromUtf8(usage.out + usage.err)))
        options.insert(match.captured());
    QVERIFY2(options.size() >= 2, (usage.out + usage.err).constData());

    const Run man = run(QStringLiteral("man"), {QStringLiteral("-l"), page + QStringLiteral(".gz")}, manEnvironment());
    QCOMPARE(man.exitCode, 0);
    const QString text = QString::fromUtf8(man.out);
    for (const QString& name : std::as_const(options)) {
        const QRegularExpression mentioned(QStringLiteral("(?<![\\w-])%1(?![\\w-])").arg(QRegularExpression::escape(name)));
        QVERIFY2(text.contains(mentioned), qPrintable(name + QStringLiteral(" is not in ") + page));
    }
}

QTEST_GUILESS_MAIN(TestManualPages)
#include "test_manual_pages.moc"
