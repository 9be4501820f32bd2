// The real message box, left by a key, a click or its close button: dismissing a question
// is never an answer of No.

#include "platform/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
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

QTEST_MAIN(TestMessageBox)
#include "test_message_box.moc"
