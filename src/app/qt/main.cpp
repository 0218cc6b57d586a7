// The program starts through its splash window, which hands over to the main window. The browser
// engine is not part of the program: the tutorial module brings it when the tutorial first opens.
#include <QApplication>
#include <memory>

#include "app/qt/AuxiliaryWindows.h"
#include "app/qt/BrowserSandbox.h"
#include "app/qt/frmSplash.h"
#include "editor/qt/MainWindow.h"
#include "editor/qt/QtUserInteraction.h"

int main(int argc, char** argv) {
    vantrel::DisableBrowserSandboxWhenRoot();
    QApplication app(argc, argv);

    // Declared after the application, so all go before it does; the Help menu's windows and
    // their messages before the main window.
    std::unique_ptr<vantrel::MainWindow> mainWindow;
    std::unique_ptr<vantrel::QtUserInteraction> helpMessages;
    std::unique_ptr<vantrel::AuxiliaryWindows> auxiliaryWindows;

    auto* splash = new vantrel::frmSplash([&]() -> QWidget* {
        if (!mainWindow) {
            mainWindow = std::make_unique<vantrel::MainWindow>();
            helpMessages = std::make_unique<vantrel::QtUserInteraction>(mainWindow.get());
            auxiliaryWindows = std::make_unique<vantrel::AuxiliaryWindows>(helpMessages.get());
            QObject::connect(mainWindow.get(), &vantrel::MainWindow::aboutRequested, auxiliaryWindows.get(),
                             &vantrel::AuxiliaryWindows::ShowAbout);
            QObject::connect(mainWindow.get(), &vantrel::MainWindow::onlineTutorialRequested,
                             auxiliaryWindows.get(), &vantrel::AuxiliaryWindows::ShowOnlineTutorial);
        }
        return mainWindow.get();
    });
    splash->show();
    return app.exec();
}
