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

namespace {

void place(QWidget* widget, const QRectF& twips)
{
    widget->setGeometry(platform::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

} // namespace

MainWindow::MainWindow(platform::Dialogs& dialogs, const QString& programDir, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), programDir_(programDir),
      commonDialog1_(std::make_unique<CommonDialog>(dialogs, this))
{
    //: The window's name in the designer, shown until the start-up sets the caption.
    setWindowTitle(tr("Form2"));
    setWindowIcon(toolbar_icons::windowIcon());
    createControls();
    document_ = new documents::Document(*richTextBox1_, this);
    createMenus();
    createToolbar();
    createOptionsFrame();
    setTabOrder();
    connect(document_, &documents::Document::captionChanged, this, &QWidget::setWindowTitle);
    fileCommands_ = std::make_unique<FileCommands>(*richTextBox1_, *document_, *commonDialog1_, this);
    toolbarCommands_ = std::make_unique<ToolbarCommands>(
        *richTextBox1_, *commonDialog1_, this,
        ToolbarHandlers{[this] { new_Click(); }, [this] { open_Click(); },
                        [this] { save_Click(); }, [this] { print_Click(); },
                        [this] { about_Click(); }, [this] { exit_Click(); }});
    Form_Load();
    connectHandlers();
    setUpRecovery();
    // The palette is first in the tab order and has the focus when the window opens.
    msFlexGrid1_->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

QRadioButton* MainWindow::option(int n) const
{
    return n >= 1 && n <= 4 ? options_[n - 1] : nullptr;
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

    msFlexGrid1_ = new FlexGrid(client_);
    msFlexGrid1_->setObjectName(QStringLiteral("MSFlexGrid1"));
    msFlexGrid1_->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    msFlexGrid1_->setFontSize(8.25);
    place(msFlexGrid1_, layout::kMSFlexGrid1);

    richTextBox1_ = new RichTextBox(client_);
    richTextBox1_->setObjectName(QStringLiteral("RichTextBox1"));
    place(richTextBox1_, layout::kRichTextBox1);

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
    richTextBox1_->setWindowShortcuts(shortcuts);
    comboKeys_ = new ComboKeyFilter(shortcuts, this);
    spelling_ = new SpellingControls(*richTextBox1_, *menuActions_.value(QStringLiteral("tools"))->menu(), programDir_, this);
    for (QAction* item : spelling_->actions())
        menuActions_.insert(item->objectName(), item);

    const auto wire = [this](const char* name, void (MainWindow::*handler)()) {
        connect(menuActions_.value(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    };
    wire("new", &MainWindow::new_Click);
    wire("open", &MainWindow::open_Click);
    wire("save", &MainWindow::save_Click);
    wire("saveas", &MainWindow::saveas_Click);
    wire("print", &MainWindow::print_Click);
    wire("exit", &MainWindow::exit_Click);
    wire("undo", &MainWindow::undo_Click);
    wire("option", &MainWindow::option_Click);
    wire("helps", &MainWindow::helps_Click);
    wire("about", &MainWindow::about_Click);
}

void MainWindow::createToolbar()
{
    toolbar1_ = new QToolBar(client_);
    toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1_->setMovable(false);
    toolbar1_->setFloatable(false);
    toolbar1_->setIconSize(QSize(layout::kToolbarIconPixels, layout::kToolbarIconPixels));
    toolbar1_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto* flush = new FlushToolbarStyle;
    flush->setParent(toolbar1_);
    toolbar1_->setStyle(flush);

    const QList<ToolbarSlot>& slotList = ToolbarCommands::toolbarSlots();
    for (int i = 0; i < slotList.size(); ++i) {
        const ToolbarSlot& slot = slotList[i];
        switch (slot.kind) {
        case ToolbarSlot::Kind::Separator:
            toolbar1_->addSeparator();
            break;
        case ToolbarSlot::Kind::Placeholder:
            break; // an empty slot of width 0
        case ToolbarSlot::Kind::Lists: {
            // The lists stand where they stood on the design's tool bar, measured from
            // the left edge of their slot.
            double slotLeft = 0;
            for (int before = 0; before < i; ++before)
                slotLeft += slotList[before].kind == ToolbarSlot::Kind::Button
                    ? layout::kToolbarButtonWidth
                    : slotList[before].widthTwips;
            auto* holder = new QWidget(toolbar1_);
            holder->setObjectName(QStringLiteral("ListsPlaceholder"));
            combo2_ = new QComboBox(holder);
            combo1_ = new QComboBox(holder);
            const QRectF c2 = layout::kCombo2.translated(-slotLeft, 0);
            const QRectF c1 = layout::kCombo1.translated(-slotLeft, 0);
            place(combo2_, c2);
            place(combo1_, c1);
            // Wide enough for both lists; the design's slot ended 60 twips short of Combo1.
            holder->setFixedSize(platform::twipsSize(std::max(slot.widthTwips, c1.right() + 45),
                                                     layout::kToolbar1.height()));
            toolbar1_->addWidget(holder);
            break;
        }
        case ToolbarSlot::Kind::Button: {
            const QIcon icon = slot.key == QLatin1String("color")
                ? toolbar_icons::colorSwatch(Qt::black)
                : toolbar_icons::themed(slot.iconName);
            QAction* button = toolbar1_->addAction(icon, slot.toolTip());
            button->setToolTip(slot.toolTip());
            button->setData(slot.key);
            button->setObjectName(QStringLiteral("Toolbar1_") + slot.key);
            toolbar1_->widgetForAction(button)->setFixedSize(
                platform::twipsSize(layout::kToolbarButtonWidth, layout::kToolbarButtonHeight));
            toolbarButtons_.insert(slot.key, button);
            connect(button, &QAction::triggered, this,
                    [this, key = slot.key] { Toolbar1_ButtonClick(key); });
            break;
        }
        }
    }

    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo1_->setObjectName(QStringLiteral("Combo1"));
    for (QComboBox* combo : {combo2_, combo1_}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(20);
        combo->installEventFilter(comboKeys_);
        if (QLineEdit* edit = combo->lineEdit())
            edit->installEventFilter(comboKeys_);
        list_boxes::applyOnlyChosenEntries(combo);
    }
    //: The font list's name in the designer, its text until the start-up fills it.
    combo2_->setEditText(tr("Combo2"));
    //: The size list's name in the designer, its text until the start-up fills it.
    combo1_->setEditText(tr("Combo1"));

    // Not docked: it keeps its place between the palette and the editor, at its own width
    // (widened only where this style draws the buttons larger than the design).
    QRect geometry = platform::twipsRect(layout::kToolbar1.x(), layout::kToolbar1.y(),
                                         layout::kToolbar1.width(), layout::kToolbar1.height());
    geometry.setWidth(std::max(geometry.width(), toolbar1_->sizeHint().width()));
    toolbar1_->setGeometry(geometry);
}

void MainWindow::createOptionsFrame()
{
    //: The Options panel's frame; the blanks around the word are kept.
    frame1_ = new QGroupBox(tr(" Options "), client_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    // A panel over the editor: opaque, in the design's small dialog font.
    frame1_->setAutoFillBackground(true);
    QFont panelFont(QStringLiteral("MS Sans Serif"));
    panelFont.setPointSizeF(8.25);
    frame1_->setFont(language::interfaceFont(panelFont));
    place(frame1_, layout::kFrame1);

    // Created in the design's order; the tab order is set apart.
    options_[3] = new QRadioButton(tr("Extra large"), frame1_);
    command2_ = new QPushButton(tr("OK"), frame1_);
    options_[2] = new QRadioButton(tr("Large"), frame1_);
    options_[1] = new QRadioButton(tr("Medium"), frame1_);
    options_[0] = new QRadioButton(tr("Small"), frame1_);
    label1_ = new QLabel(tr("Font size:"), frame1_);

    command2_->setObjectName(QStringLiteral("Command2"));
    label1_->setObjectName(QStringLiteral("Label1"));
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPointSizeF(13.5);
    labelFont.setBold(true);
    label1_->setFont(language::interfaceFont(labelFont));

    place(command2_, layout::kCommand2);
    place(label1_, layout::kLabel1);
    // The design's boxes are narrow for this style's indicator and captions: each shows
    // its caption whole, in a second row when one row has not the room.
    QList<QRect> design;
    QList<QSize> needed;
    for (const QRectF& r : {layout::kOption1, layout::kOption2, layout::kOption3, layout::kOption4})
        design.append(platform::twipsRect(r.x(), r.y(), r.width(), r.height()));
    for (int i = 0; i < 4; ++i) {
        options_[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        needed.append(options_[i]->sizeHint());
    }
    const QRect inner = frame1_->contentsRect();
    const int below = std::max(label1_->geometry().bottom(), command2_->geometry().bottom()) + 1;
    const QList<QRect> places = layout::optionPlaces(design, needed, inner, below);
    for (int i = 0; i < 4; ++i)
        options_[i]->setGeometry(places[i]);
    frame1_->hide();
}

void MainWindow::setTabOrder()
{
    QWidget::setTabOrder(msFlexGrid1_, richTextBox1_);
    QWidget::setTabOrder(richTextBox1_, combo1_);
    QWidget::setTabOrder(combo1_, combo2_);
    QWidget::setTabOrder(combo2_, options_[0]);
    QWidget::setTabOrder(options_[0], options_[1]);
    QWidget::setTabOrder(options_[1], options_[2]);
    QWidget::setTabOrder(options_[2], command2_);
    QWidget::setTabOrder(command2_, options_[3]);
}

void MainWindow::connectHandlers()
{
    connect(richTextBox1_, &RichTextBox::KeyPress, this, &MainWindow::RichTextBox1_KeyPress);
    connect(richTextBox1_, &RichTextBox::MouseDown, this, &MainWindow::RichTextBox1_MouseDown);
    connect(msFlexGrid1_, &FlexGrid::Click, this, &MainWindow::MSFlexGrid1_Click);
    connect(combo1_, &QComboBox::activated, this, &MainWindow::Combo1_Click);
    connect(combo2_, &QComboBox::activated, this, &MainWindow::Combo2_Click);
    connect(command2_, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(options_[0], &QRadioButton::toggled, this, &MainWindow::Option1_Click);
    connect(options_[1], &QRadioButton::toggled, this, &MainWindow::Option2_Click);
    connect(options_[2], &QRadioButton::toggled, this, &MainWindow::Option3_Click);
    connect(options_[3], &QRadioButton::toggled, this, &MainWindow::Option4_Click);
}

// ---- Start-up -------------------------------------------------------------------------

void MainWindow::Form_Load()
{
    document_->startUntitled();

    // Found beside the executable whatever the current directory is; a missing or
    // unreadable file registers nothing and the controls draw in a substitute face.
    platform::registerEditingFont(programDir_);

    msFlexGrid1_->setFontName(nq::kFace);
    QFont editorFont = richTextBox1_->font();
    editorFont.setFamilies({nq::kFace});
    richTextBox1_->setFont(editorFont);
    msFlexGrid1_->setFontSize(formatting::kInitialPaletteFontSize);

    const double screenWidth = platform::screenWidthTwips();
    int windowWidth = platform::twipsToPixels(screenWidth);
    if (const int fitting = platform::screenFittingWidth(); fitting > 0)
        windowWidth = std::min(windowWidth, fitting);
    // Tall enough for the editor, and for the Options panel, which is centred by the
    // screen's size, to show whole.
    const double panelBottom = (platform::screenHeightTwips() + layout::kFrame1.height()) / 2;
    const int clientHeight = platform::twipsToPixels(
        std::max(layout::kEditorTop + layout::kRichTextBox1.height(), panelBottom));
    resize(windowWidth, clientHeight + menuBar()->sizeHint().height());
    msFlexGrid1_->setGeometry(0, 0, windowWidth, platform::twipsToPixels(layout::kPaletteHeight));
    richTextBox1_->setGeometry(0, platform::twipsToPixels(layout::kEditorTop), windowWidth,
                               platform::twipsToPixels(layout::kRichTextBox1.height()));

    msFlexGrid1_->setCols(entry::kPaletteCols);
    msFlexGrid1_->setRows(entry::kPaletteRows);

    coloring();

    for (int row = 0; row < entry::kPaletteRows; ++row) {
        for (int col = 0; col < entry::kPaletteCols; ++col) {
            msFlexGrid1_->setRow(row);
            msFlexGrid1_->setCol(col);
            msFlexGrid1_->setCellAlignment(Qt::AlignCenter);
            msFlexGrid1_->setColWidth(col, layout::kCellSize);
            msFlexGrid1_->setRowHeight(row, layout::kCellSize);
        }
    }

    const QStringList families = QFontDatabase::families();
    combo2_->addItems(formatting::fontNameEntries(families));
    list_boxes::showEntryOr(combo2_, formatting::fontListText(families),
                            formatting::kFontListDesignText);
    list_boxes::widenPopupToEntries(combo2_);

    combo1_->addItems(formatting::sizeListEntries());
    combo1_->setCurrentIndex(formatting::initialSizeIndex());
    Combo1_Click();
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
    connect(richTextBox1_, &QTextEdit::textChanged, autosave_, &recovery::Autosave::documentChanged);
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
    return window_recovery::offerRecovery(*recoveryStore_, *autosave_, *richTextBox1_, *document_,
                                          *commonDialog1_, dialogs_, this);
}

void MainWindow::coloring()
{
    entry::coloring(*msFlexGrid1_);
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

void MainWindow::new_Click() { fileCommands_->new_Click(); }
void MainWindow::open_Click() { fileCommands_->open_Click(); }
void MainWindow::openFile(const QString& path) { fileCommands_->openPath(path); }
void MainWindow::save_Click() { fileCommands_->save_Click(); }
void MainWindow::saveas_Click() { fileCommands_->saveas_Click(); }
void MainWindow::print_Click() { ::print_Click(*richTextBox1_, *commonDialog1_, this, document_->path()); }

void MainWindow::exit_Click()
{
    if (fileCommands_->exit_Click())
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

void MainWindow::undo_Click() { toolbarCommands_->undo_Click(); }
void MainWindow::helps_Click() { toolbarCommands_->helps_Click(); }
void MainWindow::about_Click() { about::showAbout(this, dialogs_); }

void MainWindow::Toolbar1_ButtonClick(const QString& key)
{
    toolbarCommands_->Toolbar1_ButtonClick(key);
    if (key == QLatin1String("color"))
        setColorSwatch(commonDialog1_->Color);
}

QString MainWindow::copybuffer() const
{
    return toolbarCommands_->copybuffer();
}

// ---- Size and font options ------------------------------------------------------------

void MainWindow::Combo1_Click()
{
    if (const double points = formatting::pointsFromSizeText(combo1_->currentText()))
        richTextBox1_->setSelFontSize(points);
}

void MainWindow::Combo2_Click()
{
    const QString family = combo2_->currentText();
    if (!family.isEmpty())
        richTextBox1_->setSelFontName(family);
}

void MainWindow::option_Click()
{
    frame1_->show();
    frame1_->raise();
    const QPointF at = formatting::optionsPanelPosition(
        {platform::screenWidthTwips(), platform::screenHeightTwips()},
        {platform::pixelsToTwips(frame1_->width()), platform::pixelsToTwips(frame1_->height())});
    frame1_->move(platform::twipsToPixels(at.x()), platform::twipsToPixels(at.y()));
}

void MainWindow::Command2_Click()
{
    frame1_->hide();
}

void MainWindow::optionClicked(int n)
{
    if (option(n)->isChecked())
        msFlexGrid1_->setFontSize(formatting::paletteFontSizeForOption(n));
}

void MainWindow::Option1_Click() { optionClicked(1); }
void MainWindow::Option2_Click() { optionClicked(2); }
void MainWindow::Option3_Click() { optionClicked(3); }
void MainWindow::Option4_Click() { optionClicked(4); }

// ---- Character entry ------------------------------------------------------------------

void MainWindow::MSFlexGrid1_Click()
{
    entry::insertFromPalette(msFlexGrid1_->Text(), *richTextBox1_);
}

void MainWindow::RichTextBox1_KeyPress(int& keyAscii)
{
    keyAscii = entry::mapTypedKey(keyAscii);
}

void MainWindow::RichTextBox1_MouseDown(Qt::MouseButton button)
{
    if (entry::buttonDeletesBackward(button))
        richTextBox1_->deleteBackward();
}
