// Reading the system's configuration store and finding the system-information program.

#include "about/registry.h"
#include "about/sysinfo.h"
#include "fakes.h"
#include "scripted_dialogs.h"

#include <QtTest>

using namespace about;

Q_DECLARE_METATYPE(about::RegistryValue)

namespace {
const QString kKey = QStringLiteral("SOFTWARE\\Example");
const QString kValue = QStringLiteral("Path");

RegistryValue text(const QByteArray& bytes) { return {REG_SZ, bytes}; }
RegistryValue dword(quint32 n)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((n >> (8 * i)) & 0xFF);
    return {REG_DWORD, bytes};
}
} // namespace

class TestSysInfo : public QObject {
    Q_OBJECT
private slots:
    void getKeyValue_data();
    void getKeyValue();
    void getKeyValueMissingKeyOrName();
    void startSysInfo_data();
    void startSysInfo();
};

void TestSysInfo::getKeyValue_data()
{
    QTest::addColumn<RegistryValue>("stored");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("value"); // KeyVal afterwards; it holds "before" on entry

    QTest::newRow("string with NUL loses only the NUL")
        << text(QByteArray("C:\\msinfo32.exe\0", 16)) << true << "C:\\msinfo32.exe";
    QTest::newRow("string without NUL keeps every character")
        << text("C:\\msinfo32.exe") << true << "C:\\msinfo32.exe";
    QTest::newRow("two NULs lose only the last")
        << text(QByteArray("ab\0\0", 4)) << true << QString::fromLatin1("ab\0", 3);
    QTest::newRow("only a NUL") << text(QByteArray("\0", 1)) << true << "";
    QTest::newRow("empty string") << text(QByteArray()) << true << "";
    QTest::newRow("one character") << text("x") << true << "x";
    QTest::newRow("fills the read buffer") << text(QByteArray(1024, 'a')) << true
                                           << QString(1024, QLatin1Char('a'));
    QTest::newRow("larger than the read buffer") << text(QByteArray(1025, 'a')) << false << "";
    QTest::newRow("dword zero") << dword(0) << true << "0";
    QTest::newRow("dword 261 (0x105)") << dword(0x105) << true << "261";
    QTest::newRow("dword with zero bytes inside") << dword(0x0A000B00) << true << "167774976";
    QTest::newRow("dword largest") << dword(0xFFFFFFFF) << true << "4294967295";
    QTest::newRow("other type leaves the text as it was")
        << RegistryValue{3, QByteArray("\x01\x02", 2)} << true << "before";
}

void TestSysInfo::getKeyValue()
{
    QFETCH(RegistryValue, stored);
    QFETCH(bool, found);
    QFETCH(QString, value);

    InMemoryRegistry registry;
    registry.setValue(HKEY_LOCAL_MACHINE, kKey, kValue, stored);
    QString KeyVal = QStringLiteral("before");
    QCOMPARE(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kKey, kValue, KeyVal), found);
    QCOMPARE(KeyVal, value);
}

void TestSysInfo::getKeyValueMissingKeyOrName()
{
    InMemoryRegistry registry;
    registry.setValue(HKEY_LOCAL_MACHINE, kKey, kValue, text("x"));
    QString KeyVal = QStringLiteral("before");
    QVERIFY(!GetKeyValue(registry, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Other"), KeyVal));
    QCOMPARE(KeyVal, QString());
    KeyVal = QStringLiteral("before");
    QVERIFY(!GetKeyValue(registry, HKEY_LOCAL_MACHINE, kKey + QStringLiteral("\\Sub"), kValue, KeyVal));
    QCOMPARE(KeyVal, QString());
    QVERIFY(!GetKeyValue(registry, 0x80000001u, kKey, kValue, KeyVal));
    // Keys and names compare as the system's store compares them: without regard to case.
    QVERIFY(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kKey.toLower(), kValue.toUpper(), KeyVal));
    QCOMPARE(KeyVal, QStringLiteral("x"));
    QVERIFY(!GetKeyValue(SystemRegistry(), HKEY_LOCAL_MACHINE, kSysInfoPathKey, kSysInfoPathValue, KeyVal));
}

// A registry set-up, files that exist, programs on PATH and what starts; then which
// starts were attempted, whether the second location was looked at, and the message.
void TestSysInfo::startSysInfo_data()
{
    QTest::addColumn<QString>("firstPath");    // "-" when the first location is missing
    QTest::addColumn<QString>("secondFolder"); // "-" when the second location is missing
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("onPath");
    QTest::addColumn<QStringList>("startable");
    QTest::addColumn<QStringList>("attempted");
    QTest::addColumn<bool>("secondLooked");
    QTest::addColumn<bool>("message");

    const QString exe = QStringLiteral("C:\\Tools\\msinfo32.exe");
    const QString folder = QStringLiteral("C:\\Shared");
    const QString inFolder = folder + QStringLiteral("\\MSINFO32.EXE");
    const QString hardinfo = QStringLiteral("/usr/bin/hardinfo");
    const QString xfce = QStringLiteral("/usr/bin/xfce4-taskmanager");

    QTest::newRow("first location starts, without an existence test")
        << exe << folder << QStringList{} << QStringList{"hardinfo"} << QStringList{exe}
        << QStringList{exe} << false << false;
    QTest::newRow("first location fails to start: message, second not tried")
        << exe << folder << QStringList{inFolder} << QStringList{"hardinfo"}
        << QStringList{inFolder, hardinfo} << QStringList{exe} << false << true;
    QTest::newRow("first location empty: starting nothing fails")
        << "" << folder << QStringList{inFolder} << QStringList{} << QStringList{inFolder}
        << QStringList{} << false << true;
    QTest::newRow("second location with the program")
        << "-" << folder << QStringList{inFolder} << QStringList{"hardinfo"}
        << QStringList{inFolder} << QStringList{inFolder} << true << false;
    QTest::newRow("second location without the program, nothing on PATH")
        << "-" << folder << QStringList{} << QStringList{} << QStringList{inFolder}
        << QStringList{} << true << true;
    QTest::newRow("second location fails to start")
        << "-" << folder << QStringList{inFolder} << QStringList{"hardinfo"} << QStringList{}
        << QStringList{inFolder} << true << true;
    QTest::newRow("second location without the program, a Linux tool on PATH")
        << "-" << folder << QStringList{} << QStringList{"xfce4-taskmanager"}
        << QStringList{xfce} << QStringList{xfce} << true << false;
    QTest::newRow("neither: the first Linux tool in order")
        << "-" << "-" << QStringList{} << QStringList{"xfce4-taskmanager", "hardinfo"}
        << QStringList{hardinfo, xfce} << QStringList{hardinfo} << true << false;
    QTest::newRow("neither: the Linux tool fails to start")
        << "-" << "-" << QStringList{} << QStringList{"hardinfo"} << QStringList{}
        << QStringList{hardinfo} << true << true;
    QTest::newRow("neither, nothing on PATH")
        << "-" << "-" << QStringList{} << QStringList{} << QStringList{} << QStringList{}
        << true << true;
}

void TestSysInfo::startSysInfo()
{
    QFETCH(QString, firstPath);
    QFETCH(QString, secondFolder);
    QFETCH(QStringList, files);
    QFETCH(QStringList, onPath);
    QFETCH(QStringList, startable);
    QFETCH(QStringList, attempted);
    QFETCH(bool, secondLooked);
    QFETCH(bool, message);

    RecordingRegistry registry;
    if (firstPath != QLatin1String("-"))
        registry.values.setValue(HKEY_LOCAL_MACHINE, kSysInfoPathKey, kSysInfoPathValue,
                                 text(firstPath.toLocal8Bit() + '\0'));
    if (secondFolder != QLatin1String("-"))
        registry.values.setValue(HKEY_LOCAL_MACHINE, kSysInfoFolderKey, kSysInfoFolderValue,
                                 text(secondFolder.toLocal8Bit() + '\0'));
    FakeLauncher launcher;
    launcher.files = QSet<QString>(files.begin(), files.end());
    launcher.onPath = QSet<QString>(onPath.begin(), onPath.end());
    launcher.startable = QSet<QString>(startable.begin(), startable.end());
    ScriptedDialogs dialogs;

    StartSysInfo(registry, launcher, dialogs, nullptr);

    QCOMPARE(launcher.attempted, attempted);
    QCOMPARE(registry.queried.value(0), kSysInfoPathKey);
    QCOMPARE(registry.queried.contains(kSysInfoFolderKey), secondLooked);
    QCOMPARE(dialogs.messages.size(), message ? 1 : 0);
    if (message) {
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(dialogs.messages[0].title, QStringLiteral("Norvelin"));
        QCOMPARE(dialogs.messages[0].buttons, platform::Buttons::Ok);
        QCOMPARE(dialogs.messages[0].icon, platform::Icon::None);
    }
    QVERIFY(dialogs.unexpected.isEmpty());
}

QTEST_MAIN(TestSysInfo)
#include "test_sysinfo.moc"
