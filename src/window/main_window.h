#pragma once
// The main window: palette, tool bar with the font and size lists, editing area, menus,
// and the hidden Options panel. Controls keep their design names as objectNames.

#include <QHash>
#include <QMainWindow>
#include <array>
#include <memory>

namespace documents { class CommonDialog; }
namespace window { class ComboKeyFilter; }
namespace documents { class FileCommands; }
namespace formatting { class ToolbarCommands; }
namespace entry { class FlexGrid; }
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolBar;
namespace editor { class RichTextBox; }
namespace documents { class Document; }
namespace window { class SpellingControls; }
namespace platform { class Dialogs; }
namespace recovery { class Autosave; class RecoveryStore; }

namespace window {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `programDir` is where the executable lives (the font is looked up there).
    MainWindow(platform::Dialogs& dialogs, const QString& programDir, QWidget* parent = nullptr);
    ~MainWindow() override;

    editor::RichTextBox* editor() const { return editor_; }
    entry::FlexGrid* palette() const { return palette_; }
    QComboBox* sizeList() const { return sizeList_; }
    QComboBox* fontList() const { return fontList_; }
    QGroupBox* optionsPanel() const { return optionsPanel_; }
    QLabel* fontSizeLabel() const { return fontSizeLabel_; }
    // The palette-size choices of the Options panel, Small (1) to Extra large (4).
    QRadioButton* sizeOption(int n) const;
    QPushButton* optionsOkButton() const { return optionsOk_; }
    QToolBar* toolBar() const { return toolBar_; }
    SpellingControls& spelling() const { return *spelling_; }

    // A menu item by its name ("new", "open", ..., "about"), or a top-level menu's
    // action ("file", "edit", "tools", "help"); nullptr for any other name.
    QAction* action(const QString& name) const;
    // A tool-bar button by its key; the key is also the action's data().
    QAction* toolbarButton(const QString& key) const;
    // Repaints the text-colour button's swatch (the colour the next use applies).
    void setColorSwatch(const QColor& color);

    documents::CommonDialog& commonDialog() const { return *commonDialog_; }
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
    void newDocument();
    void openDocument();
    // Opens `path` as Open does once its dialog has answered (the command line's file).
    void openFile(const QString& path);
    void saveDocument();
    void saveDocumentAs();
    void printDocument();
    void exitProgram();
    void undoEdit();
    void showHelp();
    void showAbout();
    void runToolbarButton(const QString& key);

    // Size and font options.
    void showOptions();
    void closeOptions();
    void applyListedSize();
    void applyListedFont();

    // Character entry.
    void insertPaletteCell();
    void editorKeyTyped(int& keyAscii);
    void editorMousePressed(Qt::MouseButton button);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();
    void createToolbar();
    void createOptionsFrame();
    void setTabOrder();
    void connectHandlers();
    void setUpAtStart();
    void coloring();
    void sizeOptionToggled(int n);
    void endProgram();
    void setUpRecovery();

    platform::Dialogs& dialogs_;
    QString programDir_;
    documents::Document* document_ = nullptr;
    std::unique_ptr<documents::CommonDialog> commonDialog_;
    std::unique_ptr<documents::FileCommands> fileCommands_;
    std::unique_ptr<formatting::ToolbarCommands> toolbarCommands_;
    bool ending_ = false;
    std::unique_ptr<recovery::RecoveryStore> recoveryStore_;
    recovery::Autosave* autosave_ = nullptr;

    QWidget* client_ = nullptr;
    entry::FlexGrid* palette_ = nullptr;
    editor::RichTextBox* editor_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QComboBox* sizeList_ = nullptr;
    QComboBox* fontList_ = nullptr;
    QGroupBox* optionsPanel_ = nullptr;
    QLabel* fontSizeLabel_ = nullptr;
    std::array<QRadioButton*, 4> sizeOptions_{};
    QPushButton* optionsOk_ = nullptr;
    ComboKeyFilter* comboKeys_ = nullptr;
    SpellingControls* spelling_ = nullptr;

    QHash<QString, QAction*> menuActions_;
    QHash<QString, QAction*> toolbarButtons_;
};

} // namespace window
