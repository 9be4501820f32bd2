// Saving over the document's file after another program changed it: the writer is asked
// whether to overwrite it, save elsewhere, or cancel; an unchanged or vanished file is
// written without a question.

#include "documents/disk_change_check.h"
#include "file_commands_fixture.h"

#include <QTest>

using platform::Answer;
using platform::Buttons;

Q_DECLARE_METATYPE(platform::Answer)

class TestDiskChanges : public QObject {
    Q_OBJECT

private slots:
    void saveAfterChangeOnDisk_data()
    {
        QTest::addColumn<QString>("change");  // what happens to old.rtf after it was opened
        QTest::addColumn<QString>("command"); // "save", or "save as" choosing old.rtf again
        QTest::addColumn<bool>("asked");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("oldAfter");       // old.rtf's text afterwards
        QTest::addColumn<QString>("elsewhereAfter"); // elsewhere.rtf's text, "" when absent
        QTest::addColumn<bool>("saved");

        QTest::newRow("unchanged") << "none" << "save" << false << Answer::Cancel << "mine" << "" << true;
        QTest::newRow("gone") << "removed" << "save" << false << Answer::Cancel << "mine" << "" << true;
        QTest::newRow("other window saved, overwrite")
            << "other window" << "save" << true << Answer::Yes << "mine" << "" << true;
        QTest::newRow("other window saved, save elsewhere")
            << "other window" << "save" << true << Answer::No << "theirs" << "mine" << true;
        QTest::newRow("other window saved, cancel")
            << "other window" << "save" << true << Answer::Cancel << "theirs" << "" << false;
        QTest::newRow("rewritten in place, cancel")
            << "in place" << "save" << true << Answer::Cancel << "theirs" << "" << false;
        QTest::newRow("replaced by another file, overwrite")
            << "replaced" << "save" << true << Answer::Yes << "mine" << "" << true;
        QTest::newRow("save as onto it, cancel")
            << "other window" << "save as" << true << Answer::Cancel << "theirs" << "" << false;
        QTest::newRow("save as onto it, save elsewhere")
            << "other window" << "save as" << true << Answer::No << "theirs" << "mine" << true;
    }

    void saveAfterChangeOnDisk()
    {
        QFETCH(QString, change);
        QFETCH(QString, command);
        QFETCH(bool, asked);
        QFETCH(Answer, answer);
        QFETCH(QString, oldAfter);
        QFETCH(QString, elsewhereAfter);
        QFETCH(bool, saved);

        FileCommandsFixture f;
        const QString path = f.path(QStringLiteral("old.rtf"));
        f.commands.openPath(path);
        QCOMPARE(f.document.path(), path);
        f.editor.selectAll();
        f.editor.replaceSelection(QStringLiteral("mine"));

        if (change == u"other window") {
            // The same file open in a second window, which saves first.
            FileCommandsFixture second;
            second.commands.openPath(path);
            second.editor.selectAll();
            second.editor.replaceSelection(QStringLiteral("theirs"));
            QVERIFY(second.commands.saveDocument());
            QCOMPARE(second.dialogs.unexpected, QStringList());
        } else if (change == u"in place") {
            QTextDocument theirs;
            theirs.setPlainText(QStringLiteral("theirs"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
            file.write(rtf::write(theirs));
        } else if (change == u"replaced") {
            f.writeDocument(QStringLiteral("new.rtf"), QStringLiteral("theirs"));
            QVERIFY(QFile::remove(path));
            QVERIFY(QFile::rename(f.path(QStringLiteral("new.rtf")), path));
        } else if (change == u"removed") {
            QVERIFY(QFile::remove(path));
        }

        if (asked)
            f.dialogs.answers << answer;
        if (answer == Answer::No)
            f.dialogs.saveAnswers << f.chosen(QStringLiteral("elsewhere.rtf"));
        bool result = true;
        if (command == u"save") {
            result = f.commands.saveDocument();
        } else {
            f.dialogs.saveAnswers.prepend(path);
            f.commands.saveDocumentAs();
            result = f.document.state() == documents::Document::State::Settled;
        }

        QCOMPARE(f.dialogs.unexpected, QStringList());
        QCOMPARE(f.dialogs.messages.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(f.dialogs.messages.constFirst().buttons, Buttons::OverwriteElsewhereCancel);
            QCOMPARE(f.dialogs.messages.constFirst().text, documents::changedOnDiskText(path));
        }
        QCOMPARE(result, saved);
        QCOMPARE(f.documentText(QStringLiteral("old.rtf")), oldAfter);
        if (elsewhereAfter.isEmpty())
            QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("elsewhere.rtf"))));
        else
            QCOMPARE(f.documentText(QStringLiteral("elsewhere.rtf")), elsewhereAfter);
        QCOMPARE(f.document.path(), f.path(elsewhereAfter.isEmpty() ? QStringLiteral("old.rtf") : QStringLiteral("elsewhere.rtf")));
        QCOMPARE(f.document.isChanged(), !saved);
    }

    // After a save, the file as it now stands is the document's: saving again asks nothing,
    // and a change after that is noticed again.
    void ownSavesAreNotChanges()
    {
        FileCommandsFixture f;
        const QString path = f.path(QStringLiteral("old.rtf"));
        f.commands.openPath(path);
        for (int round = 0; round < 3; ++round) {
            f.editor.replaceSelection(QStringLiteral("more "));
            QVERIFY(f.commands.saveDocument());
        }
        QCOMPARE(f.dialogs.messages.size(), 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write(" ");
        file.close();
        f.editor.replaceSelection(QStringLiteral("last"));
        f.dialogs.answers << Answer::Cancel;
        QVERIFY(!f.commands.saveDocument());
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.unexpected, QStringList());
    }
};

QTEST_MAIN(TestDiskChanges)
#include "test_disk_changes.moc"
