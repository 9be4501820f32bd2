// The glyph table and the joined clusters compiled into the program: complete, coherent with
// the palette's codes and the bridge, and read with a clear message where a line is malformed.
#include "nq/glyph_table.h"
#include "nq/joined_clusters.h"
#include "nq/unicode_bridge.h"

#include <QFile>
#include <QSet>
#include <QTest>

using nq::Kind;

class TestGlyphTable : public QObject {
    Q_OBJECT
private slots:
    void tableReadsWhole()
    {
        QFile file(QStringLiteral(":/nq/glyph_table.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList errors;
        const auto rows = nq::parseGlyphTable(QString::fromUtf8(file.readAll()), &errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
        QCOMPARE(rows.size(), nq::glyphTable().size());
        QCOMPARE(rows.size(), 194); // 188 in the palette, 5 typed only, the hasanta that never joins
        QSet<int> codes;
        for (const auto& g : rows)
            codes.insert(g.code);
        QCOMPARE(codes.size(), rows.size());
    }

    void paletteCellsAreThePalettes()
    {
        // 191 filled cells, 188 distinct codes, each cell once; the cells left out are
        // the empty cell (2,13) and nothing else.
        QSet<QPoint> cells;
        QSet<int> offered;
        int filled = 0;
        for (const auto& g : nq::glyphTable()) {
            QCOMPARE(g.blocks.size(), g.cells.size());
            for (int i = 0; i < g.cells.size(); ++i) {
                const QPoint cell = g.cells[i];
                QVERIFY2(cell.x() >= 0 && cell.x() < 32 && cell.y() >= 0 && cell.y() < 6,
                         qPrintable(QString::number(g.code)));
                QVERIFY2(!cells.contains(cell), qPrintable(QStringLiteral("cell used twice by %1").arg(g.code)));
                QVERIFY(g.blocks[i] >= 1 && g.blocks[i] <= 8);
                cells.insert(cell);
                ++filled;
            }
            if (!g.cells.isEmpty()) {
                offered.insert(g.code);
                QCOMPARE(g.block, g.blocks.first());
            }
        }
        QCOMPARE(filled, 191);
        QCOMPARE(offered.size(), 188);
        QVERIFY(!cells.contains(QPoint(13, 2)));

        const QSet<int> notOffered = {38, 42, 64, 124, 127, 128, 129, 138, 141, 142, 143, 144, 149,
                                      157, 158, 160, 164, 167, 170, 172, 174, 176, 194, 198, 204,
                                      205, 206, 207, 208, 217, 221, 222, 223, 226, 237};
        for (int code = 33; code <= 255; ++code)
            QVERIFY2(offered.contains(code) != notOffered.contains(code), qPrintable(QString::number(code)));
    }

    void cellsAndBlocksOfSharedCodes()
    {
        const nq::Glyph* taka = nq::glyphFor(36);
        QVERIFY(taka);
        QCOMPARE(taka->cells, (QList<QPoint>{QPoint(15, 0), QPoint(2, 5)}));
        QCOMPARE(taka->blocks, (QList<int>{7, 2}));
        const nq::Glyph* raPhala = nq::glyphFor(96);
        QVERIFY(raPhala);
        QCOMPARE(raPhala->cells, (QList<QPoint>{QPoint(15, 5), QPoint(16, 5), QPoint(17, 5)}));
        QCOMPARE(raPhala->blocks, (QList<int>{8, 8, 8}));
        const nq::Glyph* lineBreak = nq::glyphFor(255);
        QVERIFY(lineBreak);
        QCOMPARE(lineBreak->kind, Kind::LineBreak);
        QVERIFY(lineBreak->unicode.isEmpty());
        QCOMPARE(lineBreak->cells, (QList<QPoint>{QPoint(25, 5)}));
        QVERIFY(!nq::glyphFor(127));
        QVERIFY(!nq::glyphFor(-1));
        QVERIFY(!nq::glyphFor(256));
    }

    void everyTypedAsciiCodeHasARow()
    {
        // Typed C and D give 162 and 163; every other printable ASCII key types its own code.
        for (int code = 32; code < 127; ++code) {
            const nq::Glyph* g = nq::glyphFor(code);
            QVERIFY2(g, qPrintable(QString::number(code)));
            QVERIFY2(g->kind == Kind::LineBreak || !g->unicode.isEmpty(), qPrintable(QString::number(code)));
        }
        QCOMPARE(nq::glyphFor(162)->unicode, QString(QChar(0x099B)));
        QCOMPARE(nq::glyphFor(163)->unicode, QString(QChar(0x09A7)));
    }

    void variantsNameTheirCarrier()
    {
        // Mark variants that fit particular consonants are drawn as after that consonant;
        // the plain sign is drawn for any.
        QVERIFY(nq::glyphFor(117)->carrier.isEmpty());
        QCOMPARE(nq::glyphFor(168)->carrier, QString(QChar(0x0995)));
        QCOMPARE(nq::glyphFor(171)->carrier, QString(QChar(0x099A)));
        QCOMPARE(nq::glyphFor(42)->carrier, nq::glyphFor(168)->carrier);
        QCOMPARE(nq::glyphFor(38)->carrier, nq::glyphFor(171)->carrier);
    }

    void variantsSayWhereTheyBelong()
    {
        // The rows the bridge chooses between, and the typed-only repeats it never emits.
        QCOMPARE(nq::glyphFor(168)->signFor, QStringLiteral("কফঝঞ"));
        QCOMPARE(nq::glyphFor(171)->signFor, QStringLiteral("চছটডঢতভঙ"));
        QVERIFY(nq::glyphFor(201)->forWideClusters);
        QVERIFY(nq::glyphFor(117)->signFor.isEmpty() && !nq::glyphFor(117)->forWideClusters);
        QCOMPARE(nq::glyphFor(38)->sameAs, 171);
        QCOMPARE(nq::glyphFor(35)->sameAs, 182);
        QCOMPARE(nq::glyphFor(182)->sameAs, 0);
    }

    void malformedRows_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("too few fields") << QStringLiteral("65\t0041\tA\t0,0\t1\tU+0986\tVOW")
                                        << QStringLiteral("line 1: expected 8, 9 or 11 tab-separated fields");
        QTest::newRow("code out of range") << QStringLiteral("256\t0100\t-\t-\t-\tU+0986\tVOW\tx")
                                           << QStringLiteral("line 1: bad code");
        QTest::newRow("code not a number") << QStringLiteral("A\t0041\t-\t-\t-\tU+0986\tVOW\tx")
                                           << QStringLiteral("line 1: bad code");
        QTest::newRow("unicode without U+") << QStringLiteral("65\t0041\t-\t-\t-\t0986\tVOW\tx")
                                            << QStringLiteral("line 1: bad unicode");
        QTest::newRow("unknown kind") << QStringLiteral("65\t0041\t-\t-\t-\tU+0986\tVOWEL\tx")
                                      << QStringLiteral("line 1: unknown kind");
        QTest::newRow("blocks do not match cells") << QStringLiteral("65\t0041\t-\t0,0 1,1 2,2\t1 2\tU+0986\tVOW\tx")
                                                   << QStringLiteral("line 1: palette cells and blocks differ in number");
        QTest::newRow("repeats itself") << QStringLiteral("65\t0041\t-\t-\t-\tU+0986\tVOW\tx\t-\t65\t-")
                                        << QStringLiteral("line 1: bad same_as");
        QTest::newRow("bad carrier") << QStringLiteral("117\t0075\tu\t4,5\t1\tU+09C1\tBELOW\tx\tka")
                                     << QStringLiteral("line 1: bad carrier");
    }
    void malformedRows()
    {
        QFETCH(QString, line);
        QFETCH(QString, message);
        // A good row after the bad one still reads: one bad row loses nothing else.
        const QString text = line + QStringLiteral("\n66\t0042\tShift+B\t0,1\t1\tU+09AD\tCONS\tBHA\n");
        QStringList errors;
        const auto rows = nq::parseGlyphTable(text, &errors);
        QCOMPARE(errors, QStringList{message});
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().code, 66);
    }

    void rowsWithoutCarrierColumnStillRead()
    {
        QStringList errors;
        const auto rows = nq::parseGlyphTable(
            QStringLiteral("# comment\n\n117\t0075\tu\t4,5\t1\tU+09C1\tBELOW\tU sign\n"
                           "88\t0058\tShift+X\t2,2\t1\tU+0995 U+09CD U+09B7\tCONJ\tKSSA\tU+0995\n"),
            &errors);
        QVERIFY(errors.isEmpty());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].code, 88);  // ordered by code
        QCOMPARE(rows[0].unicode, QStringLiteral("\u0995\u09CD\u09B7"));
        QCOMPARE(rows[0].carrier, QString(QChar(0x0995)));
        QCOMPARE(rows[1].kind, Kind::Below);
        QVERIFY(rows[1].carrier.isEmpty());
        QCOMPARE(rows[1].cells, QList<QPoint>{QPoint(5, 4)});
    }

    // The clusters the font joins, as the bridge reads them: all of the file, and each one
    // converts to codes and back unchanged.
    void joinedClustersReadWhole()
    {
        QFile file(QStringLiteral(":/nq/joined_clusters.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList errors;
        const auto clusters = nq::parseJoinedClusters(QString::fromUtf8(file.readAll()), &errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
        QCOMPARE(clusters, nq::joinedClusters());
        QVERIFY(clusters.size() > 700);
        QVERIFY(clusters.contains(QStringLiteral("\u09B8\u09CD\u099F"))); // স্ট
        for (const QString& cluster : clusters) {
            const nq::BridgeResult codes = nq::unicodeToNq(cluster);
            QCOMPARE(codes.unconverted, 0);
            QCOMPARE(nq::nqToUnicode(codes.text).text, cluster.normalized(QString::NormalizationForm_C));
        }
    }

    void malformedJoinedClusters_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message");
        const QString notCluster = QStringLiteral("line 1: not a consonant cluster");
        QTest::newRow("one letter") << QStringLiteral("U+0995\tক") << notCluster;
        QTest::newRow("ends with hasanta") << QStringLiteral("U+0995 U+09CD\tক্") << notCluster;
        QTest::newRow("no hasanta between") << QStringLiteral("U+0995 U+09B2 U+0995\tকলক") << notCluster;
        QTest::newRow("outside the Bengali block") << QStringLiteral("U+0061 U+09CD U+0995\ta") << notCluster;
        QTest::newRow("not a code point") << QStringLiteral("U+XYZ U+09CD U+0995\t?") << notCluster;
    }
    void malformedJoinedClusters()
    {
        QFETCH(QString, line);
        QFETCH(QString, message);
        QStringList errors;
        const auto clusters = nq::parseJoinedClusters(line + QStringLiteral("\nU+0995 U+09CD U+09B2\tক্ল\n"), &errors);
        QCOMPARE(errors, QStringList{message});
        QCOMPARE(clusters, QList<QString>{QStringLiteral("\u0995\u09CD\u09B2")});
    }
};

QTEST_APPLESS_MAIN(TestGlyphTable)
#include "test_glyph_table.moc"
