#pragma once
// The main window: palette, tool bar with the font and size lists, editing area, menus,
// and the hidden Options frame. Handlers keep the names of the events they answer.

#include <QHash>
#include <QMainWindow>
#include <array>
#include <memory>

class CommonDialog;
class ComboKeyFilter;
class FileCommands;
class ToolbarCommands;
class FlexGrid;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolBar;
class RichTextBox;
namespace documents { class Document; }
class SpellingControls;
namespace platform { class Dialogs; }
namespace recovery { class Autosave; class RecoveryStore; }

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `programDir` is where the executable lives (the font is looked up there).
    MainWindow(platform::Dialogs& dialogs, const QString& programDir, QWidget* parent = nullptr);
    ~MainWindow() override;

    RichTextBox* RichTextBox1() const { return richTextBox1_; }
    FlexGrid* MSFlexGrid1() const { return msFlexGrid1_; }
    QComboBox* Combo1() const { return combo1_; }   // sizes
    QComboBox* Combo2() const { return combo2_; }   // font names
    QGroupBox* Frame1() const { return frame1_; }
    QLabel* Label1() const { return label1_; }
    QRadioButton* option(int n) const;              // 1..4
    QRadioButton* Option1() const { return option(1); }
    QRadioButton* Option2() const { return option(2); }
    QRadioButton* Option3() const { return option(3); }
    QRadioButton* Option4() const { return option(4); }
    QPushButton* Command2() const { return command2_; }
    QToolBar* Toolbar1() const { return toolbar1_; }
    SpellingControls& spelling() const { return *spelling_; }

    // A menu item by its name ("new", "open", ..., "about"), or a top-level menu's
    // action ("file", "edit", "tools", "help"); nullptr for any other name.
    QAction* action(const QString& name) const;
    // A tool-bar button by its key; the key is also the action's data().
    QAction* toolbarButton(const QString& key) const;
    // Repaints the text-colour button's swatch (the colour the next use applies).
    void setColorSwatch(const QColor& color);

    CommonDialog& commonDialog() const { return *commonDialog1_; }
    documents::Document& document() const { return *document_; }
    platform::Dialogs& dialogs() const { return dialogs_; }
    QString programDir() const { return programDir_; }

    // The text the tool bar's copy button stored last.
    QString copybuffer() const;
    // True once Exit has decided to end the program.
    bool isEnding() const { return ending_; }

    // Offers the recovery copy that a run which did not close normally left; true when a
    // document was restored. Start-up calls it once the window is shown.
    bool offerRecovery();
    recovery::Autosave& autosave() const { return *autosave_; }

    // Run before the window closes: asks whether to save; false keeps the window open.
    bool queryClose();

public slots:
    // File, Edit and Help commands and the tool bar's dispatch.
    void new_Click();
    void open_Click();
    // Opens `path` as Open does once its dialog has answered (the command line's file).
    void openFile(const QString& path);
    void save_Click();
    void saveas_Click();
    void print_Click();
    void exit_Click();
    void undo_Click();
    void helps_Click();
    void about_Click();
    void Toolbar1_ButtonClick(const QString& key);

    // Size and font options.
    void option_Click();
    void Command2_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Combo1_Click();
    void Combo2_Click();

    // Character entry.
    void MSFlexGrid1_Click();
    void RichTextBox1_KeyPress(int& keyAscii);
    void RichTextBox1_MouseDown(Qt::MouseButton button);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();
    void createToolbar();
    void createOptionsFrame();
    void setTabOrder();
    void connectHandlers();
    void Form_Load();
    void coloring();
    void optionClicked(int n);
    void endProgram();
    void setUpRecovery();

    platform::Dialogs& dialogs_;
    QString programDir_;
    documents::Document* document_ = nullptr;
    std::unique_ptr<CommonDialog> commonDialog1_;
    std::unique_ptr<FileCommands> fileCommands_;
    std::unique_ptr<ToolbarCommands> toolbarCommands_;
    bool ending_ = false;
    std::unique_ptr<recovery::RecoveryStore> recoveryStore_;
    recovery::Autosave* autosave_ = nullptr;

    QWidget* client_ = nullptr;
    FlexGrid* msFlexGrid1_ = nullptr;
    RichTextBox* richTextBox1_ = nullptr;
    QToolBar* toolbar1_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QLabel* label1_ = nullptr;
    std::array<QRadioButton*, 4> options_{};
    QPushButton* command2_ = nullptr;
    ComboKeyFilter* comboKeys_ = nullptr;
    SpellingControls* spelling_ = nullptr;

    QHash<QString, QAction*> menuActions_;
    QHash<QString, QAction*> toolbarButtons_;
};
