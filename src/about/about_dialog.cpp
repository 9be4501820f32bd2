#include "about/about_dialog.h"

#include "about/emblem.h"
#include "about/launcher.h"
#include "about/registry.h"
#include "about/sysinfo.h"
#include "platform/twips.h"
#include "product/product.h"

#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace about {

namespace {

QString description()
{
    return AboutDialog::tr(
        "A small word processor for writing Bengali in its own single-byte font, NQ, with a "
        "palette of every glyph.\nMade by the Norvelin developers; reach them through the "
        "project's issue tracker.");
}

QString credits()
{
    return AboutDialog::tr(
        "Written by the Norvelin developers in C++ with Qt 6. The NQ editing font is generated "
        "from Noto Sans Bengali by the Noto Project Authors.");
}

QString fontCredit()
{
    return AboutDialog::tr("Font design: Noto Sans Bengali");
}

QString rights()
{
    return AboutDialog::tr(
        "\u00A9 the Norvelin developers. The NQ font is licensed under the SIL Open Font "
        "License 1.1.");
}

constexpr qreal kBodyPointSize = 8.0;
constexpr qreal kSmallestPointSize = 6.0;

// The boxes keep their designed size; on a system whose fonts run larger, the text
// shrinks until it fits rather than being cut off.
void fitText(QLabel* label)
{
    QFont font = label->font();
    const auto fits = [label] {
        const QSize box = label->size();
        if (label->wordWrap())
            return label->heightForWidth(box.width()) <= box.height();
        return label->sizeHint().width() <= box.width();
    };
    while (!fits() && font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
    }
}

QLabel* addLabel(QWidget* parent, const QString& text, QRect geometry, bool wrap)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    font.setPointSizeF(kBodyPointSize);
    label->setFont(font);
    fitText(label);
    return label;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

AboutDialog::AboutDialog(about::Registry& registry, about::Launcher& launcher,
                   platform::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      registry_(registry), launcher_(launcher), dialogs_(dialogs)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(platform::twipsSize(8775, 4380));
    buildControls();
    setUpAtStart();
}

void AboutDialog::buildControls()
{
    using platform::twipsRect;

    emblem_ = new QLabel(this);
    emblem_->setGeometry(twipsRect(0, 0, 870, 870));
    emblem_->setPixmap(drawEmblem(56));
    emblem_->setAlignment(Qt::AlignCenter);

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setGeometry(twipsRect(4440, 2880, 1260, 345));
    // Enter presses it as the default button; Esc closes the dialog through reject().
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);

    systemInfoButton_ = new QPushButton(tr("&System Info..."), this);
    systemInfoButton_->setGeometry(twipsRect(6120, 2880, 1245, 345));
    systemInfoButton_->setAutoDefault(false);

    fontCreditLabel_ = addLabel(this, fontCredit(), twipsRect(4320, 2040, 2535, 255), false);
    creditsLabel_ = addLabel(this, credits(), twipsRect(4320, 840, 4335, 975), true);
    descriptionLabel_ = addLabel(this, description(), twipsRect(960, 960, 3165, 1410), true);
    setTextColour(descriptionLabel_, Qt::black);

    titleLabel_ = addLabel(this, product::kName, twipsRect(1080, 240, 3045, 705), false);
    QFont titleFont = titleLabel_->font();
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    titleLabel_->setFont(titleFont);
    setTextColour(titleLabel_, Qt::black);

    versionLabel_ = addLabel(this, QString(), twipsRect(4320, 480, 1245, 225), false);
    disclaimerLabel_ = addLabel(this, rights(), twipsRect(255, 2865, 3870, 585), true);
    setTextColour(disclaimerLabel_, Qt::black);

    setTabOrder(okButton_, systemInfoButton_);
    okButton_->setFocus();

    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(systemInfoButton_, &QPushButton::clicked, this, &AboutDialog::startSystemInfo);

    const std::pair<QWidget*, const char*> designNames[] = {
        {emblem_, "picIcon"},          {okButton_, "cmdOK"},
        {systemInfoButton_, "cmdSysInfo"}, {fontCreditLabel_, "Label2"},
        {creditsLabel_, "Label1"},     {descriptionLabel_, "lblDescription"},
        {titleLabel_, "lblTitle"},     {versionLabel_, "lblVersion"},
        {disclaimerLabel_, "lblDisclaimer"}};
    for (const auto& [widget, name] : designNames)
        widget->setObjectName(QLatin1String(name));
}

void AboutDialog::setUpAtStart()
{
    setWindowTitle(tr("About %1").arg(product::kName));
    versionLabel_->setText(tr("Version %1").arg(product::version()));
    titleLabel_->setText(product::kName);
    fitText(versionLabel_);
}

void AboutDialog::startSystemInfo()
{
    StartSysInfo(registry_, launcher_, dialogs_, this);
}

// The etched rule across the dialog and the vertical rule beside the credits.
void AboutDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    using platform::twipsToPixels;
    QPainter p(this);
    const auto line = [&](int x1, int y1, int x2, int y2) {
        p.drawLine(twipsToPixels(x1), twipsToPixels(y1), twipsToPixels(x2), twipsToPixels(y2));
    };
    p.setPen(QPen(QColor(128, 128, 128), 1));
    line(4200, 840, 4200, 2160);
    line(90, 2445, 8640, 2445);
    p.setPen(QPen(Qt::white, 2));
    line(105, 2460, 8640, 2460);
}

AboutDialog* showAbout(QWidget* parent, platform::Dialogs& dialogs)
{
    static SystemRegistry registry;
    static ProcessLauncher launcher;
    static QPointer<AboutDialog> open;
    if (!open) {
        open = new AboutDialog(registry, launcher, dialogs, parent);
        // Closed by accept() or reject() as well as by the title bar: either way it goes.
        QObject::connect(open.data(), &QDialog::finished, open.data(), &QObject::deleteLater);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open.data();
}

} // namespace about
