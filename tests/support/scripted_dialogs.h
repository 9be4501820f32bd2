#pragma once
// A Dialogs whose answers a test scripts in advance and whose calls it can inspect.
// A call with no scripted answer is recorded in `unexpected` and answered as a cancel.

#include "platform/dialogs.h"

#include <QPrinter>
#include <QQueue>
#include <QStringList>

#include <functional>
#include <utility>

class ScriptedDialogs final : public platform::Dialogs {
public:
    struct Message {
        QString text;
        QString title;
        platform::Buttons buttons;
        platform::Icon icon;
    };
    struct PrintAnswer {
        bool accept = true;
        bool selection = false;
        QString pdfPath; // where the printer writes; empty leaves the printer as it is
    };

    // Scripted answers, taken in order.
    QQueue<platform::Answer> answers;
    QQueue<std::optional<QString>> openAnswers;
    QQueue<std::optional<QString>> saveAnswers;
    QQueue<std::optional<QColor>> colorAnswers;
    QQueue<PrintAnswer> printAnswers;

    // What was shown.
    QList<Message> messages;
    QList<platform::FileRequest> openRequests;
    QList<platform::FileRequest> saveRequests;
    QList<QColor> colorRequests;
    QList<platform::PrintRequest> printRequests;
    QStringList unexpected;
    // Runs once when the next message is shown, before it is answered: what another
    // program does while this one asks.
    std::function<void()> whileAsking;

    platform::Answer message(QWidget*, const QString& text, const QString& title,
                             platform::Buttons buttons, platform::Icon icon) override
    {
        messages.append({text, title, buttons, icon});
        if (whileAsking)
            std::exchange(whileAsking, {})();
        if (answers.isEmpty()) {
            if (buttons == platform::Buttons::Ok)
                return platform::Answer::Ok;
            unexpected.append(QStringLiteral("message: ") + text);
            return platform::Answer::Cancel;
        }
        return answers.dequeue();
    }

    std::optional<QString> openFileName(QWidget*, const platform::FileRequest& request) override
    {
        openRequests.append(request);
        if (openAnswers.isEmpty()) {
            unexpected.append(QStringLiteral("open dialog"));
            return std::nullopt;
        }
        return openAnswers.dequeue();
    }

    std::optional<QString> saveFileName(QWidget*, const platform::FileRequest& request) override
    {
        saveRequests.append(request);
        if (saveAnswers.isEmpty()) {
            unexpected.append(QStringLiteral("save dialog"));
            return std::nullopt;
        }
        return saveAnswers.dequeue();
    }

    std::optional<QColor> pickColor(QWidget*, const QColor& initial) override
    {
        colorRequests.append(initial);
        if (colorAnswers.isEmpty()) {
            unexpected.append(QStringLiteral("colour dialog"));
            return std::nullopt;
        }
        return colorAnswers.dequeue();
    }

    bool setupPrinter(QWidget*, QPrinter& printer, const platform::PrintRequest& request,
                      bool& printSelection) override
    {
        printRequests.append(request);
        if (printAnswers.isEmpty()) {
            unexpected.append(QStringLiteral("print dialog"));
            return false;
        }
        const PrintAnswer answer = printAnswers.dequeue();
        if (!answer.pdfPath.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(answer.pdfPath);
        }
        printSelection = answer.selection;
        return answer.accept;
    }
};
