// The window is as wide as the screen, never wider in device pixels, at any scale.

#include "platform/twips.h"

#include <QTest>

#include <cmath>

class TestScreenFit : public QObject {
    Q_OBJECT

private slots:
    void fittingWidth_data()
    {
        QTest::addColumn<int>("logicalWidth");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("expected");
        QTest::newRow("1600 at 144 dpi (1.5): Qt gives 1067") << 1067 << 1.5 << 1066;
        QTest::newRow("1600 at 120 dpi (1.25)") << 1280 << 1.25 << 1280;
        QTest::newRow("1366 at 96 dpi") << 1366 << 1.0 << 1366;
        QTest::newRow("1920 at 2") << 960 << 2.0 << 960;
        QTest::newRow("1366 at 1.75: Qt gives 781") << 781 << 1.75 << 780;
    }

    void fittingWidth()
    {
        QFETCH(int, logicalWidth);
        QFETCH(double, ratio);
        QFETCH(int, expected);
        const int width = platform::fittingWidth(logicalWidth, ratio);
        QCOMPARE(width, expected);
        QVERIFY(width * ratio <= std::floor(logicalWidth * ratio) + 1e-9);
    }
};

QTEST_MAIN(TestScreenFit)
#include "test_screen_fit.moc"
