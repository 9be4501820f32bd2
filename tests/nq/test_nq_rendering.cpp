// Words typed in the NQ layout (visual order, as on paper) must look like the same words
// written in Unicode and shaped with the font the glyphs come from: the same ink box and
// about the same amount of ink, so that a reader sees the same word.
#include "nq/glyph_code.h"
#include "nq/glyph_table.h"
#include "nq_font_fixture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTextLayout>

namespace {

constexpr int kPixelSize = 64;
constexpr int kBoxTolerance = 2;      // pixels, at 64 px per em
constexpr double kInkTolerance = 0.04;

struct Ink {
    QRect box;
    qint64 pixels = 0;
};

// The codes a writer's key strokes give. A key may be a printable character (Shift
// included: 'C' is Shift+C) or a \xNN palette code passed through as it is.
QByteArray typedCodes(const QString& keys)
{
    QByteArray codes;
    for (QChar key : keys) {
        const nq::Glyph* typed = nullptr;
        for (const nq::Glyph& g : nq::glyphTable()) {
            const QString want = key.isUpper() ? QStringLiteral("Shift+") + key : QString(key);
            if (g.key == want) {
                typed = &g;
                break;
            }
        }
        if (typed) {
            codes.append(char(typed->code));
        } else {
            const auto code = nq::toCode(key);
            codes.append(code ? char(*code) : '?');
        }
    }
    return codes;
}

Ink inkOf(const QString& text, const QString& family, QString* usedFamilies)
{
    QFont font(family);
    font.setPixelSize(kPixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(10000);
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        usedFamilies->append(run.rawFont().familyName() + QLatin1Char(';'));

    QImage image(int(line.naturalTextWidth()) + 4 * kPixelSize, 4 * kPixelSize, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        layout.draw(&painter, QPointF(2 * kPixelSize, kPixelSize));
    }
    Ink ink;
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] < 128) {
                ++ink.pixels;
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    if (right >= 0)
        ink.box = QRect(QPoint(left, top), QPoint(right, bottom));
    return ink;
}

} // namespace

class TestNqRendering : public QObject {
    Q_OBJECT
    QString sourceFamily_;

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(nqtest::fontPath()), qPrintable(nqtest::fontPath() + " was not built"));
        QCOMPARE(nqtest::registerFont(nqtest::fontPath()), QStringLiteral("NQ"));
        QVERIFY2(QFile::exists(nqtest::sourceFontPath()),
                 qPrintable(nqtest::sourceFontPath() + " is not installed: nothing to compare with"));
        sourceFamily_ = nqtest::registerFont(nqtest::sourceFontPath());
        QVERIFY(!sourceFamily_.isEmpty());
    }

    void typedWordLooksLikeUnicodeWord_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("unicode");
        QTest::newRow("I sign typed before its consonant: kitab") << QStringLiteral("iktab") << QStringLiteral("কিতাব");
        QTest::newRow("anusvara: bangla") << QStringLiteral("baMla") << QStringLiteral("বাংলা");
        QTest::newRow("centred U after ka: kukur") << QStringLiteral("k*k*r") << QStringLiteral("কুকুর");
        QTest::newRow("hooked U after ca: cul") << QStringLiteral("c&l") << QStringLiteral("চুল");
        QTest::newRow("E signs before consonants: meye") << QStringLiteral("emey") << QStringLiteral("মেয়ে");
        QTest::newRow("reph typed after its consonant: korom") << QStringLiteral("km^") << QStringLiteral("কর্ম");
        QTest::newRow("AU: e + consonant + length mark") << QStringLiteral("eb<") << QStringLiteral("বৌ");
        QTest::newRow("O: e + consonant + a") << QStringLiteral("eba") << QStringLiteral("বো");
        QTest::newRow("typed C is CHA: chobi") << QStringLiteral("Cib") << QStringLiteral("ছবি");
        QTest::newRow("conjunct key X: kkhoma") << QStringLiteral("Xma") << QStringLiteral("ক্ষমা");
        QTest::newRow("ra-phala conjunct from the palette: prothom") << QStringLiteral("\u00B8Tm") << QStringLiteral("প্রথম");
        QTest::newRow("ligatures from the palette: guru") << QStringLiteral("\u00C7\u00C8") << QStringLiteral("গুরু");
        QTest::newRow("code 173, held privately: baksho") << QString(QStringLiteral("ba") + QChar(0xF0AD)) << QStringLiteral("বাক্স");
        QTest::newRow("digits and dari") << QStringLiteral("1971.") << QStringLiteral("১৯৭১।");
    }
    void typedWordLooksLikeUnicodeWord()
    {
        QFETCH(QString, keys);
        QFETCH(QString, unicode);
        const QString typed = nq::toText(typedCodes(keys));
        QVERIFY(!typed.contains(QLatin1Char('?')));

        QString nqFamilies, sourceFamilies;
        const Ink nq = inkOf(typed, QStringLiteral("NQ"), &nqFamilies);
        const Ink source = inkOf(unicode, sourceFamily_, &sourceFamilies);
        QCOMPARE(nqFamilies, QStringLiteral("NQ;"));  // one run, no fallback face
        QVERIFY(source.pixels > 0);

        const auto near = [](int a, int b) { return qAbs(a - b) <= kBoxTolerance; };
        const QString boxes = QStringLiteral("NQ ink %1,%2 %3x%4; source %5,%6 %7x%8")
                                  .arg(nq.box.x()).arg(nq.box.y()).arg(nq.box.width()).arg(nq.box.height())
                                  .arg(source.box.x()).arg(source.box.y()).arg(source.box.width()).arg(source.box.height());
        QVERIFY2(near(nq.box.left(), source.box.left()) && near(nq.box.right(), source.box.right())
                     && near(nq.box.top(), source.box.top()) && near(nq.box.bottom(), source.box.bottom()),
                 qPrintable(boxes));
        const double inkRatio = double(nq.pixels) / double(source.pixels);
        QVERIFY2(qAbs(inkRatio - 1.0) <= kInkTolerance,
                 qPrintable(QStringLiteral("ink %1 against %2 pixels").arg(nq.pixels).arg(source.pixels)));
    }

    void wrongOrderLooksDifferent()
    {
        // The check can fail: the I sign typed after its consonant is another picture.
        QString nqFamilies, sourceFamilies;
        const Ink wrong = inkOf(nq::toText(typedCodes(QStringLiteral("ki"))), QStringLiteral("NQ"), &nqFamilies);
        const Ink right = inkOf(QStringLiteral("কি"), sourceFamily_, &sourceFamilies);
        QVERIFY(qAbs(wrong.box.left() - right.box.left()) > kBoxTolerance
                || qAbs(wrong.box.right() - right.box.right()) > kBoxTolerance);
    }
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TestNqRendering test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_nq_rendering.moc"
