#include "app/qt/AuxiliaryWindows.h"

#include "editor/qt/QtUserInteraction.h"
#include "ui/AppIdentity.h"

namespace vantrel {

AuxiliaryWindows::AuxiliaryWindows(UserInteraction* ui, QStringList tutorialModulePaths)
    : QObject(nullptr),
      ui_(ui),
      tutorialModule_(std::move(tutorialModulePaths)),
      about_([] { return new frmAbout(); }),
      // Reached only once the module is open (see ShowOnlineTutorial).
      onlineTutorial_([this] { return tutorialModule_.factory()->CreateOnlineTutorial(); }) {}

AuxiliaryWindows::~AuxiliaryWindows() = default;

QString AuxiliaryWindows::TutorialModuleMissingText(const QString& reason) {
    return QStringLiteral("The online tutorial cannot be opened: its browser module could not be loaded.\n\n%1")
        .arg(reason);
}

void AuxiliaryWindows::ShowAbout() { about_.Show(); }

void AuxiliaryWindows::ShowOnlineTutorial() {
    if (onlineTutorial() || tutorialModule_.factory()) {
        onlineTutorial_.Show();
        return;
    }
    if (!ui_) {
        ownUi_ = std::make_unique<QtUserInteraction>();
        ui_ = ownUi_.get();
    }
    ui_->message(TutorialModuleMissingText(tutorialModule_.errorString()).toStdString(), kApplicationTitle,
                 MessageIcon::Critical);
}

}  // namespace vantrel
