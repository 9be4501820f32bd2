// Joined forms in the editor: sequences of codes that the NQ font draws as one shape lay out
// as one glyph, while the caret and Backspace still go one code at a time.
#include "../bridge/nq_notation.h"
#include "nq/glyph_code.h"
#include "nq_font_fixture.h"

#include <QApplication>
#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QTest>
#include <QTextEdit>
#include <QTextLayout>

namespace {

QFont nqFont()
{
    QFont font(QStringLiteral("NQ"));
    font.setPixelSize(64);
    return font;
}

// The glyphs QTextLayout makes of `text` in the NQ face.
QList<quint32> laidOutGlyphs(const QString& text)
{
    QTextLayout layout(text, nqFont());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<quint32> glyphs;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (run.rawFont().familyName() != QLatin1String("NQ"))
            return {};
        glyphs += run.glyphIndexes();
    }
    return glyphs;
}

} // namespace

class TestNqJoined : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(nqtest::registerFont(nqtest::fontPath()), QStringLiteral("NQ"));
    }

    void sequencesLayOutAsOneShape_data()
    {
        QTest::addColumn<QString>("nq");
        QTest::addColumn<int>("glyphs");
        auto row = [](const char* name, const char* keys, int glyphs) {
            QTest::newRow(name) << nqText(keys) << glyphs;
        };
        row("sa + hasanta + tta (স্ট)", "s_f", 1);
        row("ta + hasanta + na after E sign (যত্নে)", "zet_n", 3);
        row("la-phala (ক্ল)", "k_l", 1);
        row("three consonants (ঙ্ক্ষ)", "{135}_x", 1);
        row("table conjunct typed with hasanta (ক্ত)", "k_t", 1);
        row("ra-phala on a narrow letter (ধ্র)", "{163}`", 1);
        row("ba-phala that joins (ক্ব)", "k\\", 1);
        row("rha + U sign (ঢ়ু)", "{209}u", 1);
        row("rra + ra-phala (ড়্র)", "R`", 1);
        row("pair the source font does not join (খ্ক)", "K_k", 3);
        row("hasanta that never joins (ক্‌ত)", "k{164}t", 3);
        row("sign between hasanta and consonant (ল্‌কি)", "l_ik", 4);
        row("lone ra keeps its hasanta (র্‌ক)", "r_k", 3);
    }

    void sequencesLayOutAsOneShape()
    {
        QFETCH(QString, nq);
        QFETCH(int, glyphs);
        const QList<quint32> laidOut = laidOutGlyphs(nq);
        QVERIFY2(!laidOut.isEmpty(), "the text was not laid out in the NQ face");
        QCOMPARE(laidOut.size(), glyphs);
        if (glyphs == 1) {
            // The joined shape is a glyph of its own, none of the codes' glyphs.
            QRawFont raw(nqtest::fontPath(), 64);
            const QList<quint32> single = raw.glyphIndexesForString(nq);
            QVERIFY(!single.contains(laidOut.first()));
            QVERIFY(!raw.pathForGlyph(laidOut.first()).isEmpty());
        }
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
