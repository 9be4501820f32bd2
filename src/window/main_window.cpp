#include "window/main_window.h"

#include "platform/dialogs.h"
#include "platform/font_registration.h"
#include "window/document_state.h"
#include "window/rich_text_box.h"

MainWindow::MainWindow(platform::Dialogs& dialogs, const QString& programDir, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), programDir_(programDir),
      state_(new DocumentState(this))
{
    richTextBox1_ = new RichTextBox(this);
    setCentralWidget(richTextBox1_);
    connect(state_, &DocumentState::captionChanged, this, &QWidget::setWindowTitle);
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::Form_Load()
{
    state_->docpath.clear();
    state_->docstate = DocumentState::kFresh;
    platform::registerEditingFont(programDir_);
    richTextBox1_->setFont(QFont(QStringLiteral("NQ"), 18));
    state_->setCaption(DocumentState::kTitle + DocumentState::kUnsavedLabel);
}
