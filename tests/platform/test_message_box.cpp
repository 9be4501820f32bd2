// The real message box, left by a key, a click or its close button: dismissing a question
// is never an answer of No.

#include "platform/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTextDocument>
#include <QTest>
#include <QTimer>

using platform::Answer;
using platform::Buttons;

Q_DECLARE_METATYPE(platform::Buttons)
Q_DECLARE_METATYPE(platform::Answer)

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void leaving_data();
    void leaving();
    void namesShowAsTheyAre_data();
    void namesShowAsTheyAre();
};

void TestMessageBox::leaving_data()
{
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<QString>("action"); // "esc", "close", or the text of a button to click
    QTest::addColumn<Answer>("expected");
    QTest::addColumn<int>("visibleButtons");

    QTest::newRow("yes/no: Esc dismisses") << Buttons::YesNo << "esc" << Answer::Cancel << 2;
    QTest::newRow("yes/no: close button dismisses") << Buttons::YesNo << "close" << Answer::Cancel << 2;
    QTest::newRow("yes/no: Yes") << Buttons::YesNo << "&Yes" << Answer::Yes << 2;
    QTest::newRow("yes/no: No") << Buttons::YesNo << "&No" << Answer::No << 2;
    QTest::newRow("yes/no/cancel: Esc cancels") << Buttons::YesNoCancel << "esc" << Answer::Cancel << 3;
    QTest::newRow("yes/no/cancel: No") << Buttons::YesNoCancel << "&No" << Answer::No << 3;
    QTest::newRow("overwrite/elsewhere/cancel: Overwrite") << Buttons::OverwriteElsewhereCancel << "&Overwrite" << Answer::Yes << 3;
    QTest::newRow("overwrite/elsewhere/cancel: Save Elsewhere") << Buttons::OverwriteElsewhereCancel << "Save &Elsewhere..." << Answer::No << 3;
    QTest::newRow("overwrite/elsewhere/cancel: Esc cancels") << Buttons::OverwriteElsewhereCancel << "esc" << Answer::Cancel << 3;
    QTest::newRow("notice: Esc is Ok") << Buttons::Ok << "esc" << Answer::Ok << 1;
}

void TestMessageBox::leaving()
{
    QFETCH(Buttons, buttons);
    QFETCH(QString, action);
    QFETCH(Answer, expected);
    QFETCH(int, visibleButtons);

    int shownButtons = -1;
    bool acted = false;
    // Acts on the box once it is up; the timer repeats until then.
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || acted)
            return;
        acted = true;
        shownButtons = 0;
        for (QAbstractButton* button : box->buttons())
            shownButtons += button->isVisible() ? 1 : 0;
        if (action == u"esc") {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (action == u"close") {
            box->close();
        } else {
            for (QAbstractButton* button : box->buttons())
                if (button->text() == action)
                    QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    poll.start();
    platform::QtDialogs dialogs;
    const Answer answer = dialogs.message(nullptr, QStringLiteral("Do you save change of this Document?"),
                                          QStringLiteral("Save"), buttons, platform::Icon::Question);
    poll.stop();
    QVERIFY(acted);
    QCOMPARE(shownButtons, visibleButtons);
    QCOMPARE(answer, expected);
}

// What a label shows, as plain text.
static QString shownText(const QLabel* label)
{
    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

void TestMessageBox::namesShowAsTheyAre_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("font markup") << "<font size=7 color=red>BIG <u>under.rtf";
    QTest::newRow("huge picture") << "<img width=60000 height=60000 src=x>.rtf";
    QTest::newRow("entity and break") << "a&amp;b<br>c.rtf";
}

// A file's name is shown letter for letter, in the message and in its details, and a name
// that looks like markup does not make the box larger than a screen.
void TestMessageBox::namesShowAsTheyAre()
{
    QFETCH(QString, name);
    const QString text = QStringLiteral("\"%1\" could not be saved.\n\n/home/a/%1: cannot be written: No space left on device")
                             .arg(name);
    QString shown;
    QSize size;
    bool acted = false;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || acted)
            return;
        acted = true;
        for (const QLabel* label : box->findChildren<QLabel*>())
            if (label->isVisible())
                shown += shownText(label) + u'\n';
        size = box->size();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    poll.start();
    platform::QtDialogs dialogs;
    dialogs.message(nullptr, text, QStringLiteral("Norvelin"), Buttons::Ok, platform::Icon::Warning);
    poll.stop();
    QVERIFY(acted);
    QVERIFY2(shown.contains(u'"' + name + u'"'), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("/home/a/") + name + u':'), qPrintable(shown));
    QVERIFY2(size.width() < 1600 && size.height() < 1000, qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
}

QTEST_MAIN(TestMessageBox)
#include "test_message_box.moc"
