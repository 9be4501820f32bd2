// Unicode Bengali typed into the editor, from a Bengali keyboard layout or an input method,
// becomes the NQ codes that pasting the same word gives, in whatever pieces it arrives.
// Under a real X server (QT_QPA_PLATFORM=xcb) the X path types real key events with
// xdotool after asking for the `bd` keyboard layout; where the server keeps its own layout
// (Xvfb here does, though setxkbmap reports success), xdotool binds each Bengali keysym to a
// spare key, and the events reach the editor as a Bengali layout's do: with Bengali text.
#include "nq_notation.h"
#include "faced_runs.h"

#include "editor/clipboard.h"
#include "editor/rich_text_box.h"
#include "entry/keyboard_input.h"
#include "nq/face.h"
#include "nqtext/nq_runs.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

namespace {

enum class Path { KeysOneByOne, CommitsOneByOne, CommitWhole, PreeditThenCommit, XKeyEvents };

QString uni(const char16_t* s)
{
    return QString::fromUtf16(s);
}

bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

class TestBengaliTyping : public QObject {
    Q_OBJECT
    editor::RichTextBox* box_ = nullptr;
    bool xdotool_ = false;

    void restart()
    {
        box_->clearContent();
        box_->setCurrentCharFormat(QTextCharFormat());
    }

    // What pasting `word` as plain text gives.
    QList<QPair<QString, QString>> pasted(const QString& word)
    {
        restart();
        QMimeData mime;
        mime.setText(word);
        QTextCursor cursor = box_->textCursor();
        clipboard::insertMimeData(cursor, &mime, true);
        return facedRuns(*box_->document());
    }

    void commit(const QString& text, const QString& preedit = QString())
    {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(text);
        QCoreApplication::sendEvent(box_, &event);
    }

private slots:
    void initTestCase()
    {
        box_ = new editor::RichTextBox;
        box_->setFont(QFont(nq::kFace, 16));
        box_->document()->setDefaultFont(QFont(nq::kFace, 16));
        box_->resize(600, 200);
        box_->show();
        box_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box_));
        box_->setFocus();
        xdotool_ = onX11() && !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
        if (xdotool_)
            QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("bd")});
    }

    void cleanupTestCase()
    {
        if (xdotool_)
            QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("us")});
        delete box_;
    }

    void typedAsPasted_data()
    {
        QTest::addColumn<int>("path");
        QTest::addColumn<QString>("word");
        // Visual order as the writer would type it with the NQ keys: an independent check
        // that the result is reordered, not only equal to the paste.
        QTest::addColumn<QString>("visual");
        const QList<std::pair<const char*, Path>> paths = {
            {"keys", Path::KeysOneByOne},
            {"commits", Path::CommitsOneByOne},
            {"whole commit", Path::CommitWhole},
            {"preedit, commit", Path::PreeditThenCommit},
            {"X key events", Path::XKeyEvents},
        };
        const QList<std::tuple<const char*, QString, QString>> words = {
            {"ki", uni(u"কি"), nqText("ik")},
            {"kii", uni(u"কী"), nqText("kw")},
            {"ke", uni(u"কে"), nqText("ek")},
            {"kai", uni(u"কৈ"), nqText("]k")},
            {"ko", uni(u"কো"), nqText("eka")},
            {"ko from e + aa", uni(u"কে\u09BE"), nqText("eka")},
            {"kau", uni(u"কৌ"), nqText("ek<")},
            {"reph", uni(u"র্ক"), nqText("k^")},
            {"karmii", uni(u"কর্মী"), nqText("km{202}")},
            {"prashna", uni(u"প্রশ্ন"), nqText("{184}S_n")},
            {"station", uni(u"স্টেশন"), nqText("es_fSn")},
            {"jatne", uni(u"যত্নে"), nqText("zet_n")},
            {"kshama", uni(u"ক্ষমা"), nqText("Xma")},
            {"saubhagya", uni(u"সৌভাগ্য"), nqText("es<BagY")},
            {"banglay", uni(u"বাংলায়"), nqText("baMlay")},
            {"words and dari", uni(u"আমি গাই।"), nqText("Aim gaI.")},
            {"non-joiner keeps hasanta", uni(u"দ্\u200Cগ"), nqText("d{164}g")},
            {"letter without NQ code", uni(u"ক\u098C"), QString(nq::toChar('k')) + QChar(0x098C)},
        };
        for (const auto& [pathName, path] : paths)
            for (const auto& [name, word, visual] : words)
                QTest::addRow("%s: %s", pathName, name) << int(path) << word << visual;
    }

    void typedAsPasted()
    {
        QFETCH(int, path);
        QFETCH(QString, word);
        QFETCH(QString, visual);
        const auto expected = pasted(word);
        QString pastedText;
        for (const auto& run : expected)
            pastedText += run.first;
        QCOMPARE(nqKeys(pastedText), nqKeys(visual));

        restart();
        switch (Path(path)) {
        case Path::KeysOneByOne:
            for (QChar ch : word) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
                QCoreApplication::sendEvent(box_, &press);
            }
            break;
        case Path::CommitsOneByOne:
            for (QChar ch : word)
                commit(QString(ch));
            break;
        case Path::CommitWhole:
            commit(word);
            break;
        case Path::PreeditThenCommit:
            // A phonetic input method shows the word while it is composed; nothing enters
            // the document before the commit.
            for (qsizetype n = 1; n <= word.size(); ++n) {
                commit(QString(), word.left(n));
                QCOMPARE(box_->textCursor().block().layout()->preeditAreaText(), word.left(n));
                QVERIFY(box_->document()->isEmpty());
            }
            commit(word);
            QCOMPARE(box_->textCursor().block().layout()->preeditAreaText(), QString());
            break;
        case Path::XKeyEvents: {
            if (!onX11())
                QSKIP("needs an X server (QT_QPA_PLATFORM=xcb)");
            if (!xdotool_)
                QSKIP("needs xdotool");
            box_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(box_));
            QProcess xdotool;
            xdotool.start(QStringLiteral("xdotool"),
                          {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"),
                           QStringLiteral("--"), word});
            QVERIFY(xdotool.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(xdotool.state() == QProcess::NotRunning, 20000);
            QCOMPARE(xdotool.exitCode(), 0);
            break;
        }
        }
        QTRY_COMPARE(facedRuns(*box_->document()), expected);
        QCOMPARE(box_->textCursor().position(), box_->document()->characterCount() - 1);
    }

    // Typing one word stays one undo step per arrival; undoing the last brings back the
    // word as it stood before it.
    void undoStepsBackOneArrival()
    {
        restart();
        commit(uni(u"ক"));
        commit(uni(u"ি"));
        QCOMPARE(nqKeys(box_->toPlainText()), QStringLiteral("ik"));
        box_->undo();
        QCOMPARE(nqKeys(box_->toPlainText()), QStringLiteral("k"));
    }

    // Codes typed with the NQ keys before the caret take part as what they stand for; text
    // after the caret is left alone.
    void typedAfterNqKeys()
    {
        restart();
        QTest::keyClicks(box_, QStringLiteral("Aim k"));
        commit(uni(u"ি"));
        QCOMPARE(nqKeys(box_->toPlainText()), QStringLiteral("Aim ik"));
        QTest::keyClick(box_, Qt::Key_Home);
        commit(uni(u"তে"));
        QCOMPARE(nqKeys(box_->toPlainText()), QStringLiteral("etAim ik"));
    }

    // The NQ key map is untouched: typed keys give their codes; outside the NQ face a key
    // gives its own character.
    void latinKeys_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("NQ: C and D remapped") << nq::kFace << "CDcd" << nqText("{162}{163}cd");
        QTest::newRow("NQ: reph and signs") << nq::kFace << "]Dr^zhain" << nqText("]{163}r^zhain");
        QTest::newRow("Times: brackets stay brackets")
            << "Times New Roman" << "a]b^_" << QStringLiteral("a]b^_");
        QTest::newRow("Times: C still remapped") << "Times New Roman" << "C" << QStringLiteral("\u00A2");
    }
    void latinKeys()
    {
        QFETCH(QString, family);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        restart();
        // As the window does with the key map.
        const auto mapping = connect(box_, &editor::RichTextBox::characterTyped, box_,
                                     [](int& keyAscii) { keyAscii = entry::mapTypedKey(keyAscii); });
        QTextCharFormat face;
        face.setFontFamilies({family});
        box_->setCurrentCharFormat(face);
        for (QChar ch : keys)
            QTest::keyClick(box_, ch.toLatin1());
        disconnect(mapping);
        QCOMPARE(box_->toPlainText(), expected);
    }
};

QTEST_MAIN(TestBengaliTyping)
#include "test_bengali_typing.moc"
