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

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(about::Registry& registry, about::Launcher& launcher, platform::Dialogs& dialogs,
             QWidget* parent = nullptr);

    // The controls, each with its design name as objectName.
    QLabel* emblem() const { return emblem_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* systemInfoButton() const { return systemInfoButton_; }
    QLabel* fontCreditLabel() const { return fontCreditLabel_; }
    QLabel* creditsLabel() const { return creditsLabel_; }
    QLabel* descriptionLabel() const { return descriptionLabel_; }
    QLabel* titleLabel() const { return titleLabel_; }
    QLabel* versionLabel() const { return versionLabel_; }
    QLabel* disclaimerLabel() const { return disclaimerLabel_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void setUpAtStart();
    void startSystemInfo();

    about::Registry& registry_;
    about::Launcher& launcher_;
    platform::Dialogs& dialogs_;
    QLabel* emblem_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* systemInfoButton_ = nullptr;
    QLabel* fontCreditLabel_ = nullptr;
    QLabel* creditsLabel_ = nullptr;
    QLabel* descriptionLabel_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* disclaimerLabel_ = nullptr;
};

// Opens the About box with the system's registry and launcher; while one is open it is
// brought forward instead of opening another.
AboutDialog* showAbout(QWidget* parent, platform::Dialogs& dialogs);

} // namespace about
