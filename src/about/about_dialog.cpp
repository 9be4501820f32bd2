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


namespace {

QString description()
{
    return frmAbout::tr(
        "A small word processor for writing Bengali in its own single-byte font, NQ, with a "
        "palette of every glyph.\nMade by the Norvelin developers; reach them through the "
        "project's issue tracker.");
}

QString credits()
{
    return frmAbout::tr(
        "Written by the Norvelin developers in C++ with Qt 6. The NQ editing font is generated "
        "from Noto Sans Bengali by the Noto Project Authors.");
}

QString fontCredit()
{
    return frmAbout::tr("Font design: Noto Sans Bengali");
}

QString rights()
{
    return frmAbout::tr(
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

frmAbout::frmAbout(about::Registry& registry, about::Launcher& launcher,
                   platform::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      registry_(registry), launcher_(launcher), dialogs_(dialogs)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(platform::twipsSize(8775, 4380));
    buildControls();
    Form_Load();
}

void frmAbout::buildControls()
{
    using platform::twipsRect;

    picIcon = new QLabel(this);
    picIcon->setGeometry(twipsRect(0, 0, 870, 870));
    picIcon->setPixmap(about::drawEmblem(56));
    picIcon->setAlignment(Qt::AlignCenter);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setGeometry(twipsRect(4440, 2880, 1260, 345));
    // Enter presses it as the default button; Esc closes the dialog through reject().
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);

    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setGeometry(twipsRect(6120, 2880, 1245, 345));
    cmdSysInfo->setAutoDefault(false);

    Label2 = addLabel(this, fontCredit(), twipsRect(4320, 2040, 2535, 255), false);
    Label1 = addLabel(this, credits(), twipsRect(4320, 840, 4335, 975), true);
    lblDescription = addLabel(this, description(), twipsRect(960, 960, 3165, 1410), true);
    setTextColour(lblDescription, Qt::black);

    lblTitle = addLabel(this, product::kName, twipsRect(1080, 240, 3045, 705), false);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    setTextColour(lblTitle, Qt::black);

    lblVersion = addLabel(this, QString(), twipsRect(4320, 480, 1245, 225), false);
    lblDisclaimer = addLabel(this, rights(), twipsRect(255, 2865, 3870, 585), true);
    setTextColour(lblDisclaimer, Qt::black);

    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About %1").arg(product::kName));
    lblVersion->setText(tr("Version %1").arg(product::version()));
    lblTitle->setText(product::kName);
    fitText(lblVersion);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    about::StartSysInfo(registry_, launcher_, dialogs_, this);
}

// The etched rule across the dialog and the vertical rule beside the credits.
void frmAbout::paintEvent(QPaintEvent* event)
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

namespace about {

frmAbout* showAbout(QWidget* parent, platform::Dialogs& dialogs)
{
    static SystemRegistry registry;
    static ProcessLauncher launcher;
    static QPointer<frmAbout> open;
    if (!open) {
        open = new frmAbout(registry, launcher, dialogs, parent);
        // Closed by accept() or reject() as well as by the title bar: either way it goes.
        QObject::connect(open.data(), &QDialog::finished, open.data(), &QObject::deleteLater);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open.data();
}

} // namespace about
