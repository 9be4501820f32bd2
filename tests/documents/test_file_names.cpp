// Documents under every name the file system allows open, and save again and again into
// the same file: the longest names, names that are not valid UTF-8 (which Qt spells with
// U+FFFD), names that look like markup.

#include "file_commands_fixture.h"
#include "raw_names.h"

#include <QScopeGuard>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

class TestFileNames : public QObject {
    Q_OBJECT

private slots:
    void openAndSaveAgain_data()
    {
        QTest::addColumn<QByteArray>("name"); // as the system spells it
        const QByteArray bengali = QString(83, QChar(0x0995)).toUtf8(); // 249 bytes
        QTest::newRow("255 bytes") << bengali + "ab.rtf";
        QTest::newRow("251 bytes") << bengali + ".rtf"; // NAME_MAX less the old temporary suffix
        QTest::newRow("not UTF-8") << QByteArray("caf\xe9 \xff.rtf");
        QTest::newRow("looks like markup") << QByteArray("<font size=7 color=red>BIG <u>under.rtf");
    }

    void openAndSaveAgain()
    {
        QFETCH(QByteArray, name);
        FileCommandsFixture f;
        const QByteArray folder = QFile::encodeName(f.dir.path());
        const QByteArray raw = folder + '/' + name;
        const auto cleanUp = qScopeGuard([&raw] { ::unlink(raw.constData()); }); // QDir cannot name it
        {
            QTextDocument document(QStringLiteral("first"));
            const QByteArray bytes = rtf::write(document);
            const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
            ::close(fd);
        }
        const QList<QByteArray> names = rawNames(folder);
        // What Qt gives for the name (a command-line argument, a dialog's answer).
        const QString path = QFile::decodeName(raw);

        f.commands.openPath(path);
        QCOMPARE(f.dialogs.messages.size(), 0);
        QCOMPARE(f.editor.document()->toPlainText(), QStringLiteral("first"));
        QVERIFY(f.document.caption().endsWith(path));
        for (int round = 1; round <= 3; ++round) {
            f.editor.selectAll();
            f.editor.replaceSelection(QStringLiteral("round %1").arg(round));
            QVERIFY(f.commands.saveDocument());
            QCOMPARE(f.dialogs.messages.size(), 0);
            QTextDocument saved;
            QCOMPARE(rtf::loadFile(path, saved), std::nullopt);
            QCOMPARE(saved.toPlainText(), QStringLiteral("round %1").arg(round));
            QCOMPARE(rawNames(folder), names);
        }
        QCOMPARE(f.dialogs.unexpected, QStringList());
    }
};

QTEST_MAIN(TestFileNames)
#include "test_file_names.moc"
