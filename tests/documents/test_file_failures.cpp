// Files that cannot be read: the open document stays exactly as it was, text and formatting,
// and a later Save writes to the document's own file, never over the one that failed.

#include "documents/file_messages.h"
#include "rtf/failure_text.h"
#include "file_commands_fixture.h"

#include <QTest>
#include <QTextCursor>

#include <cerrno>

#include <sys/stat.h>

using platform::Buttons;
using platform::Icon;

class TestFileFailures : public QObject {
    Q_OBJECT

private slots:
    // The warning names the file once, and keeps the cause whole; a file that is not RTF
    // is said to be so.
    void failureTextNamesFileOnce_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("systemError");
        QTest::addColumn<QString>("openLead");
        const QString couldNot = QStringLiteral("\"letter.rtf\" could not be opened.");
        QTest::newRow("missing") << int(rtf::FailureKind::Unreadable) << ENOENT << couldNot;
        QTest::newRow("permission denied") << int(rtf::FailureKind::Unreadable) << EACCES << couldNot;
        QTest::newRow("folder") << int(rtf::FailureKind::Folder) << 0 << couldNot;
        QTest::newRow("not RTF") << int(rtf::FailureKind::NotRtf) << 0
                                 << QStringLiteral("\"letter.rtf\" is not a Rich Text Format document.");
    }

    void failureTextNamesFileOnce()
    {
        QFETCH(int, kind);
        QFETCH(int, systemError);
        QFETCH(QString, openLead);
        rtf::Failure failure;
        failure.kind = rtf::FailureKind(kind);
        failure.path = QStringLiteral("/home/a/letter.rtf");
        failure.systemError = systemError;
        const QString cause = rtf::failureText(failure);
        const QString opened = documents::openFailedText(failure);
        QCOMPARE(opened, openLead + QStringLiteral("\n\n") + cause);
        rtf::Failure unwritable = failure;
        unwritable.kind = rtf::FailureKind::Unwritable;
        const QString saved = documents::saveFailedText(unwritable);
        QCOMPARE(saved, QStringLiteral("\"letter.rtf\" could not be saved.\n\n") + rtf::failureText(unwritable));
        for (const QString& text : {opened, saved})
            QCOMPARE(text.count(failure.path), 1);
    }

    void failedOpenKeepsDocument_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // what the chosen file holds
        QTest::addColumn<int>("kind");         // 0 a file with `bytes`, 1 a folder, 2 removed,
                                               // 3 a named pipe, 4 a link to a device

        QTest::newRow("not RTF") << "notes.rtf" << QByteArray("Dear reader,\nhello.\n") << 0;
        QTest::newRow("groups nested past the limit")
            << "deep.rtf" << QByteArray("{\\rtf1\\ansi ") + QByteArray(20000, '{') + "x" << 0;
        QTest::newRow("a folder") << "folder.rtf" << QByteArray() << 1;
        // The dialog only returns files that exist; this one goes before it is read.
        QTest::newRow("removed after choosing") << "gone.rtf" << QByteArray("{\\rtf1 x}") << 2;
        // Refused before reading: a pipe would block the window for ever, a device such as
        // /dev/zero fill memory (/dev/null here, which the snapshot can read).
        QTest::newRow("named pipe") << "pipe.rtf" << QByteArray() << 3;
        QTest::newRow("link to a device") << "device.rtf" << QByteArray() << 4;
    }

    void failedOpenKeepsDocument()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);

        FileCommandsFixture f;
        QVERIFY(f.dir.isValid());
        f.start(documents::Document::State::Settled, QStringLiteral("old.rtf"),
                QStringLiteral("kept text"));
        // Formatting that a half-read file would overwrite.
        f.editor.selectAll();
        f.editor.setSelectionBold(true);
        f.editor.setSelectionColor(QColor(200, 0, 0));
        f.editor.setSelectionAlignment(Qt::AlignHCenter);
        // Settled again, as after a save: the formatting above moved the selection.
        f.document.saved(f.path(QStringLiteral("old.rtf")));
        switch (kind) {
        case 0: f.writeBytes(name, bytes); break;
        case 1: QVERIFY(QDir(f.dir.path()).mkdir(name)); break;
        case 2:
            f.writeBytes(name, bytes);
            QVERIFY(QFile::remove(f.path(name)));
            break;
        case 3: QCOMPARE(::mkfifo(QFile::encodeName(f.path(name)).constData(), 0600), 0); break;
        default: QVERIFY(QFile::link(QStringLiteral("/dev/null"), f.path(name))); break;
        }
        const QTextDocument* document = f.editor.document();
        const QString html = f.editor.toHtml();
        const QString caption = f.document.caption();
        const QMap<QString, QByteArray> before = f.snapshot();
        f.dialogs.openAnswers << f.chosen(name);

        f.commands.openDocument();

        QCOMPARE(f.dialogs.unexpected, QStringList());
        QCOMPARE(f.dialogs.messages.size(), 1);
        const ScriptedDialogs::Message shown = f.dialogs.messages.constFirst();
        QVERIFY2(shown.text.contains(QDir::toNativeSeparators(f.path(name))), qPrintable(shown.text));
        QCOMPARE(shown.title, QStringLiteral("Norvelin"));
        QCOMPARE(shown.buttons, Buttons::Ok);
        QCOMPARE(shown.icon, Icon::Warning);
        QCOMPARE(f.editor.document(), document);
        QCOMPARE(f.editor.toHtml(), html);
        QCOMPARE(f.document.path(), f.path(QStringLiteral("old.rtf")));
        QCOMPARE(f.document.caption(), caption);
        QCOMPARE(f.document.state(), documents::Document::State::Settled);

        // Save goes to the document's own file without a dialog; the failed one is untouched.
        QVERIFY(f.commands.saveDocument());
        QCOMPARE(f.dialogs.saveRequests.size(), 0);
        QCOMPARE(f.documentText(QStringLiteral("old.rtf")), QStringLiteral("kept text"));
        const QMap<QString, QByteArray> after = f.snapshot();
        QCOMPARE(after.keys(), before.keys());
        QCOMPARE(after.value(name), before.value(name));
    }
};

QTEST_MAIN(TestFileFailures)
#include "test_file_failures.moc"
