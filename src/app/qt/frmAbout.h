#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

#include "app/SystemInformationLauncher.h"

class QFrame;
class QKeyEvent;
class QShowEvent;
class QLabel;
class QPushButton;

// The About dialog, built from ui::AboutDescription(): title, version, what the tool is for, the
// support site, a copyright notice, and a button that starts the system's information program.
// Modeless and without an owner; it deletes itself when closed.
namespace vantrel {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    // Builds the launcher "System Info..." runs; it is given the dialog's own message boxes.
    using LauncherFactory = std::function<std::unique_ptr<SystemInformationLauncher>(UserInteraction&)>;

    explicit frmAbout(LauncherFactory makeLauncher = MakeSystemInformationLauncher);
    ~frmAbout() override;

    // The description (ui::texts::kAboutDescriptionLead) followed by the support site's address,
    // whose characters are joined by kWordJoiner (invisible) so that the address never breaks across lines.
    static QString DescriptionText();
    static constexpr char16_t kWordJoiner = 0x2060;

    void StartSysInfo();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Load();

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    std::array<QFrame*, 2> Line1;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

    std::unique_ptr<UserInteraction> ui_;
    std::unique_ptr<SystemInformationLauncher> launcher_;
};

}  // namespace vantrel
