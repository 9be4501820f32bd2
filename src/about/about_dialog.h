#pragma once
// Help > About: the product's title, emblem, version, credits and rights, and a button that
// starts the system-information program. Modeless; closing it destroys it.

#include <QDialog>

class QLabel;
class QPushButton;
namespace platform { class Dialogs; }

namespace about {
class Launcher;
class Registry;
}

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(about::Registry& registry, about::Launcher& launcher, platform::Dialogs& dialogs,
             QWidget* parent = nullptr);


    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    about::Registry& registry_;
    about::Launcher& launcher_;
    platform::Dialogs& dialogs_;
};

namespace about {

// Opens the About box with the system's registry and launcher; while one is open it is
// brought forward instead of opening another.
frmAbout* showAbout(QWidget* parent, platform::Dialogs& dialogs);

} // namespace about
