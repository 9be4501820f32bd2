// What the recovery store trusts of its folder: a copy's recorded path is taken only when
// it is one clean absolute path, and a state folder that is a link keeps its target's mode.

#include "recovery/recovery_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <QScopeGuard>

#include <cerrno>
#include <cstring>
#include <functional>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

class TestRecoveryFolder : public QObject {
    Q_OBJECT

private slots:
    void recordedPathIsCheckedBeforeUse_data()
    {
        QTest::addColumn<QByteArray>("recorded");
        QTest::addColumn<QString>("expected");
        const QString bengali = QStringLiteral("/home/writer/\u0995\u09BF\u09A4\u09BE\u09AC.rtf");
        QTest::newRow("absolute path") << QByteArray("/home/writer/a.rtf") << "/home/writer/a.rtf";
        QTest::newRow("Bengali name") << bengali.toUtf8() << bengali;
        QTest::newRow("unsaved document") << QByteArray() << "";
        QTest::newRow("relative path") << QByteArray("writer/a.rtf") << "";
        QTest::newRow("3000 newlines") << QByteArray("/home/writer/a.rtf") + QByteArray(3000, '\n') << "";
        QTest::newRow("two paths") << QByteArray("/home/writer/a.rtf\n/etc/passwd") << "";
        QTest::newRow("climbs out") << QByteArray("/home/writer/../../etc/passwd") << "";
        QTest::newRow("longer than PATH_MAX") << QByteArray("/") + QByteArray(5000, 'a') << "";
        QTest::newRow("not UTF-8") << QByteArray("/home/caf\xe9.rtf") << "";
        QTest::newRow("control character") << QByteArray("/home/\x1b[2Ja.rtf") << "";
    }

    void recordedPathIsCheckedBeforeUse()
    {
        QFETCH(QByteArray, recorded);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        // A copy left by a program that is gone: its lock file went with it.
        const QString id = QStringLiteral("4b1e6c1e-0000-4000-8000-000000000001");
        QFile copy(folder.filePath(id + QStringLiteral(".rtf")));
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write("{\\rtf1 left}");
        copy.close();
        QFile path(folder.filePath(id + QStringLiteral(".path")));
        QVERIFY(path.open(QIODevice::WriteOnly));
        path.write(recorded);
        path.close();

        const QList<recovery::LeftCopy> left = recovery::RecoveryStore(folder.path()).leftCopies();
        QCOMPARE(left.size(), 1);
        QCOMPARE(left[0].originalPath, expected);
        // The copy the start offers, held while it asks, reads the same.
        const auto claimed = recovery::RecoveryStore(folder.path()).claimLeftCopy();
        QVERIFY(claimed);
        QCOMPARE(claimed->copy().originalPath, expected);
    }

    void folderModes_data()
    {
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<int>("expectedMode");
        QTest::newRow("own folder made private") << false << 0700;
        QTest::newRow("link: target left as it was") << true << 0755;
    }

    void folderModes()
    {
        QFETCH(bool, throughLink);
        QFETCH(int, expectedMode);
        QTemporaryDir base;
        const QString real = base.filePath(QStringLiteral("real"));
        QVERIFY(QDir().mkdir(real));
        QCOMPARE(::chmod(QFile::encodeName(real).constData(), 0755), 0);
        QString folder = real;
        if (throughLink) {
            folder = base.filePath(QStringLiteral("link"));
            QVERIFY(QFile::link(real, folder));
        }
        recovery::RecoveryStore store(folder);
        QTextDocument document(QStringLiteral("words"));
        QCOMPARE(store.write(document, QString()), std::nullopt);
        QVERIFY(store.hasCopy());
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(real).constData(), &info), 0);
        QCOMPARE(QString::number(info.st_mode & 07777, 8), QString::number(expectedMode, 8));
    }

    // A folder where no copy can be written: the warning says why.
    void unwritableFolderNamesTheCause_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("cause");
        QTest::newRow("full disk") << "full" << "the disk is full";
        QTest::newRow("read-only folder") << "read-only" << QString::fromLocal8Bit(std::strerror(EACCES));
    }

    void unwritableFolderNamesTheCause()
    {
        QFETCH(QString, kind);
        QFETCH(QString, cause);
        QTemporaryDir base;
        const QString folder = base.filePath(QStringLiteral("state"));
        QVERIFY(QDir().mkdir(folder));
        const QByteArray native = QFile::encodeName(folder);
        std::function<void()> undo = [] {};
        if (kind == u"full") {
            if (::mount("tmpfs", native.constData(), "tmpfs", 0, "size=16k,nr_inodes=64") != 0)
                QSKIP("cannot mount a small tmpfs here: the full-disk case is not run");
            undo = [native] { ::umount2(native.constData(), MNT_DETACH); };
            QFile filler(folder + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size()) {
            }
        } else {
            if (::geteuid() == 0)
                QSKIP("root writes into read-only folders: the read-only case needs another user");
            QCOMPARE(::chmod(native.constData(), 0500), 0);
            undo = [native] { ::chmod(native.constData(), 0700); };
        }
        const auto cleanup = qScopeGuard([&undo] { undo(); });
        recovery::RecoveryStore store(folder);
        QTextDocument document(QStringLiteral("words"));
        const std::optional<QString> error = store.write(document, QString());
        QVERIFY(error.has_value());
        QVERIFY2(error->endsWith(QStringLiteral(": ") + cause), qPrintable(*error));
    }
};

QTEST_MAIN(TestRecoveryFolder)
#include "test_recovery_folder.moc"
