#pragma once
// FileCommands over a real editor, document and common dialog, with scripted
// dialogs and a temporary folder holding a few documents.

#include "documents/common_dialog.h"
#include "documents/document.h"
#include "documents/file_commands.h"
#include "editor/rich_text_box.h"
#include "rtf/failure_text.h"
#include "rtf/rtf.h"
#include "scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

struct FileCommandsFixture {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    editor::RichTextBox editor;
    documents::Document document{editor};
    documents::CommonDialog dialog{dialogs, nullptr};
    documents::FileCommands commands{editor, document, dialog, nullptr};

    // In the folder: old.rtf ("old text", the document's own file where it has one),
    // other.rtf ("other text"), corrupt.rtf (not RTF at all), cut.rtf ("cut text", its last
    // group never closed).
    FileCommandsFixture()
    {
        writeDocument(QStringLiteral("old.rtf"), QStringLiteral("old text"));
        writeDocument(QStringLiteral("other.rtf"), QStringLiteral("other text"));
        writeBytes(QStringLiteral("corrupt.rtf"), "this is not a document\n");
        writeBytes(QStringLiteral("cut.rtf"), "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 cut text");
    }

    QString path(const QString& name) const
    {
        return name.isEmpty() ? QString() : dir.filePath(name);
    }

    void writeDocument(const QString& name, const QString& text) const
    {
        QTextDocument document;
        document.setPlainText(text);
        const auto error = rtf::saveFile(path(name), document);
        QVERIFY2(!error, qPrintable(error ? rtf::failureText(*error) : QString()));
    }

    void writeBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // The text of an RTF file, or a description of why it could not be read.
    QString documentText(const QString& name) const
    {
        QTextDocument document;
        if (const auto error = rtf::loadFile(path(name), document))
            return QStringLiteral("<unreadable: %1>").arg(rtf::failureText(*error));
        return document.toPlainText();
    }

    // Every file in the folder (one level of subfolders) with its bytes.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        const QDir root(dir.path());
        for (const QString& name : root.entryList(QDir::Files)) {
            QFile file(root.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                files.insert(name, file.readAll());
        }
        for (const QString& sub : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QDir folder(root.filePath(sub));
            for (const QString& name : folder.entryList(QDir::Files)) {
                QFile file(folder.filePath(name));
                if (file.open(QIODevice::ReadOnly))
                    files.insert(sub + QLatin1Char('/') + name, file.readAll());
            }
        }
        return files;
    }

    // Puts `text` into the editor the way typing does, then brings the document into
    // `state` through the transitions that lead there. A document with a path was saved
    // there (without writing the file): it shows the Save caption, and the dialog
    // remembers that path.
    void start(documents::Document::State state, const QString& docpathName,
               const QString& text = QStringLiteral("typed"))
    {
        using State = documents::Document::State;
        editor.replaceSelection(text);
        if (!docpathName.isEmpty()) {
            QVERIFY2(state != State::Fresh, "a fresh document has no file");
            document.saved(path(docpathName));
            dialog.fileName = path(docpathName);
        } else {
            QVERIFY2(state != State::Settled, "no test starts settled without a file");
            document.startUntitled();
        }
        if (state == State::Changed)
            document.markChanged();
        QCOMPARE(document.state(), state);
    }

    // Scripted file dialog answers: a name in the folder, or "" for Cancel.
    std::optional<QString> chosen(const QString& name) const
    {
        if (name.isEmpty())
            return std::nullopt;
        return path(name);
    }
};
