#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

#include "app/qt/SingleWindow.h"
#include "app/qt/TutorialModule.h"
#include "app/qt/frmAbout.h"

namespace vantrel {

class UserInteraction;

// The About dialog and the tutorial window that the main window's Help menu opens, one of each
// per process. Windows still open when this goes are closed with it. The tutorial window comes
// from the tutorial module, opened when the tutorial is first asked for; when the module cannot
// be opened, the user is told so and the program goes on.
class AuxiliaryWindows : public QObject {
    Q_OBJECT

public:
    // ui: where the message about a missing tutorial module goes; a parentless Qt message box
    // when null. tutorialModulePaths: where the tutorial module is looked for.
    explicit AuxiliaryWindows(UserInteraction* ui = nullptr,
                              QStringList tutorialModulePaths = TutorialModule::SearchPaths());
    ~AuxiliaryWindows() override;

    frmAbout* about() const { return about_.window(); }
    // The open tutorial window (the module's frmOnlineTut), or null.
    QWidget* onlineTutorial() const { return onlineTutorial_.window(); }
    bool tutorialModuleLoaded() const { return tutorialModule_.isLoaded(); }

    // The message shown when the tutorial module cannot be opened, with the reason under it.
    static QString TutorialModuleMissingText(const QString& reason);

public slots:
    void ShowAbout();
    void ShowOnlineTutorial();

private:
    UserInteraction* ui_;
    std::unique_ptr<UserInteraction> ownUi_;
    TutorialModule tutorialModule_;
    SingleWindow<frmAbout> about_;
    SingleWindow<QWidget> onlineTutorial_;
};

}  // namespace vantrel
