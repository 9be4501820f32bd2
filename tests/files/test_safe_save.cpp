// Saving over a file keeps what the file was: its owner, group, mode, ACL and extended
// attributes, its other names (hard links), its folder's rights; what is not a regular
// file is never replaced, and a kill at any moment leaves the old or the new content whole.
// The cases that need a second user id run as root and switch to `nobody`.

#include "files/file_identity.h"
#include "files/native_path.h"
#include "files/safe_save.h"
#include "files/temporary_files.h"
#include "raw_names.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>


#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;
constexpr uid_t kDaemon = 1;   // another user whose files nobody edits
constexpr gid_t kShared = 4;   // a group nobody is given as a supplementary group

QByteArray native(const QString& path) { return QFile::encodeName(path); }

QByteArray contentOf(const QByteArray& path)
{
    QFile file(QFile::decodeName(path));
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return "<unreadable>";
    return file.readAll();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

struct stat statusOf(const QString& path)
{
    struct stat info {};
    ::stat(native(path).constData(), &info);
    return info;
}

// Every extended attribute of the file, the ACL included, by name.
QMap<QByteArray, QByteArray> attributesOf(const QString& path)
{
    QMap<QByteArray, QByteArray> result;
    char names[4096];
    const ssize_t size = ::listxattr(native(path).constData(), names, sizeof names);
    for (ssize_t at = 0; at < size; at += ssize_t(qstrlen(names + at)) + 1) {
        char value[4096];
        const ssize_t length = ::getxattr(native(path).constData(), names + at, value, sizeof value);
        result.insert(names + at, QByteArray(value, int(qMax<ssize_t>(length, 0))));
    }
    return result;
}

// Hidden files a save leaves in `folder`: temporaries and backups.
QStringList leftovers(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral(".~nv*")}, QDir::Files | QDir::Hidden | QDir::System);
}

// The effective user and groups of another user for a scope; root only.
class AsUser {
public:
    AsUser(uid_t uid, gid_t gid, const QList<gid_t>& groups)
    {
        ok_ = ::setgroups(size_t(groups.size()), groups.constData()) == 0 && ::setegid(gid) == 0
            && ::seteuid(uid) == 0;
    }
    ~AsUser()
    {
        const gid_t root = 0;
        if (::seteuid(0) != 0 || ::setegid(0) != 0 || ::setgroups(1, &root) != 0)
            qFatal("cannot return to root");
    }
    bool ok() const { return ok_; }

private:
    bool ok_ = false;
};

} // namespace

class TestSafeSave : public QObject {
    Q_OBJECT

private slots:
    void keepsWhatTheFileWas_data();
    void keepsWhatTheFileWas();
    void neverReplacesWhatIsNotAFile_data();
    void neverReplacesWhatIsNotAFile();
    void longestNamesSaveAgainAndAgain();
    void failedInPlaceWriteKeepsTheOldContent();
    void fullDiskInPlaceKeepsTheOldContent();
    void killAtAnyMomentLeavesOneWholeFile();
    void leftoversOfKilledSavesAreRemoved();
    void namesThatAreNotUtf8();
};

void TestSafeSave::keepsWhatTheFileWas_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("asNobody");
    QTest::addColumn<QString>("expected"); // "replaced", "in place", or a part of the refusal

    QTest::newRow("mode 0444") << "mode 0444" << false << "replaced";
    QTest::newRow("mode 0640 and another group") << "mode 0640 group" << false << "replaced";
    QTest::newRow("extended attribute user.x") << "xattr" << false << "replaced";
    QTest::newRow("access control list") << "acl" << false << "replaced";
    QTest::newRow("owner kept by root") << "owner nobody" << false << "replaced";
    QTest::newRow("set-group-ID bit and owner") << "setgid nobody" << false << "replaced";
    QTest::newRow("hard link") << "hard link" << false << "in place";
    QTest::newRow("symbolic link stays a link") << "symlink" << false << "replaced";
    QTest::newRow("user: own file, supplementary group") << "user group" << true << "replaced";
    QTest::newRow("user: read-only folder, writable file") << "read-only folder" << true << "in place";
    QTest::newRow("user: another user's file, shared group") << "shared group" << true << "in place";
    QTest::newRow("user: another user's file, not writable")
        << "foreign read-only" << true << "would not keep its owner";
    QTest::newRow("user: hard link not writable") << "foreign hard link" << true << "hard links";
}

void TestSafeSave::keepsWhatTheFileWas()
{
    QFETCH(QString, setup);
    QFETCH(bool, asNobody);
    QFETCH(QString, expected);
    if (::geteuid() != 0)
        QSKIP("needs root: files of other users and groups are made for the cases");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                  | QFileDevice::ReadOther | QFileDevice::ExeOther));
    const QString folder = dir.filePath(QStringLiteral("docs"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/letter.rtf");
    QString other;   // a second name of the same file
    QString written = path; // where the content lands
    put(path, "old content");
    const QByteArray f = native(path);
    const QByteArray d = native(folder);

    if (setup == u"mode 0444") {
        QCOMPARE(::chmod(f.constData(), 0444), 0);
    } else if (setup == u"mode 0640 group") {
        QCOMPARE(::chown(f.constData(), 0, kShared), 0);
        QCOMPARE(::chmod(f.constData(), 0640), 0);
    } else if (setup == u"xattr") {
        if (::setxattr(f.constData(), "user.x", "value", 5, 0) != 0)
            QSKIP("this file system keeps no user attributes");
    } else if (setup == u"acl") {
        if (QStandardPaths::findExecutable(QStringLiteral("setfacl")).isEmpty())
            QSKIP("setfacl is not installed (package acl)");
        if (QProcess::execute(QStringLiteral("setfacl"), {QStringLiteral("-m"), QStringLiteral("u:nobody:rw,g:adm:r"), path}) != 0)
            QSKIP("this file system keeps no ACLs");
    } else if (setup == u"owner nobody") {
        QCOMPARE(::chown(f.constData(), kNobody, kNogroup), 0);
        QCOMPARE(::chmod(f.constData(), 0600), 0);
    } else if (setup == u"setgid nobody") {
        QCOMPARE(::chown(f.constData(), kNobody, kShared), 0);
        QCOMPARE(::chmod(f.constData(), 02664), 0);
    } else if (setup == u"hard link") {
        other = folder + QStringLiteral("/second-name.rtf");
        QCOMPARE(::link(f.constData(), native(other).constData()), 0);
    } else if (setup == u"symlink") {
        written = folder + QStringLiteral("/real.rtf");
        QCOMPARE(::rename(f.constData(), native(written).constData()), 0);
        QCOMPARE(::symlink("real.rtf", f.constData()), 0);
    } else if (setup == u"user group") {
        QCOMPARE(::chown(d.constData(), kNobody, kNogroup), 0);
        QCOMPARE(::chown(f.constData(), kNobody, kShared), 0);
        QCOMPARE(::chmod(f.constData(), 0640), 0);
    } else if (setup == u"read-only folder") {
        QCOMPARE(::chmod(d.constData(), 0755), 0);
        QCOMPARE(::chown(f.constData(), kNobody, kNogroup), 0);
    } else if (setup == u"shared group") {
        QCOMPARE(::chown(d.constData(), kDaemon, kShared), 0);
        QCOMPARE(::chmod(d.constData(), 0775), 0);
        QCOMPARE(::chown(f.constData(), kDaemon, kShared), 0);
        QCOMPARE(::chmod(f.constData(), 0664), 0);
    } else if (setup == u"foreign read-only") {
        QCOMPARE(::chown(d.constData(), kNobody, kNogroup), 0);
        QCOMPARE(::chown(f.constData(), kDaemon, kDaemon), 0);
        QCOMPARE(::chmod(f.constData(), 0644), 0);
    } else if (setup == u"foreign hard link") {
        QCOMPARE(::chown(d.constData(), kNobody, kNogroup), 0);
        other = folder + QStringLiteral("/second-name.rtf");
        QCOMPARE(::link(f.constData(), native(other).constData()), 0);
        QCOMPARE(::chown(f.constData(), kDaemon, kDaemon), 0);
        QCOMPARE(::chmod(f.constData(), 0644), 0);
    } else {
        QFAIL("unknown setup");
    }

    const struct stat before = statusOf(written);
    const QMap<QByteArray, QByteArray> attributes = attributesOf(written);
    std::optional<files::SaveFailure> failure;
    files::SaveOutcome outcome;
    {
        std::optional<AsUser> user;
        if (asNobody) {
            user.emplace(kNobody, kNogroup, QList<gid_t>{kNogroup, kShared});
            QVERIFY(user->ok());
        }
        failure = files::safeSave(path, "new content", &outcome);
    }

    const struct stat after = statusOf(written);
    if (expected == u"replaced" || expected == u"in place") {
        QVERIFY2(!failure, qPrintable(files::describe(*failure)));
        QCOMPARE(contentOf(native(written)), QByteArray("new content"));
        QCOMPARE(outcome.inPlace, expected == u"in place");
        QCOMPARE(after.st_ino == before.st_ino, expected == u"in place");
        QVERIFY(outcome.written == files::identityFrom(after));
    } else {
        QVERIFY(failure);
        QVERIFY2(files::describe(*failure).contains(expected), qPrintable(files::describe(*failure)));
        QCOMPARE(contentOf(native(written)), QByteArray("old content"));
        QCOMPARE(after.st_ino, before.st_ino);
    }
    if (!other.isEmpty())
        QCOMPARE(contentOf(native(other)), contentOf(native(written)));
    if (setup == u"symlink") {
        struct stat link {};
        QCOMPARE(::lstat(f.constData(), &link), 0);
        QVERIFY(S_ISLNK(link.st_mode));
    }
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    QCOMPARE(QString::number(after.st_mode, 8), QString::number(before.st_mode, 8));
    QCOMPARE(attributesOf(written), attributes);
    QCOMPARE(leftovers(folder), QStringList());
}

void TestSafeSave::neverReplacesWhatIsNotAFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("named pipe") << "fifo" << "named pipe";
    QTest::newRow("folder") << "folder" << "folder";
    QTest::newRow("link to a device") << "device" << "device";
    QTest::newRow("socket") << "socket" << "socket";
    QTest::newRow("link to nothing") << "dangling" << "does not exist";
}

void TestSafeSave::neverReplacesWhatIsNotAFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("target.rtf"));
    const QByteArray f = native(path);
    if (kind == u"fifo") {
        QCOMPARE(::mkfifo(f.constData(), 0600), 0);
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == u"device") {
        QCOMPARE(::symlink("/dev/null", f.constData()), 0);
    } else if (kind == u"dangling") {
        QCOMPARE(::symlink("gone.rtf", f.constData()), 0);
    } else {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, f.constData(), sizeof address.sun_path);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    struct stat before {};
    QCOMPARE(::lstat(f.constData(), &before), 0);

    // A pipe with no reader would block an open for writing: the save must not open it.
    const auto failure = files::safeSave(path, "new content");

    QVERIFY(failure);
    QVERIFY2(files::describe(*failure).contains(reason), qPrintable(files::describe(*failure)));
    struct stat after {};
    QCOMPARE(::lstat(f.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("target.rtf")});
}

// A name as long as the file system allows (255 bytes: 85 Bengali letters) saves as often
// as the writer likes; the temporary name never grows with it.
void TestSafeSave::longestNamesSaveAgainAndAgain()
{
    QTemporaryDir dir;
    const QString stem = QString(83, QChar(0x0995)); // 249 bytes
    for (const QString& name : {stem + QStringLiteral(".rtf"), stem + QStringLiteral("ab.rtf")}) {
        QCOMPARE(native(name).size() >= 253, true);
        const QString path = dir.filePath(name);
        for (int round = 0; round < 3; ++round) {
            const QByteArray content = "content " + QByteArray::number(round);
            const auto failure = files::safeSave(path, content);
            QVERIFY2(!failure, qPrintable(files::describe(*failure)));
            QCOMPARE(contentOf(native(path)), content);
        }
    }
    QCOMPARE(leftovers(dir.path()), QStringList());
}

// Writing in place fails half-way (a file-size limit, which binds root too): the old
// content stays, and the checked copy made before goes.
void TestSafeSave::failedInPlaceWriteKeepsTheOldContent()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.rtf"));
    const QString other = dir.filePath(QStringLiteral("link.rtf"));
    put(path, "the old document");
    QCOMPARE(::link(native(path).constData(), native(other).constData()), 0);

    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto failure = files::safeSave(path, QByteArray(20000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(failure);
    QCOMPARE(failure->kind, files::SaveFailureKind::System);
    QCOMPARE(contentOf(native(path)), QByteArray("the old document"));
    QCOMPARE(contentOf(native(other)), QByteArray("the old document"));
    QCOMPARE(leftovers(dir.path()), QStringList());
}

// A hard-linked file on a disk that is really full: the checked copy goes elsewhere, the
// write fails before the file is touched, and nothing is left behind. Needs the right to
// mount; skipped without.
void TestSafeSave::fullDiskInPlaceKeepsTheOldContent()
{
    QTemporaryDir dir;
    const QString mountPoint = dir.filePath(QStringLiteral("full"));
    QVERIFY(QDir().mkpath(mountPoint));
    const QByteArray point = native(mountPoint);
    if (::mount("tmpfs", point.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here (%1)").arg(QString::fromLocal8Bit(strerror(errno)))));
    const auto unmount = qScopeGuard([&point] { ::umount2(point.constData(), MNT_DETACH); });
    const QString path = mountPoint + QStringLiteral("/doc.rtf");
    const QString other = mountPoint + QStringLiteral("/link.rtf");
    put(path, QByteArray(8000, 'o'));
    QCOMPARE(::link(native(path).constData(), native(other).constData()), 0);
    {
        QFile filler(mountPoint + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
    }

    const auto failure = files::safeSave(path, QByteArray(40000, 'n'));

    QVERIFY(failure);
    QCOMPARE(failure->kind, files::SaveFailureKind::System); // the copy was made, the write refused
    QCOMPARE(failure->systemError, ENOSPC);
    QCOMPARE(contentOf(native(path)), QByteArray(8000, 'o'));
    QCOMPARE(contentOf(native(other)), QByteArray(8000, 'o'));
    QCOMPARE(leftovers(mountPoint), QStringList());
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QCOMPARE(leftovers(cache), QStringList());
}

// Saves killed at random moments: the document always reads whole, as the old or the new
// content, and the next save clears what the killed ones left.
void TestSafeSave::killAtAnyMomentLeavesOneWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.rtf"));
    const QByteArray first(300000, 'a');
    const QByteArray second(200000, 'b');
    put(path, first);
    int leftBehind = 0;
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int i = 0;; ++i)
                files::safeSave(path, i % 2 ? first : second);
        }
        QVERIFY(child > 0);
        ::usleep(useconds_t(2000 + 1500 * round));
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        const QByteArray now = contentOf(native(path));
        QVERIFY2(now == first || now == second, qPrintable(QStringLiteral("round %1: %2 bytes").arg(round).arg(now.size())));
        leftBehind += int(leftovers(dir.path()).size());
    }
    qInfo("temporaries left by 20 killed saves: %d", leftBehind);
    QVERIFY(!files::safeSave(path, "final"));
    QCOMPARE(leftovers(dir.path()), QStringList());
}

// A temporary left beside the document is removed by the next save; one that a running
// save holds (locked) stays, and so do files that only look alike.
void TestSafeSave::leftoversOfKilledSavesAreRemoved()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.rtf"));
    put(path, "old");
    const QString dead = dir.filePath(QStringLiteral(".~nvDEAD0001.tmp"));
    const QString held = dir.filePath(QStringLiteral(".~nvHELD0001.tmp"));
    const QString alike = dir.filePath(QStringLiteral(".~nvNOTOURS.tmp"));
    put(dead, "a complete copy of the new content");
    put(held, "being written");
    put(alike, "the user's own");
    QVERIFY(files::isTemporaryName(".~nvDEAD0001.tmp"));
    QVERIFY(!files::isTemporaryName(".~nvNOTOURS.tmp"));
    const int fd = ::open(native(held).constData(), O_RDONLY);
    QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);

    QVERIFY(!files::safeSave(path, "new"));
    ::close(fd);

    QVERIFY(!QFileInfo::exists(dead));
    QVERIFY(QFileInfo::exists(held));
    QVERIFY(QFileInfo::exists(alike));
    QCOMPARE(contentOf(native(path)), QByteArray("new"));
}

// Qt reads a name that is not valid UTF-8 with U+FFFD for its bad bytes; such a text still
// reaches the file it came from, and a save goes back to that file, not to a new name.
void TestSafeSave::namesThatAreNotUtf8()
{
    QTemporaryDir dir;
    const QByteArray folder = native(dir.path());
    const QByteArray raw = folder + "/caf\xe9-\xff.rtf";
    const QByteArray twin = folder + "/caf\xe8-\xfe.rtf";
    // QDir neither lists nor removes such names.
    const auto cleanUp = qScopeGuard([&] {
        ::unlink(raw.constData());
        ::unlink(twin.constData());
    });
    {
        const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, "old", 3), ssize_t(3));
        ::close(fd);
    }
    const QString shown = QFile::decodeName(raw);
    QVERIFY(shown.contains(QChar::ReplacementCharacter));
    QCOMPARE(files::nativePath(shown).bytes, raw);
    QVERIFY(files::identityOf(shown));

    QVERIFY(!files::safeSave(shown, "new"));
    QCOMPARE(contentOf(raw), QByteArray("new"));
    QCOMPARE(rawNames(folder), QList<QByteArray>{raw.mid(folder.size() + 1)});

    // Two names that read the same: neither is guessed.
    {
        const int fd = ::open(twin.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
    }
    QVERIFY(files::nativePath(shown).ambiguous);
    const auto failure = files::safeSave(shown, "newer");
    QVERIFY(failure);
    QCOMPARE(failure->kind, files::SaveFailureKind::AmbiguousName);
    QCOMPARE(contentOf(raw), QByteArray("new"));
}

QTEST_MAIN(TestSafeSave)
#include "test_safe_save.moc"
