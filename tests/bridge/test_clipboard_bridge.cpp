// Copy and paste between NQ text and Unicode Bengali through the editing control.
#include "nq_notation.h"
#include "faced_runs.h"

#include "editor/clipboard.h"
#include "editor/rich_text_box.h"
#include "nqtext/nq_runs.h"
#include "nqtext/unicode_document.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

// The editing control itself, with its clipboard hooks.
using BridgedEdit = editor::RichTextBox;

QTextCharFormat face(const QString& family, bool bold = false)
{
    QTextCharFormat f;
    f.setFontFamilies(QStringList{family});
    if (bold)
        f.setFontWeight(QFont::Bold);
    return f;
}

QString uni(const char16_t* s)
{
    return QString::fromUtf16(s);
}

} // namespace

class TestClipboardBridge : public QObject {
    Q_OBJECT
private slots:
    void copiedPlainTextIsUnicode_data();
    void copiedPlainTextIsUnicode();
    void copiedHtmlNamesTheNqFace();
    void pastedPlainUnicodeBecomesNq_data();
    void pastedPlainUnicodeBecomesNq();
    void pastedHtmlConvertsOnlyForeignBengali();
    void copyThenPasteKeepsCodes();
    void pastedNqCodesAreHeld_data();
    void pastedNqCodesAreHeld();
    void pasteIsOneUndoStep();
    void unicodeDocumentKeepsFormatting();
    void charactersWithoutCounterpartAreCounted();
};

// `default` is the document's default family; NQ runs are found by their effective family.
void TestClipboardBridge::copiedPlainTextIsUnicode_data()
{
    QTest::addColumn<QString>("defaultFamily");
    QTest::addColumn<QStringList>("pieces");   // text in key notation
    QTest::addColumn<QStringList>("families"); // "" = no family of its own
    QTest::addColumn<QString>("plain");
    QTest::newRow("explicit NQ run") << "Times New Roman" << QStringList{"eban"} << QStringList{"NQ"}
                                     << uni(u"বোন");
    QTest::newRow("NQ from the default font") << "NQ" << QStringList{"km^"} << QStringList{""}
                                              << uni(u"কর্ম");
    QTest::newRow("run without family, default not NQ")
        << "Times New Roman" << QStringList{"km"} << QStringList{""} << QStringLiteral("km");
    QTest::newRow("Latin run inside an NQ document")
        << "NQ" << QStringList{"Aim ", "abc"} << QStringList{"", "Times New Roman"}
        << (uni(u"আমি ") + QStringLiteral("abc"));
    QTest::newRow("syllable cut by a format change") << "Times New Roman" << QStringList{"e", "ban"}
                                                     << QStringList{"NQ", "NQ"} << uni(u"বোন");
    QTest::newRow("paragraphs") << "NQ" << QStringList{"k\nK"} << QStringList{""} << uni(u"ক\nখ");
}

void TestClipboardBridge::copiedPlainTextIsUnicode()
{
    QFETCH(QString, defaultFamily);
    QFETCH(QStringList, pieces);
    QFETCH(QStringList, families);
    QFETCH(QString, plain);
    BridgedEdit edit;
    edit.document()->setDefaultFont(QFont(defaultFamily, 16));
    QTextCursor cursor(edit.document());
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QTextCharFormat f = families[i].isEmpty() ? QTextCharFormat() : face(families[i]);
        if (i % 2)
            f.setFontWeight(QFont::Bold);
        const QString text = families[i] == QLatin1String("Times New Roman") ? pieces[i]
                                                                              : nqText(pieces[i].toLatin1());
        cursor.insertText(text, f);
    }
    edit.selectAll();
    edit.copy();
    QCOMPARE(QApplication::clipboard()->mimeData()->text(), plain);
}

void TestClipboardBridge::copiedHtmlNamesTheNqFace()
{
    BridgedEdit edit;
    edit.document()->setDefaultFont(QFont(QStringLiteral("NQ"), 16));
    QTextCursor(edit.document()).insertText(nqText("Aim"));
    edit.selectAll();
    const std::unique_ptr<QMimeData> mime(clipboard::mimeDataForSelection(edit.textCursor()));
    // A receiver that takes the body's content only (as pasting into a page does) and
    // whose default font is not NQ.
    const QString html = mime->html();
    const qsizetype bodyStart = html.indexOf(QLatin1Char('>'), html.indexOf(QLatin1String("<body"))) + 1;
    const QString body = html.mid(bodyStart, html.indexOf(QLatin1String("</body>")) - bodyStart);
    QTextDocument received;
    received.setDefaultFont(QFont(QStringLiteral("Times New Roman")));
    received.setHtml(body);
    const auto runs = facedRuns(received);
    QCOMPARE(runs.size(), 1);
    QCOMPARE(runs[0].first, nqText("Aim"));
    QCOMPARE(runs[0].second, QStringLiteral("NQ"));
}

void TestClipboardBridge::pastedPlainUnicodeBecomesNq_data()
{
    QTest::addColumn<QString>("typingFamily");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("nqRuns");   // what lands in the NQ face, key notation
    QTest::addColumn<QString>("otherRuns");
    QTest::newRow("Bengali word") << "NQ" << uni(u"কর্মী") << "km{202}" << "";
    QTest::newRow("Latin beside Bengali stays Latin") << "NQ" << (uni(u"আমি") + " OK") << "Aim " << "OK";
    QTest::newRow("into a Latin run") << "Times New Roman" << uni(u"বোন") << "eban" << "";
    QTest::newRow("Windows line ends") << "NQ" << (uni(u"ক") + "\r\n" + uni(u"খ")) << "kK" << "";
}

void TestClipboardBridge::pastedPlainUnicodeBecomesNq()
{
    QFETCH(QString, typingFamily);
    QFETCH(QString, clip);
    QFETCH(QString, nqRuns);
    QFETCH(QString, otherRuns);
    BridgedEdit edit;
    edit.document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 16));
    edit.setCurrentCharFormat(face(typingFamily));
    QApplication::clipboard()->setText(clip);
    edit.paste();
    QString inNq, inOther;
    for (const auto& [text, family] : facedRuns(*edit.document()))
        (family == QLatin1String("NQ") ? inNq : inOther) += text;
    QCOMPARE(nqKeys(inNq), nqKeys(nqText(nqRuns.toLatin1())));
    QCOMPARE(inOther, otherRuns);
    QCOMPARE(edit.document()->blockCount(), clip.contains('\n') ? 2 : 1);
}

void TestClipboardBridge::pastedHtmlConvertsOnlyForeignBengali()
{
    BridgedEdit edit;
    auto* mime = new QMimeData;
    mime->setHtml(QStringLiteral("<p><span style=\"font-family:'Noto Sans Bengali'\">%1</span>"
                                 "<span style=\"font-family:'NQ'\">%2</span>"
                                 "<b style=\"font-family:'DejaVu Sans'\">x</b></p>")
                      .arg(uni(u"প্রথম "), nqText("eban").toHtmlEscaped()));
    mime->setText(QStringLiteral("ignored when HTML is taken"));
    QApplication::clipboard()->setMimeData(mime);
    edit.paste();
    const auto runs = facedRuns(*edit.document());
    QCOMPARE(runs.size(), 2);
    QCOMPARE(nqKeys(runs[0].first), nqKeys(nqText("{184}Tm eban")));
    QCOMPARE(runs[0].second, QStringLiteral("NQ"));
    QCOMPARE(runs[1], qMakePair(QStringLiteral("x"), QStringLiteral("DejaVu Sans")));
}

void TestClipboardBridge::copyThenPasteKeepsCodes()
{
    BridgedEdit from;
    from.document()->setDefaultFont(QFont(QStringLiteral("NQ"), 16));
    QTextCursor(from.document()).insertText(nqText("Aim baMlay gan gaI."));
    from.selectAll();
    from.copy();
    BridgedEdit to;
    to.document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 16));
    to.paste();
    const auto runs = facedRuns(*to.document());
    QCOMPARE(runs.size(), 1);
    QCOMPARE(runs[0].first, nqText("Aim baMlay gan gaI."));
    QCOMPARE(runs[0].second, QStringLiteral("NQ"));
}

// NQ text from elsewhere (LibreOffice's HTML, a terminal's plain text) names codes by their
// cp1252 characters; in the editor they take the form it holds them in, so that lines and
// words do not break at them. Outside the NQ face the characters stay what they are.
void TestClipboardBridge::pastedNqCodesAreHeld_data()
{
    QTest::addColumn<bool>("html");
    QTest::addColumn<QString>("typingFamily");
    QTest::addColumn<QString>("expected");
    const QString keys = QStringLiteral("]Dr^zhain km^ta");
    QTest::newRow("HTML in the NQ face") << true << QStringLiteral("Times New Roman") << nqText("]Dr^zhain km^ta");
    QTest::newRow("plain text typed into NQ") << false << QStringLiteral("NQ") << nqText("]Dr^zhain km^ta");
    QTest::newRow("plain text into another face") << false << QStringLiteral("Times New Roman") << keys;
}

void TestClipboardBridge::pastedNqCodesAreHeld()
{
    QFETCH(bool, html);
    QFETCH(QString, typingFamily);
    QFETCH(QString, expected);
    BridgedEdit edit;
    edit.setCurrentCharFormat(face(typingFamily));
    auto* mime = new QMimeData;
    const QString keys = QStringLiteral("]Dr^zhain km^ta");
    if (html)
        mime->setHtml(QStringLiteral("<p><span style=\"font-family:'NQ'\">%1</span></p>").arg(keys));
    else
        mime->setText(keys);
    QApplication::clipboard()->setMimeData(mime);
    edit.paste();
    QCOMPARE(edit.toPlainText(), expected);
}

void TestClipboardBridge::pasteIsOneUndoStep()
{
    BridgedEdit edit;
    edit.setCurrentCharFormat(face(QStringLiteral("NQ")));
    QApplication::clipboard()->setText(uni(u"আমি abc বাংলা"));
    edit.paste();
    QVERIFY(!edit.toPlainText().isEmpty());
    edit.undo();
    QCOMPARE(edit.toPlainText(), QString());
}

void TestClipboardBridge::unicodeDocumentKeepsFormatting()
{
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 16));
    QTextCursor cursor(&doc);
    cursor.insertText(nqText("e"), face(QStringLiteral("NQ"), true));
    cursor.insertText(nqText("ban "), face(QStringLiteral("NQ")));
    cursor.insertText(nqText("km^"), face(QStringLiteral("NQ"), true));
    cursor.insertText(QStringLiteral(" Latin"), face(QStringLiteral("Times New Roman")));
    const auto copy = nqtext::toUnicodeDocument(doc, QStringLiteral("Noto Sans Bengali"));
    QCOMPARE(copy->toPlainText(), uni(u"বোন কর্ম Latin"));
    QCOMPARE(nqtext::documentToUnicodeText(doc), uni(u"বোন কর্ম Latin"));
    // The cut syllable বো took its first part's format; the rest of the word kept its own.
    QList<QPair<QString, bool>> boldness;
    for (auto it = copy->begin().begin(); !it.atEnd(); ++it)
        boldness.append({it.fragment().text(), it.fragment().charFormat().fontWeight() == QFont::Bold});
    const QList<QPair<QString, bool>> expected{
        {uni(u"বো"), true}, {uni(u"ন "), false}, {uni(u"কর্ম"), true}, {QStringLiteral(" Latin"), false}};
    QCOMPARE(boldness, expected);
    const auto runs = facedRuns(*copy);
    QCOMPARE(runs[0].second, QStringLiteral("Noto Sans Bengali"));
    QCOMPARE(runs[3].second, QStringLiteral("Times New Roman"));
}

void TestClipboardBridge::charactersWithoutCounterpartAreCounted()
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    // ঌ and € have no glyph code; both stay, shown in a face that draws them as they are.
    QCOMPARE(nqtext::insertUnicodeAsNq(cursor, uni(u"কঌ€")), 2);
    const auto runs = facedRuns(doc);
    QCOMPARE(runs.size(), 2);
    QCOMPARE(runs[0], qMakePair(nqText("k"), QStringLiteral("NQ")));
    QCOMPARE(runs[1].first, uni(u"ঌ€"));
    QVERIFY(runs[1].second != QLatin1String("NQ"));

    // The other way: an NQ run holding a character the table lacks (code 128).
    QTextDocument nqDoc;
    QTextCursor(&nqDoc).insertText(nqText("k{128}"), face(QStringLiteral("NQ")));
    QTextCursor(&nqDoc).insertImage(QStringLiteral("picture.png"));
    int unconverted = -1;
    QCOMPARE(nqtext::documentToUnicodeText(nqDoc, &unconverted), uni(u"ক€"));
    QCOMPARE(unconverted, 1);
}

QTEST_MAIN(TestClipboardBridge)
#include "test_clipboard_bridge.moc"
