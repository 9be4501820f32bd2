// The document state through New, Open, Save, Save As, Exit and the closing of the window:
// what each asks, which dialogs it shows and with what name, what it writes and reads, and
// the document's state, path and caption it leaves.

#include "file_commands_fixture.h"

#include <QTest>

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using State = documents::Document::State;

namespace {

enum class Command { New, Open, Save, SaveAs, Exit, Close };

// Captions: the product label with one to three blanks after it, then the document label.
const QString kAfterNew = QStringLiteral(" Norvelin   ");
const QString kAfterOpen = QStringLiteral(" Norvelin  ");
const QString kAfterSave = QStringLiteral(" Norvelin ");
const QString kUnsaved = kAfterNew + QStringLiteral("This is an unsaved Document");

// In expected captions "@name" stands for the full path of `name` in the test folder.
QString file(const QString& title, const QString& name)
{
    return title + QLatin1Char('@') + name;
}

constexpr int kNoResult = -1;

} // namespace

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(State)
Q_DECLARE_METATYPE(QList<Answer>)

class TestFileCommands : public QObject {
    Q_OBJECT

    // The command's result where it has one, else kNoResult.
    static int run(FileCommandsFixture& f, Command command)
    {
        switch (command) {
        case Command::New: f.commands.newDocument(); break;
        case Command::Open: f.commands.openDocument(); break;
        case Command::Save: return f.commands.saveDocument();
        case Command::SaveAs: f.commands.saveDocumentAs(); break;
        case Command::Exit: return f.commands.exitProgram();
        case Command::Close: return f.commands.queryClose();
        }
        return kNoResult;
    }

    // Checks one shown message against its kind: "save?" (New, closing), "exit?",
    // "open?", "replace:name" or "warn:name".
    static void checkMessage(const FileCommandsFixture& f, const ScriptedDialogs::Message& shown,
                             const QString& kind)
    {
        const QString saveText = QStringLiteral("Do you save change of this Document?");
        const QString saveTitle = QStringLiteral("Saving Confirmation");
        if (kind == QLatin1String("save?") || kind == QLatin1String("exit?")) {
            QCOMPARE(shown.text, saveText);
            QCOMPARE(shown.title, saveTitle);
            QCOMPARE(shown.buttons, kind == QLatin1String("exit?") ? Buttons::YesNoCancel
                                                                     : Buttons::YesNo);
            QCOMPARE(shown.icon, Icon::Question);
        } else if (kind == QLatin1String("open?")) {
            QCOMPARE(shown.text, QStringLiteral("Do you want to save this document?"));
            QCOMPARE(shown.title, QStringLiteral("Saving confirmation"));
            QCOMPARE(shown.buttons, Buttons::YesNo);
            QCOMPARE(shown.icon, Icon::Question);
        } else {
            const bool replace = kind.startsWith(QLatin1String("replace:"));
            const QString name = kind.section(QLatin1Char(':'), 1);
            QVERIFY2(shown.text.contains(QDir::toNativeSeparators(f.path(name))),
                     qPrintable(shown.text));
            QCOMPARE(shown.title, QStringLiteral("Norvelin"));
            QCOMPARE(shown.buttons, replace ? Buttons::YesNo : Buttons::Ok);
            QCOMPARE(shown.icon, Icon::Warning);
        }
    }

    static QStringList startNames(const FileCommandsFixture& f,
                                  const QList<platform::FileRequest>& requests)
    {
        QStringList names;
        for (const auto& request : requests) {
            if (request.filter != QLatin1String("Rich Text Format files|*.rtf"))
                names.append(QStringLiteral("<filter %1>").arg(request.filter));
            QString name = request.fileName;
            if (name.startsWith(f.dir.path() + QLatin1Char('/')))
                name = name.mid(f.dir.path().size() + 1);
            names.append(name);
        }
        return names;
    }

private slots:
    void transitions_data()
    {
        QTest::addColumn<State>("state");
        QTest::addColumn<QString>("docpath");
        QTest::addColumn<Command>("command");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("opened");   // chosen in the open dialog, "" = Cancel
        QTest::addColumn<QStringList>("saved");    // chosen in the save dialog, "" = Cancel
        QTest::addColumn<QStringList>("messages"); // kinds, see checkMessage
        QTest::addColumn<QStringList>("openStarts"); // names the dialogs started with
        QTest::addColumn<QStringList>("saveStarts");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("written");      // the file that now holds the document
        QTest::addColumn<QString>("text");         // the editor's text afterwards
        QTest::addColumn<State>("stateAfter");
        QTest::addColumn<QString>("docpathAfter");
        QTest::addColumn<QString>("captionAfter");

        const State fresh = State::Fresh;
        const State changed = State::Changed;
        const State full = State::Settled;
        const QString typed = QStringLiteral("typed");
        const QString none;
        const QString missing = QStringLiteral("missing/doc.rtf");   // its folder does not exist
        const QString underFile = QStringLiteral("old.rtf/doc.rtf"); // its "folder" is a file
        using L = QStringList;
        using A = QList<Answer>;
        const auto Y = Answer::Yes;
        const auto N = Answer::No;
        const auto C = Answer::Cancel;

        // New
        QTest::newRow("new: fresh, asks nothing")
            << fresh << none << Command::New << A{} << L{} << L{} << L{} << L{} << L{}
            << kNoResult << none << "" << full << none << kUnsaved;
        QTest::newRow("new: settled with a path, asks nothing and forgets the path")
            << full << "old.rtf" << Command::New << A{} << L{} << L{} << L{} << L{} << L{}
            << kNoResult << none << "" << full << none << kUnsaved;
        QTest::newRow("new: changed, No")
            << changed << none << Command::New << A{N} << L{} << L{} << L{"save?"} << L{} << L{}
            << kNoResult << none << "" << full << none << kUnsaved;
        QTest::newRow("new: changed, Yes, saved through the dialog")
            << changed << none << Command::New << A{Y} << L{} << L{"new.rtf"} << L{"save?"}
            << L{} << L{""} << kNoResult << "new.rtf" << "" << full << none << kUnsaved;
        QTest::newRow("new: changed with a path, Yes, saved in place")
            << changed << "old.rtf" << Command::New << A{Y} << L{} << L{} << L{"save?"} << L{}
            << L{} << kNoResult << "old.rtf" << "" << full << none << kUnsaved;
        QTest::newRow("new: Yes, save dialog cancelled: the document stays")
            << changed << none << Command::New << A{Y} << L{} << L{""} << L{"save?"} << L{}
            << L{""} << kNoResult << none << typed << changed << none << kUnsaved;
        QTest::newRow("new: Yes, replacing declined: the document stays")
            << changed << none << Command::New << A{Y, N} << L{} << L{"other.rtf"}
            << L{"save?", "replace:other.rtf"} << L{} << L{""} << kNoResult << none << typed
            << changed << none << kUnsaved;
        QTest::newRow("new: Yes, writing fails: warned, the document stays")
            << changed << missing << Command::New << A{Y} << L{} << L{}
            << L{"save?", "warn:" + missing} << L{} << L{} << kNoResult << none << typed
            << changed << missing << file(kAfterSave, missing);

        QTest::newRow("new: changed, question dismissed (Esc): nothing changes")
            << changed << "old.rtf" << Command::New << A{C} << L{} << L{} << L{"save?"} << L{}
            << L{} << kNoResult << none << typed << changed << "old.rtf"
            << file(kAfterSave, "old.rtf");

        // Open
        QTest::newRow("open: fresh, no question, state untouched")
            << fresh << none << Command::Open << A{} << L{"other.rtf"} << L{} << L{} << L{""}
            << L{} << kNoResult << none << "other text" << fresh << "other.rtf"
            << file(kAfterOpen, "other.rtf");
        QTest::newRow("open: settled, the dialog starts with the last name")
            << full << "old.rtf" << Command::Open << A{} << L{"other.rtf"} << L{} << L{}
            << L{"old.rtf"} << L{} << kNoResult << none << "other text" << full << "other.rtf"
            << file(kAfterOpen, "other.rtf");
        QTest::newRow("open: changed, No")
            << changed << none << Command::Open << A{N} << L{"other.rtf"} << L{} << L{"open?"}
            << L{""} << L{} << kNoResult << none << "other text" << full << "other.rtf"
            << file(kAfterOpen, "other.rtf");
        QTest::newRow("open: changed, No, dialog cancelled: settled all the same")
            << changed << none << Command::Open << A{N} << L{""} << L{} << L{"open?"} << L{""}
            << L{} << kNoResult << none << typed << full << none << kUnsaved;
        QTest::newRow("open: changed, Yes, saved, then opened from the saved file's name")
            << changed << none << Command::Open << A{Y} << L{"other.rtf"} << L{"new.rtf"}
            << L{"open?"} << L{"new.rtf"} << L{""} << kNoResult << "new.rtf" << "other text"
            << full << "other.rtf" << file(kAfterOpen, "other.rtf");
        QTest::newRow("open: changed with a path, Yes, saved in place")
            << changed << "old.rtf" << Command::Open << A{Y} << L{"other.rtf"} << L{}
            << L{"open?"} << L{"old.rtf"} << L{} << kNoResult << "old.rtf" << "other text"
            << full << "other.rtf" << file(kAfterOpen, "other.rtf");
        QTest::newRow("open: Yes, save cancelled: no open dialog, the document stays")
            << changed << none << Command::Open << A{Y} << L{} << L{""} << L{"open?"} << L{}
            << L{""} << kNoResult << none << typed << changed << none << kUnsaved;
        QTest::newRow("open: Yes, writing fails: no open dialog, the document stays")
            << changed << underFile << Command::Open << A{Y} << L{} << L{}
            << L{"open?", "warn:" + underFile} << L{} << L{} << kNoResult << none << typed
            << changed << underFile << file(kAfterSave, underFile);
        QTest::newRow("open: changed, question dismissed (Esc): no dialog, nothing changes")
            << changed << "old.rtf" << Command::Open << A{C} << L{} << L{} << L{"open?"} << L{}
            << L{} << kNoResult << none << typed << changed << "old.rtf"
            << file(kAfterSave, "old.rtf");
        QTest::newRow("open: a file cut short opens, then one warning says so")
            << full << "old.rtf" << Command::Open << A{} << L{"cut.rtf"} << L{} << L{"warn:cut.rtf"}
            << L{"old.rtf"} << L{} << kNoResult << none << "cut text" << full << "cut.rtf"
            << file(kAfterOpen, "cut.rtf");
        QTest::newRow("open: unreadable file: warned, document, path and caption kept")
            << full << "old.rtf" << Command::Open << A{} << L{"corrupt.rtf"} << L{}
            << L{"warn:corrupt.rtf"} << L{"old.rtf"} << L{} << kNoResult << none << typed
            << full << "old.rtf" << file(kAfterSave, "old.rtf");
        QTest::newRow("open: changed, No, unreadable file: settled, the rest kept")
            << changed << "old.rtf" << Command::Open << A{N} << L{"corrupt.rtf"} << L{}
            << L{"open?", "warn:corrupt.rtf"} << L{"old.rtf"} << L{} << kNoResult << none
            << typed << full << "old.rtf" << file(kAfterSave, "old.rtf");
        QTest::newRow("open: chosen file not there: warned, nothing changes")
            << fresh << none << Command::Open << A{} << L{"gone.rtf"} << L{}
            << L{"warn:gone.rtf"} << L{""} << L{} << kNoResult << none << typed << fresh << none
            << kUnsaved;

        // Save
        QTest::newRow("save: no path, the dialog's path is written")
            << changed << none << Command::Save << A{} << L{} << L{"new.rtf"} << L{} << L{} << L{""} << 1
            << "new.rtf" << typed << full << "new.rtf" << file(kAfterSave, "new.rtf");
        QTest::newRow("save: a path, written without a dialog")
            << changed << "old.rtf" << Command::Save << A{} << L{} << L{} << L{} << L{} << L{} << 1
            << "old.rtf" << typed << full << "old.rtf" << file(kAfterSave, "old.rtf");
        QTest::newRow("save: a name without extension is used as typed")
            << changed << none << Command::Save << A{} << L{} << L{"letter"} << L{} << L{} << L{""} << 1
            << "letter" << typed << full << "letter" << file(kAfterSave, "letter");
        QTest::newRow("save: cancelled")
            << changed << none << Command::Save << A{} << L{} << L{""} << L{} << L{} << L{""} << 0 << none
            << typed << changed << none << kUnsaved;
        QTest::newRow("save: onto another existing file, Yes replaces it")
            << changed << none << Command::Save << A{Y} << L{} << L{"other.rtf"} << L{"replace:other.rtf"}
            << L{} << L{""} << 1 << "other.rtf" << typed << full << "other.rtf"
            << file(kAfterSave, "other.rtf");
        QTest::newRow("save: onto another existing file, No writes nothing")
            << changed << none << Command::Save << A{N} << L{} << L{"other.rtf"} << L{"replace:other.rtf"}
            << L{} << L{""} << 0 << none << typed << changed << none << kUnsaved;
        QTest::newRow("save: chosen folder missing: warned, path not taken")
            << changed << none << Command::Save << A{} << L{} << L{missing} << L{"warn:" + missing} << L{}
            << L{""} << 0 << none << typed << changed << none << kUnsaved;
        QTest::newRow("save: chosen folder is a file: warned, path not taken")
            << changed << none << Command::Save << A{} << L{} << L{underFile} << L{"warn:" + underFile}
            << L{} << L{""} << 0 << none << typed << changed << none << kUnsaved;
        QTest::newRow("save: the document's own path cannot be written: warned")
            << changed << missing << Command::Save << A{} << L{} << L{} << L{"warn:" + missing} << L{}
            << L{} << 0 << none << typed << changed << missing << file(kAfterSave, missing);

        // Save As
        QTest::newRow("save as: starts with the document's path, writes the chosen one")
            << changed << "old.rtf" << Command::SaveAs << A{} << L{} << L{"new.rtf"} << L{}
            << L{} << L{"old.rtf"} << kNoResult << "new.rtf" << typed << full << "new.rtf"
            << file(kAfterNew, "new.rtf");
        QTest::newRow("save as: onto the document's own file, no question")
            << changed << "old.rtf" << Command::SaveAs << A{} << L{} << L{"old.rtf"} << L{}
            << L{} << L{"old.rtf"} << kNoResult << "old.rtf" << typed << full << "old.rtf"
            << file(kAfterNew, "old.rtf");
        QTest::newRow("save as: cancelled")
            << changed << "old.rtf" << Command::SaveAs << A{} << L{} << L{""} << L{} << L{}
            << L{"old.rtf"} << kNoResult << none << typed << changed << "old.rtf"
            << file(kAfterSave, "old.rtf");
        QTest::newRow("save as: onto another existing file, Yes replaces it")
            << changed << "old.rtf" << Command::SaveAs << A{Y} << L{} << L{"other.rtf"}
            << L{"replace:other.rtf"} << L{} << L{"old.rtf"} << kNoResult << "other.rtf" << typed
            << full << "other.rtf" << file(kAfterNew, "other.rtf");
        QTest::newRow("save as: onto another existing file, No writes nothing")
            << changed << "old.rtf" << Command::SaveAs << A{N} << L{} << L{"other.rtf"}
            << L{"replace:other.rtf"} << L{} << L{"old.rtf"} << kNoResult << none << typed
            << changed << "old.rtf" << file(kAfterSave, "old.rtf");
        QTest::newRow("save as: writing fails: warned, nothing changes")
            << changed << "old.rtf" << Command::SaveAs << A{} << L{} << L{underFile}
            << L{"warn:" + underFile} << L{} << L{"old.rtf"} << kNoResult << none << typed
            << changed << "old.rtf" << file(kAfterSave, "old.rtf");

        // Exit
        QTest::newRow("exit: fresh still asks; No ends")
            << fresh << none << Command::Exit << A{N} << L{} << L{} << L{"exit?"} << L{} << L{}
            << 1 << none << typed << fresh << none << kUnsaved;
        QTest::newRow("exit: just saved still asks; Cancel stays")
            << full << "old.rtf" << Command::Exit << A{C} << L{} << L{} << L{"exit?"} << L{}
            << L{} << 0 << none << typed << full << "old.rtf" << file(kAfterSave, "old.rtf");
        QTest::newRow("exit: Yes, saved through the dialog, ends")
            << changed << none << Command::Exit << A{Y} << L{} << L{"new.rtf"} << L{"exit?"}
            << L{} << L{""} << 1 << "new.rtf" << typed << full << "new.rtf"
            << file(kAfterSave, "new.rtf");
        QTest::newRow("exit: Yes, save dialog cancelled: stays open")
            << changed << none << Command::Exit << A{Y} << L{} << L{""} << L{"exit?"} << L{}
            << L{""} << 0 << none << typed << changed << none << kUnsaved;
        QTest::newRow("exit: Yes, writing fails: warned, stays open")
            << changed << missing << Command::Exit << A{Y} << L{} << L{}
            << L{"exit?", "warn:" + missing} << L{} << L{} << 0 << none << typed << changed
            << missing << file(kAfterSave, missing);

        // Closing the window
        QTest::newRow("close: fresh still asks; No closes")
            << fresh << none << Command::Close << A{N} << L{} << L{} << L{"save?"} << L{} << L{}
            << 1 << none << typed << fresh << none << kUnsaved;
        QTest::newRow("close: question dismissed (Esc): stays open, nothing changes")
            << changed << "old.rtf" << Command::Close << A{C} << L{} << L{} << L{"save?"} << L{}
            << L{} << 0 << none << typed << changed << "old.rtf" << file(kAfterSave, "old.rtf");
        QTest::newRow("close: Yes, saved in place, closes")
            << changed << "old.rtf" << Command::Close << A{Y} << L{} << L{} << L{"save?"} << L{}
            << L{} << 1 << "old.rtf" << typed << full << "old.rtf" << file(kAfterSave, "old.rtf");
        QTest::newRow("close: Yes, save dialog cancelled: stays open")
            << changed << none << Command::Close << A{Y} << L{} << L{""} << L{"save?"} << L{}
            << L{""} << 0 << none << typed << changed << none << kUnsaved;
        QTest::newRow("close: Yes, writing fails: warned, stays open")
            << changed << none << Command::Close << A{Y} << L{} << L{underFile}
            << L{"save?", "warn:" + underFile} << L{} << L{""} << 0 << none << typed << changed
            << none << kUnsaved;
    }

    void transitions()
    {
        QFETCH(State, state);
        QFETCH(QString, docpath);
        QFETCH(Command, command);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, saved);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, openStarts);
        QFETCH(QStringList, saveStarts);
        QFETCH(int, result);
        QFETCH(QString, written);
        QFETCH(QString, text);
        QFETCH(State, stateAfter);
        QFETCH(QString, docpathAfter);
        QFETCH(QString, captionAfter);

        FileCommandsFixture f;
        QVERIFY(f.dir.isValid());
        f.start(state, docpath);
        for (Answer answer : answers)
            f.dialogs.answers.enqueue(answer);
        for (const QString& name : opened)
            f.dialogs.openAnswers.enqueue(f.chosen(name));
        for (const QString& name : saved)
            f.dialogs.saveAnswers.enqueue(f.chosen(name));
        const QMap<QString, QByteArray> before = f.snapshot();

        QCOMPARE(run(f, command), result);
        QCOMPARE(f.dialogs.unexpected, QStringList());
        QVERIFY(f.dialogs.answers.isEmpty());
        QVERIFY(f.dialogs.openAnswers.isEmpty());
        QVERIFY(f.dialogs.saveAnswers.isEmpty());
        QCOMPARE(f.dialogs.messages.size(), messages.size());
        for (qsizetype i = 0; i < messages.size(); ++i) {
            checkMessage(f, f.dialogs.messages[i], messages[i]);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(startNames(f, f.dialogs.openRequests), openStarts);
        QCOMPARE(startNames(f, f.dialogs.saveRequests), saveStarts);

        QCOMPARE(f.editor.toPlainText(), text);
        QCOMPARE(f.document.state(), stateAfter);
        QCOMPARE(f.document.path(), f.path(docpathAfter));
        QCOMPARE(f.document.caption(),
                 QString(captionAfter).replace(QLatin1Char('@'), f.dir.path() + QLatin1Char('/')));

        // The one file written holds the document; every other file is as it was.
        const QMap<QString, QByteArray> after = f.snapshot();
        QStringList expectedNames = before.keys();
        if (!written.isEmpty() && !before.contains(written))
            expectedNames.append(written);
        expectedNames.sort();
        QCOMPARE(after.keys(), expectedNames);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (it.key() != written)
                QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
        }
        if (!written.isEmpty())
            QCOMPARE(f.documentText(written), QStringLiteral("typed"));
    }

    // CommonDialog1.fileName carries the last path chosen or assigned into every next file
    // dialog: Open leaves it as it is, Save assigns the document's path, New clears nothing.
    void dialogNameCarriedFromUseToUse()
    {
        FileCommandsFixture f;
        f.start(State::Fresh, QString());
        f.dialogs.openAnswers << f.chosen(QStringLiteral("other.rtf")) << std::nullopt;
        f.dialogs.saveAnswers << f.chosen(QStringLiteral("new.rtf")) << std::nullopt;
        f.dialogs.answers << Answer::No;

        f.commands.openDocument();
        f.editor.replaceSelection(QStringLiteral("more"));
        f.commands.newDocument();           // asked, No
        QVERIFY(f.commands.saveDocument()); // no path after New: the dialog again
        f.commands.saveDocumentAs();        // cancelled
        f.commands.openDocument();          // cancelled

        QCOMPARE(f.dialogs.unexpected, QStringList());
        QCOMPARE(startNames(f, f.dialogs.openRequests), (QStringList{"", "new.rtf"}));
        QCOMPARE(startNames(f, f.dialogs.saveRequests), (QStringList{"other.rtf", "new.rtf"}));
        QCOMPARE(f.document.path(), f.path(QStringLiteral("new.rtf")));
    }

    // Any selection change, a caret move included, makes the next New ask.
    void selectionChangeMakesNewAsk_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("asks");
        QTest::newRow("nothing done") << 0 << false;
        QTest::newRow("caret moved by the program") << 1 << true;
        QTest::newRow("caret moved by an arrow key") << 2 << true;
        QTest::newRow("a letter typed") << 3 << true;
        QTest::newRow("a click into the text") << 4 << true;
    }

    void selectionChangeMakesNewAsk()
    {
        QFETCH(int, action);
        QFETCH(bool, asks);
        FileCommandsFixture f;
        f.editor.resize(300, 200);
        f.editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.editor));
        f.start(State::Settled, QStringLiteral("old.rtf"));
        switch (action) {
        case 1: f.editor.moveCursor(QTextCursor::Start); break;
        case 2: QTest::keyClick(&f.editor, Qt::Key_Left); break;
        case 3: QTest::keyClick(&f.editor, Qt::Key_K); break;
        case 4: QTest::mouseClick(f.editor.viewport(), Qt::LeftButton, {}, QPoint(4, 8)); break;
        default: break;
        }
        if (asks)
            f.dialogs.answers << Answer::No;

        f.commands.newDocument();

        QCOMPARE(f.dialogs.unexpected, QStringList());
        QCOMPARE(f.dialogs.messages.size(), asks ? 1 : 0);
        QCOMPARE(f.editor.toPlainText(), QString());
        QCOMPARE(f.document.state(), State::Settled);
    }

    // Open asked, answered No, then cancelled: the state is settled, so the next New empties
    // the editor without a question although the changes were never saved.
    void openAnsweredNoThenCancelledSettles()
    {
        FileCommandsFixture f;
        f.start(State::Changed, QString());
        f.dialogs.answers << Answer::No;
        f.dialogs.openAnswers << std::nullopt;

        f.commands.openDocument();
        QCOMPARE(f.editor.toPlainText(), QStringLiteral("typed"));
        QCOMPARE(f.document.state(), State::Settled);
        f.commands.newDocument();

        QCOMPARE(f.dialogs.unexpected, QStringList());
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.editor.toPlainText(), QString());
    }
};

QTEST_MAIN(TestFileCommands)
#include "test_file_commands.moc"
