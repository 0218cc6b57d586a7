// The program starts through its splash window, which hands over to the main window.
#include <QApplication>
#include <memory>

#include "app/qt/AuxiliaryWindows.h"
#include "app/qt/BrowserSandbox.h"
#include "app/qt/frmSplash.h"
#include "editor/qt/MainWindow.h"

int main(int argc, char** argv) {
    // The tutorial window's browser shares its OpenGL contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    vantrel::DisableBrowserSandboxWhenRoot();
    QApplication app(argc, argv);

    // Declared after the application, so both go before it does.
    vantrel::AuxiliaryWindows auxiliaryWindows;
    std::unique_ptr<vantrel::MainWindow> mainWindow;

    auto* splash = new vantrel::frmSplash([&]() -> QWidget* {
        if (!mainWindow) {
            mainWindow = std::make_unique<vantrel::MainWindow>();
            QObject::connect(mainWindow.get(), &vantrel::MainWindow::aboutRequested, &auxiliaryWindows,
                             &vantrel::AuxiliaryWindows::ShowAbout);
            QObject::connect(mainWindow.get(), &vantrel::MainWindow::onlineTutorialRequested, &auxiliaryWindows,
                             &vantrel::AuxiliaryWindows::ShowOnlineTutorial);
        }
        return mainWindow.get();
    });
    splash->show();
    return app.exec();
}
