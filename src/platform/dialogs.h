#pragma once
// The one seam through which program logic shows message boxes and common dialogs.
// QtDialogs shows the real ones; tests script the answers (tests/support/scripted_dialogs.h).
// Program logic never constructs a QDialog or QMessageBox itself.

#include <QColor>
#include <QString>
#include <optional>

class QWidget;
class QPrinter;

namespace platform {

// OverwriteElsewhereCancel: "Overwrite" answers Yes, "Save Elsewhere..." No, "Cancel" Cancel.
enum class Buttons { Ok, YesNo, YesNoCancel, OverwriteElsewhereCancel };
enum class Icon { None, Information, Question, Warning };
enum class Answer { Ok, Yes, No, Cancel };

// What a file dialog is shown with: the name it starts with and the filter
// ("Description|*.ext", one pair).
struct FileRequest {
    QString fileName;
    QString filter;
};

// What the print dialog is shown with.
struct PrintRequest {
    bool selectionPreselected = false; // Selection chosen instead of All
    bool selectionEnabled = true;      // Selection can be chosen at all
    bool pageRangesEnabled = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box. Escape or the close button answers Cancel for a question
    // (Yes/No or Yes/No/Cancel: dismissing it is never an answer of No), Ok for a notice.
    // A blank line ("\n\n") divides the message from its details, which show below it in
    // smaller type.
    virtual Answer message(QWidget* parent, const QString& text, const QString& title,
                           Buttons buttons, Icon icon) = 0;

    // File dialogs: the chosen full path, or nothing when cancelled.
    virtual std::optional<QString> openFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileRequest& request) = 0;

    // Colour dialog: the chosen colour, or nothing when cancelled.
    virtual std::optional<QColor> pickColor(QWidget* parent, const QColor& initial) = 0;

    // Print dialog on `printer`: true when the user accepted. `printSelection` tells
    // whether the user chose to print only the selection.
    virtual bool setupPrinter(QWidget* parent, QPrinter& printer, const PrintRequest& request,
                              bool& printSelection) = 0;
};

// The real dialogs (non-native Qt dialogs).
class QtDialogs final : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& text, const QString& title, Buttons buttons,
                   Icon icon) override;
    std::optional<QString> openFileName(QWidget* parent, const FileRequest& request) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileRequest& request) override;
    std::optional<QColor> pickColor(QWidget* parent, const QColor& initial) override;
    bool setupPrinter(QWidget* parent, QPrinter& printer, const PrintRequest& request,
                      bool& printSelection) override;
};

// "Rich Text Format files|*.rtf" -> "Rich Text Format files (*.rtf)" for Qt's dialogs.
QString toQtFilter(const QString& filter);

} // namespace platform
