// The file dialogs' icons and type names come from names alone: listing a folder never
// opens a file (a file in /proc may block its reader for good).
#include "platform/file_icons.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QtTest>

class TestFileIcons : public QObject {
    Q_OBJECT
private slots:
    void typeComesFromTheName_data();
    void typeComesFromTheName();
    void foldersKeepQtsAnswer();
};

void TestFileIcons::typeComesFromTheName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expectedMime");
    // Content that Qt's own provider would sniff as RTF or PDF: here only the name counts.
    QTest::newRow("RTF content, no extension") << "notes" << QByteArray("{\\rtf1 hello}") << "application/octet-stream";
    QTest::newRow("PDF content, .rtf name") << "letter.rtf" << QByteArray("%PDF-1.4\n") << "text/rtf";
    QTest::newRow("empty, like /proc/kmsg") << "kmsg" << QByteArray() << "application/octet-stream";
}

void TestFileIcons::typeComesFromTheName()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, expectedMime);
    QTemporaryDir dir;
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const QFileInfo info(file.fileName());
    const QMimeType expected = QMimeDatabase().mimeTypeForName(expectedMime);
    QVERIFY(expected.isValid());
    // The sniffed type differs for the first two, so a provider that read the file fails.
    const platform::NameOnlyFileIconProvider icons;
    QCOMPARE(icons.type(info), expected.comment().isEmpty() ? expected.name() : expected.comment());
    QVERIFY(!icons.icon(info).isNull());
}

void TestFileIcons::foldersKeepQtsAnswer()
{
    QTemporaryDir dir;
    const QFileInfo info(dir.path());
    const platform::NameOnlyFileIconProvider icons;
    QCOMPARE(icons.type(info), QFileIconProvider().type(info));
}

QTEST_MAIN(TestFileIcons)
#include "test_file_icons.moc"
