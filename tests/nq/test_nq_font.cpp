// The generated editing font: its family, what its cmap maps, and that every code of the
// palette lays out in the editor as one visible glyph of its own.
#include "nq/glyph_code.h"
#include "nq/glyph_table.h"
#include "nq_font_fixture.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRawFont>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

using nq::Kind;

namespace {

constexpr int kUnitsPerEm = 1000;

QString hex(uint cp) { return QStringLiteral("U+%1").arg(cp, 4, 16, QLatin1Char('0')).toUpper(); }

bool mayOverlayPreviousGlyph(Kind kind)
{
    // Signs drawn under, over or through the consonant typed before them.
    return kind == Kind::Below || kind == Kind::Above || kind == Kind::Reph
        || kind == Kind::Hasanta || kind == Kind::Phala;
}

// The outline of a glyph in font units, as comparable bytes.
QByteArray outlineSignature(const QRawFont& font, quint32 glyph)
{
    QByteArray out;
    const QPainterPath path = font.pathForGlyph(glyph);
    for (int i = 0; i < path.elementCount(); ++i) {
        const auto e = path.elementAt(i);
        out += QByteArray::number(int(e.type)) + ':' + QByteArray::number(qRound(e.x)) + ','
            + QByteArray::number(qRound(e.y)) + ' ';
    }
    return out;
}

} // namespace

class TestNqFont : public QObject {
    Q_OBJECT
    QRawFont units_;  // pixel size = units per em: coordinates are font units
    QString family_;

    quint32 glyphOf(uint cp) const
    {
        const auto glyphs = units_.glyphIndexesForString(QString(QChar(char16_t(cp))));
        return glyphs.size() == 1 ? glyphs.first() : 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(nqtest::fontPath()), qPrintable(nqtest::fontPath() + " was not built"));
        family_ = nqtest::registerFont(nqtest::fontPath());
        units_.loadFromFile(nqtest::fontPath(), kUnitsPerEm, QFont::PreferNoHinting);
        QVERIFY(units_.isValid());
    }

    void familyIsNQ()
    {
        QCOMPARE(family_, QStringLiteral("NQ"));
        QCOMPARE(units_.familyName(), QStringLiteral("NQ"));
        QCOMPARE(QFontInfo(QFont(QStringLiteral("NQ"), 18)).family(), QStringLiteral("NQ"));
        QCOMPARE(units_.unitsPerEm(), qreal(kUnitsPerEm));
    }

    void mapsEveryFormOfEveryCode()
    {
        for (const nq::Glyph& g : nq::glyphTable()) {
            const uint held = nq::toChar(static_cast<unsigned char>(g.code)).unicode();
            const quint32 glyph = glyphOf(held);
            QVERIFY2(glyph != 0, qPrintable(QStringLiteral("code %1 (%2) unmapped").arg(g.code).arg(hex(held))));
            // The symbol-font form of every code draws the same glyph.
            QCOMPARE(glyphOf(0xF000 + g.code), glyph);
        }
        // 173 is held privately, but a soft hyphen read from elsewhere still has the glyph.
        QCOMPARE(glyphOf(0x00AD), glyphOf(0xF0AD));
        // Every byte, used or not, has a glyph in its private form; the cp1252-undefined ones
        // in their F1xx form too.
        for (int b = 0; b < 256; ++b)
            QVERIFY2(glyphOf(0xF000 + b) != 0, qPrintable(QString::number(b)));
        for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
            QVERIFY(glyphOf(0xF100 + b) != 0);
            QCOMPARE(glyphOf(0xF100 + b), glyphOf(0xF000 + b));
            QCOMPARE(glyphOf(nq::toChar(static_cast<unsigned char>(b)).unicode()), glyphOf(0xF000 + b));
        }
    }

    void mapsNothingBengali()
    {
        for (uint cp = 0x0980; cp <= 0x09FF; ++cp)
            QVERIFY2(!units_.supportsCharacter(QChar(char16_t(cp))), qPrintable(hex(cp)));
    }

    void unusedCodesShowAHollowBox()
    {
        QSet<quint32> rowGlyphs;
        for (const nq::Glyph& g : nq::glyphTable())
            rowGlyphs.insert(glyphOf(0xF000 + g.code));
        const quint32 box = glyphOf(0xF000 + 127);
        QVERIFY(box != 0);
        QVERIFY(!rowGlyphs.contains(box));
        QVERIFY(units_.advancesForGlyphIndexes(QList<quint32>{box}).first().x() > 0);
        const QRectF ink = units_.pathForGlyph(box).boundingRect();
        QVERIFY(ink.width() > 100 && ink.height() > 100);
        for (int b = 0; b < 256; ++b) {
            if (!nq::glyphFor(b))
                QVERIFY2(glyphOf(0xF000 + b) == box, qPrintable(QString::number(b)));
        }
        // U+00CF, an unused code, lets fontconfig list the font under Latin.
        QCOMPARE(glyphOf(0x00CF), box);
    }

    void paletteCodeLaysOutVisibly_data()
    {
        QTest::addColumn<int>("code");
        for (const nq::Glyph& g : nq::glyphTable()) {
            if (!g.cells.isEmpty())
                QTest::addRow("%d", g.code) << g.code;
        }
    }
    void paletteCodeLaysOutVisibly()
    {
        QFETCH(int, code);
        const nq::Glyph* row = nq::glyphFor(code);
        QTextDocument doc;
        QTextCursor cursor(&doc);
        QTextCharFormat format;
        QFont font(QStringLiteral("NQ"));
        font.setPixelSize(64);
        format.setFont(font);
        const QString held(nq::toChar(static_cast<unsigned char>(code)));
        cursor.insertText(held, format);
        doc.documentLayout()->blockBoundingRect(doc.begin());  // lays the block out

        // A document's block layout holds no text of its own: ask for the block's range.
        const QList<QGlyphRun> runs = doc.begin().layout()->glyphRuns(0, doc.begin().length());
        QCOMPARE(runs.size(), 1);
        const QGlyphRun& run = runs.first();
        QCOMPARE(run.rawFont().familyName(), QStringLiteral("NQ"));
        QCOMPARE(run.glyphIndexes().size(), 1);
        const quint32 glyph = run.glyphIndexes().first();
        QVERIFY(glyph != 0);

        QCOMPARE(glyph, run.rawFont().glyphIndexesForString(held).value(0));

        const QRectF ink = run.rawFont().pathForGlyph(glyph).boundingRect();
        QVERIFY2(ink.width() >= 2 && ink.height() >= 2, "the glyph draws nothing");
        const qreal advance = run.rawFont().advancesForGlyphIndexes(QList<quint32>{glyph}).first().x();
        // The layout gives the character the glyph's own width: a character that Qt treats
        // as a control or a break opportunity (a soft hyphen) would not get it.
        const QTextLine line = doc.begin().layout()->lineAt(0);
        const qreal laidOut = line.cursorToX(1) - line.cursorToX(0);
        QVERIFY2(qAbs(laidOut - advance) < 0.5,
                 qPrintable(QStringLiteral("laid out %1 px wide, the glyph is %2").arg(laidOut).arg(advance)));
        if (advance <= 0) {
            // Zero width only for a sign that sits on the glyph typed before it.
            QVERIFY2(mayOverlayPreviousGlyph(row->kind), "a spacing glyph has no advance");
            QVERIFY2(ink.center().x() < 0, "a zero-width sign must reach back over the glyph before it");
        }
    }

    void differentUnitsDrawDifferently()
    {
        // Codes whose unit (or the consonant a variant is drawn for) differs must look
        // different; codes that share a unit may share a glyph.
        QHash<QByteArray, const nq::Glyph*> bySignature;
        for (const nq::Glyph& g : nq::glyphTable()) {
            const quint32 glyph = glyphOf(0xF000 + g.code);
            const QByteArray sig = outlineSignature(units_, glyph) + "advance "
                + QByteArray::number(units_.advancesForGlyphIndexes(QList<quint32>{glyph}).first().x());
            if (g.kind == Kind::Space) {
                QVERIFY(units_.pathForGlyph(glyph).isEmpty());
                continue;
            }
            const nq::Glyph* other = bySignature.value(sig);
            // The hasanta that never joins looks like the other one; only the font's joined
            // forms tell them apart, so each has a glyph of its own.
            if (other && other->kind == Kind::Hasanta && g.kind == Kind::Hasanta) {
                QVERIFY(glyphOf(0xF000 + other->code) != glyph);
                continue;
            }
            if (other) {
                QVERIFY2(other->unicode == g.unicode && other->carrier == g.carrier && other->kind == g.kind,
                         qPrintable(QStringLiteral("codes %1 and %2 look the same").arg(other->code).arg(g.code)));
            }
            bySignature.insert(sig, &g);
        }
        // The variants of a sign differ from the plain sign and from each other.
        QVERIFY(outlineSignature(units_, glyphOf('u')) != outlineSignature(units_, glyphOf(0xA8)));
        QVERIFY(glyphOf('u') != glyphOf(0xAB));
        QVERIFY(glyphOf(0xA8) != glyphOf(0xAB));
        QVERIFY(glyphOf('i') != glyphOf(0xC9));
        // Typing shortcuts draw what their palette twins draw.
        QCOMPARE(glyphOf('#'), glyphOf(0xB6));
        QCOMPARE(glyphOf('&'), glyphOf(0xAB));
        QCOMPARE(glyphOf('*'), glyphOf(0xA8));
    }
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TestNqFont test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_nq_font.moc"
