// Joined forms in the editor: sequences of codes that the NQ font draws as one shape lay out
// as one glyph, while the caret and Backspace still go one code at a time.
#include "nq_notation.h"
#include "nq/glyph_code.h"
#include "nq/unicode_bridge.h"
#include "nq_font_fixture.h"

#include <QApplication>
#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QTest>
#include <QTextEdit>
#include <QTextLayout>

namespace {

QFont fontOf(const QString& family)
{
    QFont font(family);
    font.setPixelSize(64);
    return font;
}
QFont nqFont() { return fontOf(QStringLiteral("NQ")); }

struct Drawn {
    QList<quint32> glyphs;
    QRectF ink;        // the union of the glyphs' outlines, in pixels
    bool inFace = true; // every run in the face asked for
};

// What QTextLayout makes of `text` in `font`.
Drawn layOut(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    Drawn d;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        d.inFace &= run.rawFont().familyName() == font.family();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i) {
            const QRectF r = run.rawFont().pathForGlyph(run.glyphIndexes()[i]).boundingRect();
            if (!r.isEmpty())
                d.ink |= r.translated(positions[i]);
        }
        d.glyphs += run.glyphIndexes();
    }
    return d;
}

} // namespace

class TestNqJoined : public QObject {
    Q_OBJECT
    QString noto_;

private slots:
    void initTestCase()
    {
        QCOMPARE(nqtest::registerFont(nqtest::fontPath()), QStringLiteral("NQ"));
        noto_ = nqtest::registerFont(nqtest::sourceFontPath());
        QVERIFY(!noto_.isEmpty());
    }

    // Each sequence draws as Noto Sans Bengali draws the Unicode text: the ink covers the
    // same box to within a few pixels at 64 px. Joined ones are one glyph of their own.
    void sequencesDrawAsNoto_data()
    {
        QTest::addColumn<QString>("nq");
        QTest::addColumn<QString>("unicode");
        QTest::addColumn<bool>("joined");
        auto row = [](const char* name, const char* keys, const char16_t* unicode, bool joined) {
            QTest::newRow(name) << nqText(keys) << QString::fromUtf16(unicode) << joined;
        };
        row("sa + hasanta + tta", "s_f", u"স্ট", true);
        row("la-phala", "k_l", u"ক্ল", true);
        row("three consonants", "{135}_x", u"ঙ্ক্ষ", true);
        row("two consonants and ya-phala", "q_GY", u"ঙ্ঘ্য", true);
        row("table conjunct typed with hasanta", "k_t", u"ক্ত", true);
        row("ra-phala on a narrow letter", "{163}`", u"ধ্র", true);
        row("ba-phala that joins", "k\\", u"ক্ব", true);
        row("rha + U sign", "{209}u", u"\u09DDু", true);
        row("rra + ra-phala", "R`", u"\u09DC্র", true);
        row("E sign before a joined cluster", "zet_n", u"যত্নে", false);
        row("pair the source font does not join", "K_k", u"খ্ক", false);
        row("hasanta that never joins", "k{164}t", u"ক্\u200Cত", false);
        row("sign between hasanta and consonant", "l_ik", u"ল্\u200Cকি", false);
        row("lone ra keeps its hasanta", "r_k", u"র্\u200Cক", false);
    }

    void sequencesDrawAsNoto()
    {
        QFETCH(QString, nq);
        QFETCH(QString, unicode);
        QFETCH(bool, joined);
        const Drawn ours = layOut(nq, nqFont());
        const Drawn theirs = layOut(unicode, fontOf(noto_));
        QVERIFY2(ours.inFace && !ours.glyphs.isEmpty(), "the text was not laid out in the NQ face");
        QVERIFY(theirs.inFace);
        if (joined) {
            QCOMPARE(ours.glyphs.size(), 1);
            QVERIFY(!QRawFont(nqtest::fontPath(), 64).glyphIndexesForString(nq).contains(ours.glyphs.first()));
        } else {
            QVERIFY(ours.glyphs.size() > 1);
        }
        const qreal tolerance = 3;
        QVERIFY2(qAbs(ours.ink.left() - theirs.ink.left()) <= tolerance
                     && qAbs(ours.ink.right() - theirs.ink.right()) <= tolerance
                     && qAbs(ours.ink.top() - theirs.ink.top()) <= tolerance
                     && qAbs(ours.ink.bottom() - theirs.ink.bottom()) <= tolerance,
                 qPrintable(QStringLiteral("ink %1,%2 %3x%4; Noto's %5,%6 %7x%8")
                                .arg(ours.ink.x()).arg(ours.ink.y()).arg(ours.ink.width()).arg(ours.ink.height())
                                .arg(theirs.ink.x()).arg(theirs.ink.y()).arg(theirs.ink.width()).arg(theirs.ink.height())));
    }

    // Loanword clusters of three and four letters, as the bridge spells them: no hasanta
    // shows, a pre-base sign stands before the whole cluster, and the ink covers Noto's box.
    void wordsDrawJoined_data()
    {
        QTest::addColumn<QString>("word");
        for (const char16_t* word : {u"ডিস্প্লে", u"স্প্লিট", u"কম্প্লিট", u"এক্স্ট্রা", u"ইন্স্টল", u"এক্স্প্রেস",
                                     u"কন্স্ট্রাক্টর", u"ইন্স্ট্রুমেন্ট", u"স্প্লাইন", u"টেক্স্ট", u"র‌্যাব",
                                     u"র‌্যালি", u"র‌্যাংকিং"})
            QTest::newRow(QString::fromUtf16(word).toUtf8().constData()) << QString::fromUtf16(word);
    }
    void wordsDrawJoined()
    {
        QFETCH(QString, word);
        const QString nq = nq::unicodeToNq(word).text;
        const Drawn ours = layOut(nq, nqFont());
        const Drawn theirs = layOut(word, fontOf(noto_));
        QVERIFY(ours.inFace && theirs.inFace);
        const QList<quint32> hasanta = QRawFont(nqtest::fontPath(), 64).glyphIndexesForString(QString(nq::toChar(95)));
        QVERIFY2(!ours.glyphs.contains(hasanta.first()), qPrintable(nqKeys(nq)));
        const qreal tolerance = 3;
        QVERIFY2(qAbs(ours.ink.left() - theirs.ink.left()) <= tolerance
                     && qAbs(ours.ink.right() - theirs.ink.right()) <= tolerance,
                 qPrintable(QStringLiteral("%1: ink %2..%3, Noto's %4..%5").arg(nqKeys(nq))
                                .arg(ours.ink.left()).arg(ours.ink.right())
                                .arg(theirs.ink.left()).arg(theirs.ink.right())));
    }

    // The editor keeps one code per character: the caret stops between the codes of a
    // joined shape and Backspace takes one code away.
    void caretAndBackspaceGoOneCodeAtATime()
    {
        QTextEdit edit;
        edit.setFont(nqFont());
        edit.setPlainText(nqText("es_fSn")); // স্টেশন
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(4); // after s _ f: the end of the joined shape
        edit.setTextCursor(cursor);

        QList<int> stops;
        qreal lastX = edit.cursorRect().x();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(&edit, Qt::Key_Left);
            stops << edit.textCursor().position();
            // Each stop inside the shape is a place of its own.
            QVERIFY(edit.cursorRect().x() < lastX);
            lastX = edit.cursorRect().x();
        }
        QCOMPARE(stops, (QList<int>{3, 2, 1}));

        cursor.setPosition(4);
        edit.setTextCursor(cursor);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.toPlainText(), nqText("es_Sn"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.toPlainText(), nqText("esSn"));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestNqJoined test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_nq_joined.moc"
