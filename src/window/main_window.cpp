#include "window/main_window.h"

#include "about/about_dialog.h"
#include "documents/common_dialog.h"
#include "documents/document.h"
#include "documents/file_commands.h"
#include "documents/printing.h"
#include "editor/rich_text_box.h"
#include "entry/flex_grid.h"
#include "entry/keyboard_input.h"
#include "entry/palette.h"
#include "entry/palette_insertion.h"
#include "formatting/size_options.h"
#include "formatting/toolbar.h"
#include "language/interface_language.h"
#include "nq/face.h"
#include "platform/dialogs.h"
#include "platform/font_registration.h"
#include "platform/twips.h"
#include "product/product.h"
#include "recovery/autosave.h"
#include "recovery/recovery_store.h"
#include "window/combo_key_filter.h"
#include "window/list_boxes.h"
#include "window/recovery_offer.h"
#include "window/spelling_controls.h"
#include "window/toolbar_icons.h"
#include "window/toolbar_style.h"
#include "window/window_layout.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>

namespace layout = window_layout;

namespace window {

namespace {

void place(QWidget* widget, const QRectF& twips)
{
    widget->setGeometry(platform::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

} // namespace

MainWindow::MainWindow(platform::Dialogs& dialogs, const QString& programDir, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), programDir_(programDir),
      commonDialog_(std::make_unique<documents::CommonDialog>(dialogs, this))
{
    //: The window's name in the designer, shown until the start-up sets the caption.
    setWindowTitle(tr("Form2"));
    setWindowIcon(toolbar_icons::windowIcon());
    createControls();
    document_ = new documents::Document(*editor_, this);
    createMenus();
    createToolbar();
    createOptionsFrame();
    setTabOrder();
    connect(document_, &documents::Document::captionChanged, this, &QWidget::setWindowTitle);
    fileCommands_ = std::make_unique<documents::FileCommands>(*editor_, *document_, *commonDialog_, this);
    toolbarCommands_ = std::make_unique<formatting::ToolbarCommands>(
        *editor_, *commonDialog_, this,
        formatting::ToolbarHandlers{[this] { newDocument(); }, [this] { openDocument(); },
                        [this] { saveDocument(); }, [this] { printDocument(); },
                        [this] { showAbout(); }, [this] { exitProgram(); }});
    setUpAtStart();
    connectHandlers();
    setUpRecovery();
    // The palette is first in the tab order and has the focus when the window opens.
    palette_->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

QRadioButton* MainWindow::sizeOption(int n) const
{
    return n >= 1 && n <= 4 ? sizeOptions_[n - 1] : nullptr;
}

QAction* MainWindow::action(const QString& name) const
{
    return menuActions_.value(name);
}

QAction* MainWindow::toolbarButton(const QString& key) const
{
    return toolbarButtons_.value(key);
}

void MainWindow::setColorSwatch(const QColor& color)
{
    if (QAction* button = toolbarButton(QStringLiteral("color")))
        button->setIcon(toolbar_icons::colorSwatch(color));
}

// ---- The window at its creation -------------------------------------------------------

void MainWindow::createControls()
{
    // Controls sit at fixed places in twips; nothing is laid out again on resizing.
    client_ = new QWidget(this);
    setCentralWidget(client_);

    palette_ = new entry::FlexGrid(client_);
    palette_->setObjectName(QStringLiteral("MSFlexGrid1"));
    palette_->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    palette_->setFontSize(8.25);
    place(palette_, layout::kPalette);

    editor_ = new editor::RichTextBox(client_);
    editor_->setObjectName(QStringLiteral("RichTextBox1"));
    place(editor_, layout::kEditor);

    resize(platform::twipsSize(layout::kDesignClientWidth, layout::kDesignClientHeight));
}

void MainWindow::createMenus()
{
    QMenu* menu = nullptr;
    QList<QKeySequence> shortcuts;
    for (const layout::MenuItem& item : layout::menuItems()) {
        if (item.topLevel) {
            menu = menuBar()->addMenu(tr(item.captionSource));
            menu->setObjectName(item.name);
            menu->menuAction()->setObjectName(item.name);
            menuActions_.insert(item.name, menu->menuAction());
            continue;
        }
        QAction* action = menu->addAction(tr(item.captionSource));
        action->setObjectName(item.name);
        if (!item.shortcut.isEmpty()) {
            action->setShortcut(item.shortcut);
            shortcuts.append(item.shortcut);
        }
        menuActions_.insert(item.name, action);
    }
    editor_->setWindowShortcuts(shortcuts);
    comboKeys_ = new ComboKeyFilter(shortcuts, this);
    spelling_ = new SpellingControls(*editor_, *menuActions_.value(QStringLiteral("tools"))->menu(), programDir_, this);
    for (QAction* item : spelling_->actions())
        menuActions_.insert(item->objectName(), item);

    const auto wire = [this](const char* name, void (MainWindow::*handler)()) {
        connect(menuActions_.value(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    };
    wire("new", &MainWindow::newDocument);
    wire("open", &MainWindow::openDocument);
    wire("save", &MainWindow::saveDocument);
    wire("saveas", &MainWindow::saveDocumentAs);
    wire("print", &MainWindow::printDocument);
    wire("exit", &MainWindow::exitProgram);
    wire("undo", &MainWindow::undoEdit);
    wire("option", &MainWindow::showOptions);
    wire("helps", &MainWindow::showHelp);
    wire("about", &MainWindow::showAbout);
}

void MainWindow::createToolbar()
{
    toolBar_ = new QToolBar(client_);
    toolBar_->setObjectName(QStringLiteral("Toolbar1"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(layout::kToolbarIconPixels, layout::kToolbarIconPixels));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto* flush = new FlushToolbarStyle;
    flush->setParent(toolBar_);
    toolBar_->setStyle(flush);

    const QList<formatting::ToolbarSlot>& slotList = formatting::ToolbarCommands::toolbarSlots();
    for (int i = 0; i < slotList.size(); ++i) {
        const formatting::ToolbarSlot& slot = slotList[i];
        switch (slot.kind) {
        case formatting::ToolbarSlot::Kind::Separator:
            toolBar_->addSeparator();
            break;
        case formatting::ToolbarSlot::Kind::Placeholder:
            break; // an empty slot of width 0
        case formatting::ToolbarSlot::Kind::Lists: {
            // The lists stand where they stood on the design's tool bar, measured from
            // the left edge of their slot.
            double slotLeft = 0;
            for (int before = 0; before < i; ++before)
                slotLeft += slotList[before].kind == formatting::ToolbarSlot::Kind::Button
                    ? layout::kToolbarButtonWidth
                    : slotList[before].widthTwips;
            auto* holder = new QWidget(toolBar_);
            holder->setObjectName(QStringLiteral("ListsPlaceholder"));
            fontList_ = new QComboBox(holder);
            sizeList_ = new QComboBox(holder);
            const QRectF c2 = layout::kFontList.translated(-slotLeft, 0);
            const QRectF c1 = layout::kSizeList.translated(-slotLeft, 0);
            place(fontList_, c2);
            place(sizeList_, c1);
            // Wide enough for both lists; the design's slot ended 60 twips short of Combo1.
            holder->setFixedSize(platform::twipsSize(std::max(slot.widthTwips, c1.right() + 45),
                                                     layout::kToolBar.height()));
            toolBar_->addWidget(holder);
            break;
        }
        case formatting::ToolbarSlot::Kind::Button: {
            const QIcon icon = slot.key == QLatin1String("color")
                ? toolbar_icons::colorSwatch(Qt::black)
                : toolbar_icons::themed(slot.iconName);
            QAction* button = toolBar_->addAction(icon, slot.toolTip());
            button->setToolTip(slot.toolTip());
            button->setData(slot.key);
            button->setObjectName(QStringLiteral("Toolbar1_") + slot.key);
            toolBar_->widgetForAction(button)->setFixedSize(
                platform::twipsSize(layout::kToolbarButtonWidth, layout::kToolbarButtonHeight));
            toolbarButtons_.insert(slot.key, button);
            connect(button, &QAction::triggered, this,
                    [this, key = slot.key] { runToolbarButton(key); });
            break;
        }
        }
    }

    fontList_->setObjectName(QStringLiteral("Combo2"));
    sizeList_->setObjectName(QStringLiteral("Combo1"));
    for (QComboBox* combo : {fontList_, sizeList_}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(20);
        combo->installEventFilter(comboKeys_);
        if (QLineEdit* edit = combo->lineEdit())
            edit->installEventFilter(comboKeys_);
        list_boxes::applyOnlyChosenEntries(combo);
    }
    //: The font list's name in the designer, its text until the start-up fills it.
    fontList_->setEditText(tr("Combo2"));
    //: The size list's name in the designer, its text until the start-up fills it.
    sizeList_->setEditText(tr("Combo1"));

    // Not docked: it keeps its place between the palette and the editor, at its own width
    // (widened only where this style draws the buttons larger than the design).
    QRect geometry = platform::twipsRect(layout::kToolBar.x(), layout::kToolBar.y(),
                                         layout::kToolBar.width(), layout::kToolBar.height());
    geometry.setWidth(std::max(geometry.width(), toolBar_->sizeHint().width()));
    toolBar_->setGeometry(geometry);
}

void MainWindow::createOptionsFrame()
{
    //: The Options panel's frame; the blanks around the word are kept.
    optionsPanel_ = new QGroupBox(tr(" Options "), client_);
    optionsPanel_->setObjectName(QStringLiteral("Frame1"));
    // A panel over the editor: opaque, in the design's small dialog font.
    optionsPanel_->setAutoFillBackground(true);
    QFont panelFont(QStringLiteral("MS Sans Serif"));
    panelFont.setPointSizeF(8.25);
    optionsPanel_->setFont(language::interfaceFont(panelFont));
    place(optionsPanel_, layout::kOptionsPanel);

    // Created in the design's order; the tab order is set apart.
    sizeOptions_[3] = new QRadioButton(tr("Extra large"), optionsPanel_);
    optionsOk_ = new QPushButton(tr("OK"), optionsPanel_);
    sizeOptions_[2] = new QRadioButton(tr("Large"), optionsPanel_);
    sizeOptions_[1] = new QRadioButton(tr("Medium"), optionsPanel_);
    sizeOptions_[0] = new QRadioButton(tr("Small"), optionsPanel_);
    fontSizeLabel_ = new QLabel(tr("Font size:"), optionsPanel_);

    optionsOk_->setObjectName(QStringLiteral("Command2"));
    fontSizeLabel_->setObjectName(QStringLiteral("Label1"));
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPointSizeF(13.5);
    labelFont.setBold(true);
    fontSizeLabel_->setFont(language::interfaceFont(labelFont));

    place(optionsOk_, layout::kOptionsOk);
    place(fontSizeLabel_, layout::kFontSizeLabel);
    // The design's boxes are narrow for this style's indicator and captions: each shows
    // its caption whole, in a second row when one row has not the room.
    QList<QRect> design;
    QList<QSize> needed;
    for (const QRectF& r : {layout::kSizeOption1, layout::kSizeOption2, layout::kSizeOption3, layout::kSizeOption4})
        design.append(platform::twipsRect(r.x(), r.y(), r.width(), r.height()));
    for (int i = 0; i < 4; ++i) {
        sizeOptions_[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        needed.append(sizeOptions_[i]->sizeHint());
    }
    const QRect inner = optionsPanel_->contentsRect();
    const int below = std::max(fontSizeLabel_->geometry().bottom(), optionsOk_->geometry().bottom()) + 1;
    const QList<QRect> places = layout::optionPlaces(design, needed, inner, below);
    for (int i = 0; i < 4; ++i)
        sizeOptions_[i]->setGeometry(places[i]);
    optionsPanel_->hide();
}

void MainWindow::setTabOrder()
{
    QWidget::setTabOrder(palette_, editor_);
    QWidget::setTabOrder(editor_, sizeList_);
    QWidget::setTabOrder(sizeList_, fontList_);
    QWidget::setTabOrder(fontList_, sizeOptions_[0]);
    QWidget::setTabOrder(sizeOptions_[0], sizeOptions_[1]);
    QWidget::setTabOrder(sizeOptions_[1], sizeOptions_[2]);
    QWidget::setTabOrder(sizeOptions_[2], optionsOk_);
    QWidget::setTabOrder(optionsOk_, sizeOptions_[3]);
}

void MainWindow::connectHandlers()
{
    connect(editor_, &editor::RichTextBox::characterTyped, this, &MainWindow::editorKeyTyped);
    connect(editor_, &editor::RichTextBox::mouseButtonPressed, this, &MainWindow::editorMousePressed);
    connect(palette_, &entry::FlexGrid::cellChosen, this, &MainWindow::insertPaletteCell);
    connect(sizeList_, &QComboBox::activated, this, &MainWindow::applyListedSize);
    connect(fontList_, &QComboBox::activated, this, &MainWindow::applyListedFont);
    connect(optionsOk_, &QPushButton::clicked, this, &MainWindow::closeOptions);
    for (int n = 1; n <= 4; ++n)
        connect(sizeOption(n), &QRadioButton::toggled, this, [this, n] { sizeOptionToggled(n); });
}

// ---- Start-up -------------------------------------------------------------------------

void MainWindow::setUpAtStart()
{
    document_->startUntitled();

    // Found beside the executable whatever the current directory is; a missing or
    // unreadable file registers nothing and the controls draw in a substitute face.
    platform::registerEditingFont(programDir_);

    palette_->setFontName(nq::kFace);
    QFont editorFont = editor_->font();
    editorFont.setFamilies({nq::kFace});
    editor_->setFont(editorFont);
    palette_->setFontSize(formatting::kInitialPaletteFontSize);

    const double screenWidth = platform::screenWidthTwips();
    int windowWidth = platform::twipsToPixels(screenWidth);
    if (const int fitting = platform::screenFittingWidth(); fitting > 0)
        windowWidth = std::min(windowWidth, fitting);
    // Tall enough for the editor, and for the Options panel, which is centred by the
    // screen's size, to show whole.
    const double panelBottom = (platform::screenHeightTwips() + layout::kOptionsPanel.height()) / 2;
    const int clientHeight = platform::twipsToPixels(
        std::max(layout::kEditorTop + layout::kEditor.height(), panelBottom));
    resize(windowWidth, clientHeight + menuBar()->sizeHint().height());
    palette_->setGeometry(0, 0, windowWidth, platform::twipsToPixels(layout::kPaletteHeight));
    editor_->setGeometry(0, platform::twipsToPixels(layout::kEditorTop), windowWidth,
                               platform::twipsToPixels(layout::kEditor.height()));

    palette_->setColumnTotal(entry::kPaletteCols);
    palette_->setRowTotal(entry::kPaletteRows);

    coloring();

    for (int row = 0; row < entry::kPaletteRows; ++row) {
        for (int col = 0; col < entry::kPaletteCols; ++col) {
            palette_->setCurrentCellRow(row);
            palette_->setCurrentCellColumn(col);
            palette_->setCellAlignment(Qt::AlignCenter);
            palette_->setColumnWidthTwips(col, layout::kCellSize);
            palette_->setRowHeightTwips(row, layout::kCellSize);
        }
    }

    const QStringList families = QFontDatabase::families();
    fontList_->addItems(formatting::fontNameEntries(families));
    list_boxes::showEntryOr(fontList_, formatting::fontListText(families),
                            formatting::kFontListPlaceholderText);
    list_boxes::widenPopupToEntries(fontList_);

    sizeList_->addItems(formatting::sizeListEntries());
    sizeList_->setCurrentIndex(formatting::initialSizeIndex());
    applyListedSize();
}

// ---- Crash recovery ---------------------------------------------------------------------

void MainWindow::setUpRecovery()
{
    recoveryStore_ = std::make_unique<recovery::RecoveryStore>();
    autosave_ = new recovery::Autosave(
        *recoveryStore_,
        {[this] { return static_cast<const QTextDocument*>(document_->text()); },
         [this] { return document_->path(); }},
        this);
    connect(editor_, &QTextEdit::textChanged, autosave_, &recovery::Autosave::documentChanged);
    fileCommands_->setSettledHandler([this] { autosave_->documentSettled(); });
    connect(autosave_, &recovery::Autosave::failed, this, [this](const QString& reason) {
        dialogs_.message(this,
                         tr("Recovery copies of this document cannot be written. "
                            "Save the document to keep it safe.\n\n%1").arg(reason),
                         product::kName, platform::Buttons::Ok, platform::Icon::Warning);
    });
}

bool MainWindow::offerRecovery()
{
    return window_recovery::offerRecovery(*recoveryStore_, *autosave_, *editor_, *document_,
                                          *commonDialog_, dialogs_, this);
}

void MainWindow::coloring()
{
    entry::coloring(*palette_);
}

// ---- Closing --------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!queryClose()) {
        event->ignore();
    } else {
        // Answered: saved, or given up on purpose. Only an abnormal end leaves the copy.
        autosave_->documentSettled();
        event->accept();
    }
}

bool MainWindow::queryClose()
{
    // Exit has already asked and decided; the window then goes without a second question.
    return ending_ || fileCommands_->queryClose();
}

// ---- File, Edit and Help commands ------------------------------------------------------

void MainWindow::newDocument() { fileCommands_->newDocument(); }
void MainWindow::openDocument() { fileCommands_->openDocument(); }
void MainWindow::openFile(const QString& path) { fileCommands_->openPath(path); }
void MainWindow::saveDocument() { fileCommands_->saveDocument(); }
void MainWindow::saveDocumentAs() { fileCommands_->saveDocumentAs(); }
void MainWindow::printDocument() { documents::printDocument(*editor_, *commonDialog_, this, document_->path()); }

void MainWindow::exitProgram()
{
    if (fileCommands_->exitProgram())
        endProgram();
}

void MainWindow::endProgram()
{
    // Ends the program at once: no closing prompt follows the Exit command's answer.
    ending_ = true;
    autosave_->documentSettled();
    hide();
    QCoreApplication::exit(0);
}

void MainWindow::undoEdit() { toolbarCommands_->undoEdit(); }
void MainWindow::showHelp() { toolbarCommands_->showHelp(); }
void MainWindow::showAbout() { about::showAbout(this, dialogs_); }

void MainWindow::runToolbarButton(const QString& key)
{
    toolbarCommands_->runToolbarButton(key);
    if (key == QLatin1String("color"))
        setColorSwatch(commonDialog_->color);
}

QString MainWindow::copybuffer() const
{
    return toolbarCommands_->copybuffer();
}

// ---- Size and font options ------------------------------------------------------------

void MainWindow::applyListedSize()
{
    if (const double points = formatting::pointsFromSizeText(sizeList_->currentText()))
        editor_->setSelectionPointSize(points);
}

void MainWindow::applyListedFont()
{
    const QString family = fontList_->currentText();
    if (!family.isEmpty())
        editor_->setSelectionFamily(family);
}

void MainWindow::showOptions()
{
    optionsPanel_->show();
    optionsPanel_->raise();
    const QPointF at = formatting::optionsPanelPosition(
        {platform::screenWidthTwips(), platform::screenHeightTwips()},
        {platform::pixelsToTwips(optionsPanel_->width()), platform::pixelsToTwips(optionsPanel_->height())});
    optionsPanel_->move(platform::twipsToPixels(at.x()), platform::twipsToPixels(at.y()));
}

void MainWindow::closeOptions()
{
    optionsPanel_->hide();
}

void MainWindow::sizeOptionToggled(int n)
{
    if (sizeOption(n)->isChecked())
        palette_->setFontSize(formatting::paletteFontSizeForOption(n));
}


// ---- Character entry ------------------------------------------------------------------

void MainWindow::insertPaletteCell()
{
    entry::insertFromPalette(palette_->cellText(), *editor_);
}

void MainWindow::editorKeyTyped(int& keyAscii)
{
    keyAscii = entry::mapTypedKey(keyAscii);
}

void MainWindow::editorMousePressed(Qt::MouseButton button)
{
    if (entry::buttonDeletesBackward(button))
        editor_->deleteBackward();
}

} // namespace window
