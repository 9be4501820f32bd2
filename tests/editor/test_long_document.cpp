// A long document is laid out in the background after it opens; typing meanwhile must not
// end that early, which left the rest of the document without lines: blank, of no height.

#include "editor/rich_text_box.h"
#include "rtf/rtf.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

class TestLongDocument : public QObject {
    Q_OBJECT
private slots:
    void typingWhileLayingOutLaysOutTheRest_data();
    void typingWhileLayingOutLaysOutTheRest();
};

namespace {

bool allLaidOut(const QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.layout()->lineCount() == 0)
            return false;
    return true;
}

} // namespace

void TestLongDocument::typingWhileLayingOutLaysOutTheRest_data()
{
    QTest::addColumn<int>("keys");
    QTest::newRow("no key") << 0;
    QTest::newRow("one key") << 1;
    QTest::newRow("keys while it goes on") << 5;
}

void TestLongDocument::typingWhileLayingOutLaysOutTheRest()
{
    QFETCH(int, keys);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QTextDocument written;
    QTextCursor cursor(&written);
    for (int paragraph = 0; paragraph < 4000; ++paragraph)
        cursor.insertText(QStringLiteral("paragraph %1 of a long document, long enough to wrap once or twice "
                                         "in an editor of ordinary width\n").arg(paragraph));
    const QString path = dir.filePath(QStringLiteral("long.rtf"));
    QVERIFY(!rtf::saveFile(path, written));

    editor::RichTextBox editor;
    editor.resize(600, 400);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QVERIFY(!editor.loadFile(path));
    QVERIFY2(!allLaidOut(*editor.document()), "the document is too short to be laid out in steps");
    for (int key = 0; key < keys; ++key) {
        QTest::keyClick(&editor, 'k');
        QTest::qWait(5);
    }
    QVERIFY(QTest::qWaitFor([&] { return allLaidOut(*editor.document()); }, 60000));
    QCOMPARE(editor.document()->toPlainText().left(keys + 11), QString(keys, u'k') + QStringLiteral("paragraph 0"));
}

QTEST_MAIN(TestLongDocument)
#include "test_long_document.moc"
