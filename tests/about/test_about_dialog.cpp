// The About box: what it shows and where, how it closes, one window at a time, and its
// System Info button.

#include "about/about_dialog.h"
#include "about/sysinfo.h"
#include "fakes.h"
#include "platform/twips.h"
#include "scripted_dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

struct Fixture {
    RecordingRegistry registry;
    FakeLauncher launcher;
    ScriptedDialogs dialogs;
    QPointer<about::AboutDialog> about = new about::AboutDialog(registry, launcher, dialogs);

    ~Fixture() { delete about.data(); }

    bool show()
    {
        about->show();
        about->activateWindow();
        return QTest::qWaitForWindowActive(about);
    }
};

QList<about::AboutDialog*> visibleAboutBoxes()
{
    QList<about::AboutDialog*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<about::AboutDialog*>(widget); box && box->isVisible())
            boxes.append(box);
    }
    return boxes;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestAboutDialog : public QObject {
    Q_OBJECT
private slots:
    void contents();
    void geometry_data();
    void geometry();
    void textsFitTheirBoxes();
    void closes_data();
    void closes();
    void oneWindowWhenOpenedTwice();
    void systemInfoButton();
};

void TestAboutDialog::contents()
{
    Fixture f;
    QCOMPARE(f.about->windowTitle(), QStringLiteral("About Norvelin"));
    QCOMPARE(f.about->versionLabel()->text(), QStringLiteral("Version 1.1.0"));
    QCOMPARE(f.about->titleLabel()->text(), QStringLiteral("Norvelin"));
    QCOMPARE(f.about->titleLabel()->font().pointSize(), 24);
    QVERIFY(f.about->titleLabel()->font().bold());
    QCOMPARE(f.about->okButton()->text(), QStringLiteral("OK"));
    QCOMPARE(f.about->systemInfoButton()->text(), QStringLiteral("&System Info..."));
    QVERIFY(f.about->okButton()->isDefault());
    QVERIFY(!f.about->isModal());
    QVERIFY(f.about->fontCreditLabel()->text().contains(QStringLiteral("Noto Sans Bengali")));
    for (QLabel* label : {f.about->descriptionLabel(), f.about->creditsLabel(), f.about->disclaimerLabel()})
        QVERIFY(!label->text().isEmpty());
    QVERIFY(!f.about->emblem()->pixmap().isNull());
    QCOMPARE(f.about->emblem()->pixmap().size(), QSize(56, 56));

    QVERIFY(f.show());
    QCOMPARE(QApplication::focusWidget(), f.about->okButton());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestAboutDialog::geometry_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("picIcon") << "picIcon" << QRect(0, 0, 870, 870);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(4440, 2880, 1260, 345);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(6120, 2880, 1245, 345);
    QTest::newRow("Label2") << "Label2" << QRect(4320, 2040, 2535, 255);
    QTest::newRow("Label1") << "Label1" << QRect(4320, 840, 4335, 975);
    QTest::newRow("lblDescription") << "lblDescription" << QRect(960, 960, 3165, 1410);
    QTest::newRow("lblTitle") << "lblTitle" << QRect(1080, 240, 3045, 705);
    QTest::newRow("lblVersion") << "lblVersion" << QRect(4320, 480, 1245, 225);
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(255, 2865, 3870, 585);
    QTest::newRow("client area") << "" << QRect(0, 0, 8775, 4380);
}

void TestAboutDialog::geometry()
{
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    Fixture f;
    const QRect expected = platform::twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
    if (control.isEmpty()) {
        QCOMPARE(f.about->size(), expected.size());
        QCOMPARE(f.about->minimumSize(), f.about->maximumSize()); // cannot be resized
        return;
    }
    const QMap<QString, QWidget*> controls{
        {"picIcon", f.about->emblem()},       {"cmdOK", f.about->okButton()},
        {"cmdSysInfo", f.about->systemInfoButton()}, {"Label2", f.about->fontCreditLabel()},
        {"Label1", f.about->creditsLabel()},         {"lblDescription", f.about->descriptionLabel()},
        {"lblTitle", f.about->titleLabel()},     {"lblVersion", f.about->versionLabel()},
        {"lblDisclaimer", f.about->disclaimerLabel()}};
    QCOMPARE(controls.value(control)->geometry(), expected);
}

// Nothing is cut off at the designed sizes, whatever the system's default font.
void TestAboutDialog::textsFitTheirBoxes()
{
    Fixture f;
    for (QLabel* label : {f.about->titleLabel(), f.about->versionLabel(), f.about->descriptionLabel(),
                          f.about->creditsLabel(), f.about->fontCreditLabel(), f.about->disclaimerLabel()}) {
        const QSize box = label->size();
        const bool fits = label->wordWrap() ? label->heightForWidth(box.width()) <= box.height()
                                            : label->sizeHint().width() <= box.width()
                                                  && label->sizeHint().height() <= box.height();
        QVERIFY2(fits, qPrintable(label->text()));
    }
}

void TestAboutDialog::closes_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestAboutDialog::closes()
{
    QFETCH(int, key);
    Fixture f;
    QVERIFY(f.show());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    flushDeletes();
    QVERIFY(f.about.isNull()); // closed and gone
    QVERIFY(f.launcher.attempted.isEmpty());
}

void TestAboutDialog::oneWindowWhenOpenedTwice()
{
    ScriptedDialogs dialogs;
    QWidget main;
    main.show();
    QPointer<about::AboutDialog> first = about::showAbout(&main, dialogs);
    QPointer<about::AboutDialog> second = about::showAbout(&main, dialogs);
    QVERIFY(first);
    QCOMPARE(second.data(), first.data());
    QCOMPARE(visibleAboutBoxes().size(), 1);

    first->okButton()->click();
    flushDeletes();
    QVERIFY(first.isNull());
    QVERIFY(visibleAboutBoxes().isEmpty());

    // Opened again after closing: a fresh box.
    QPointer<about::AboutDialog> third = about::showAbout(&main, dialogs);
    QVERIFY(third);
    QCOMPARE(visibleAboutBoxes().size(), 1);
    QCOMPARE(third->versionLabel()->text(), QStringLiteral("Version 1.1.0"));
    delete third.data();
    QVERIFY(dialogs.messages.isEmpty());
}

void TestAboutDialog::systemInfoButton()
{
    Fixture f;
    f.launcher.onPath = {QStringLiteral("gnome-system-monitor")};
    f.launcher.startable = {QStringLiteral("/usr/bin/gnome-system-monitor")};
    QVERIFY(f.show());
    f.about->systemInfoButton()->click();
    QCOMPARE(f.launcher.attempted, QStringList{QStringLiteral("/usr/bin/gnome-system-monitor")});
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(f.about); // the box stays open

    f.launcher.startable.clear();
    f.about->systemInfoButton()->click();
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].text, about::sysInfoUnavailableText());
}

QTEST_MAIN(TestAboutDialog)
#include "test_about_dialog.moc"
