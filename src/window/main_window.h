#pragma once
// The main window: palette, tool bar with the font and size lists, editing area, menus.

#include <QMainWindow>

class RichTextBox;
class DocumentState;
namespace platform { class Dialogs; }

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `programDir` is where the executable lives (the font is looked up there).
    MainWindow(platform::Dialogs& dialogs, const QString& programDir, QWidget* parent = nullptr);
    ~MainWindow() override;

    RichTextBox* RichTextBox1() const { return richTextBox1_; }
    DocumentState& state() const { return *state_; }

private:
    void Form_Load();

    platform::Dialogs& dialogs_;
    QString programDir_;
    RichTextBox* richTextBox1_ = nullptr;
    DocumentState* state_ = nullptr;
};
