// The size list, the font-name list, the palette sizes and the Options panel's place.

#include "formatting/size_options.h"

#include <QtTest>

class TestSizeOptions : public QObject {
    Q_OBJECT
private slots:
    void sizeEntries();
    void fontNames_data();
    void fontNames();
    void sizeText_data();
    void sizeText();
    void paletteSizes();
    void panelPosition_data();
    void panelPosition();
};

void TestSizeOptions::sizeEntries()
{
    const QStringList sizes = formatting::sizeListEntries();
    QCOMPARE(sizes.size(), 37);
    QCOMPARE(sizes.mid(0, 12), QStringList({"8", "9", "10", "11", "12", "13", "14", "15", "16",
                                            "18", "20", "22"}));
    QCOMPARE(sizes.mid(35), QStringList({"70", "72"}));
    QCOMPARE(sizes.at(formatting::initialSizeIndex()), QStringLiteral("16"));
}

void TestSizeOptions::fontNames_data()
{
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("sorted, first kept") << QStringList{"Zeta", "alpha", "Beta"}
                                        << QStringList{"alpha", "Beta", "Zeta"} << "Combo2";
    QTest::newRow("NQ shown") << QStringList{"Serif", "NQ", "Mono"}
                              << QStringList{"Mono", "NQ", "Serif"} << "NQ";
    QTest::newRow("lower-case nq listed, not shown") << QStringList{"nq", "Serif"}
                                                     << QStringList{"nq", "Serif"} << "Combo2";
    QTest::newRow("both spellings") << QStringList{"nq", "NQ"} << QStringList{"NQ", "nq"} << "NQ";
    QTest::newRow("foundries folded") << QStringList{"NQ [UKWN]", "NQ [Norvelin]", "Serif"}
                                      << QStringList{"NQ", "Serif"} << "NQ";
    QTest::newRow("duplicates once") << QStringList{"Sans", "Sans", "Mono"}
                                     << QStringList{"Mono", "Sans"} << "Combo2";
    QTest::newRow("no fonts") << QStringList{} << QStringList{} << "Combo2";
}

void TestSizeOptions::fontNames()
{
    QFETCH(QStringList, families);
    QFETCH(QStringList, listed);
    QFETCH(QString, shown);
    QCOMPARE(formatting::fontNameEntries(families), listed);
    QCOMPARE(formatting::fontListText(families), shown);
}

void TestSizeOptions::sizeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::newRow("listed") << "16" << 16.0;
    QTest::newRow("blanks") << " 20 " << 20.0;
    QTest::newRow("designed text") << "Combo1" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("negative") << "-4" << 0.0;
}

void TestSizeOptions::sizeText()
{
    QFETCH(QString, text);
    QFETCH(double, points);
    QCOMPARE(formatting::pointsFromSizeText(text), points);
}

void TestSizeOptions::paletteSizes()
{
    QCOMPARE(formatting::paletteFontSizeForOption(1), 13.0);
    QCOMPARE(formatting::paletteFontSizeForOption(2), 15.0);
    QCOMPARE(formatting::paletteFontSizeForOption(3), 16.0);
    QCOMPARE(formatting::paletteFontSizeForOption(4), 17.0);
    QCOMPARE(formatting::paletteFontSizeForOption(5), 0.0);
    QCOMPARE(formatting::kInitialPaletteFontSize, formatting::paletteFontSizeForOption(1));
}

void TestSizeOptions::panelPosition_data()
{
    QTest::addColumn<QSizeF>("screen");
    QTest::addColumn<QSizeF>("panel");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("12000 x 9000") << QSizeF(12000, 9000) << QSizeF(3975, 1455) << QPointF(4012.5, 3772.5);
    QTest::newRow("1280 x 800 at 96 dpi") << QSizeF(19200, 12000) << QSizeF(3975, 1455)
                                          << QPointF(7612.5, 5272.5);
    QTest::newRow("panel larger than screen") << QSizeF(3000, 1000) << QSizeF(3975, 1455)
                                              << QPointF(-487.5, -227.5);
}

void TestSizeOptions::panelPosition()
{
    QFETCH(QSizeF, screen);
    QFETCH(QSizeF, panel);
    QFETCH(QPointF, expected);
    QCOMPARE(formatting::optionsPanelPosition(screen, panel), expected);
}

QTEST_MAIN(TestSizeOptions)
#include "test_size_options.moc"
